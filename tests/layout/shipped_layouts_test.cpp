// The page layouts a new installation ships with, as this build compiled them from data/layouts:
// every one prints every sample puzzle whole, on its paper, with nothing on top of anything else.
#include "layout/layout_defaults.h"
#include "layout/layout_library.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/recording_canvas.h"
#include "report/stream_replay.h"
#include "store/collection_file.h"

#include "support/screenshots.h"

#include <QDir>
#include <QRect>

#include <gtest/gtest.h>

#include <set>

using namespace qx;
using qx::test::saveScreenshot;

namespace {

const QString LibraryPath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/QXFPAGE.DAT");
const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

std::vector<PageLayout> shippedLayouts()
{
    const LayoutLibrary library(LibraryPath);
    std::vector<PageLayout> layouts;
    for (int n = 0; n < library.count().value(); ++n)
        layouts.push_back(library.read(n).value());
    return layouts;
}

bool has(const PageLayout &layout, ObjectKind kind)
{
    return countOfKind(layout, kind) > 0;
}

QRect boundsOf(const LayoutObject &o)
{
    return QRect(QPoint(o.Bounds[0], o.Bounds[1]), QPoint(o.Bounds[2] - 1, o.Bounds[3] - 1));
}

// Rectangles and circles may frame or sit behind other objects; everything else stands alone.
bool decoration(const LayoutObject &o)
{
    return o.Kind == static_cast<int16_t>(ObjectKind::Rectangle) || o.Kind == static_cast<int16_t>(ObjectKind::Circle);
}

} // namespace

TEST(ShippedLayouts, NinePagesOnLetterAndA4EachWithWhatItIsFor)
{
    const auto layouts = shippedLayouts();
    ASSERT_EQ(layouts.size(), 9u);
    using K = ObjectKind;
    const struct {
        const char *name;
        const char *paper;
        bool portrait;
        std::vector<ObjectKind> kinds;
    } expected[] = {
        {"Standard", "Letter", true, {K::Title, K::Puzzle, K::AcrossClues, K::DownClues}},
        {"Grid Beside Clues", "Letter", true, {K::Puzzle, K::AcrossClues, K::DownClues}},
        {"Two Columns A4", "A4", true, {K::Puzzle, K::AcrossClues, K::DownClues}},
        {"Three Columns", "Letter", true, {K::Puzzle, K::AcrossClues, K::DownClues}},
        {"Combined Clues A4", "A4", true, {K::Puzzle, K::CombinedClues}},
        {"Large Print", "Letter", true, {K::Puzzle, K::CombinedClues}},
        {"Word List Handout", "Letter", true, {K::Puzzle, K::WordList, K::Text}},
        {"Bonus Question A4", "A4", true, {K::Puzzle, K::AcrossClues, K::DownClues, K::BonusQuestion, K::Text}},
        {"Landscape", "Letter", false, {K::Puzzle, K::AcrossClues, K::DownClues}},
    };
    for (size_t n = 0; n < layouts.size(); ++n) {
        const PageLayout &l = layouts[n];
        SCOPED_TRACE(l.LayoutName.str());
        EXPECT_EQ(l.LayoutName.str(), expected[n].name);
        EXPECT_EQ(l.PaperName.str(), expected[n].paper);
        EXPECT_EQ(l.Portrait == 1, expected[n].portrait);
        EXPECT_EQ(l.LayoutWidth < l.LayoutHeight, expected[n].portrait);
        for (const ObjectKind k : expected[n].kinds)
            EXPECT_TRUE(has(l, k)) << "kind " << static_cast<int>(k);
    }
    // The columns the pages are named for.
    EXPECT_EQ(layouts[2].Objects[3].Columns, 2);
    EXPECT_EQ(layouts[3].Objects[3].Columns, 3);
    // A new installation's default page is the page a puzzle gets without any library.
    PageLayout standard = layouts[0];
    standard.LayoutName = builtInDefaultLayout().LayoutName;
    EXPECT_EQ(standard.encoded(), builtInDefaultLayout().encoded());
}

TEST(ShippedLayouts, ObjectsStayOnThePageAndApart)
{
    for (const PageLayout &l : shippedLayouts()) {
        SCOPED_TRACE(l.LayoutName.str());
        const QRect page(0, 0, l.LayoutWidth, l.LayoutHeight);
        for (int a = 0; a < l.objectsInUse(); ++a) {
            const LayoutObject &o = l.Objects[static_cast<size_t>(a)];
            EXPECT_TRUE(page.contains(boundsOf(o))) << o.ObjectLabel.str();
            for (int b = a + 1; b < l.objectsInUse(); ++b) {
                const LayoutObject &other = l.Objects[static_cast<size_t>(b)];
                if (!decoration(o) && !decoration(other)) {
                    EXPECT_FALSE(boundsOf(o).intersects(boundsOf(other)))
                        << o.ObjectLabel.str() << " and " << other.ObjectLabel.str();
                }
            }
        }
    }
}

// Every sample puzzle on every page: no clue, word or text left over, and the type never shrunk
// below what a reader can take in. One picture per layout is kept for a person to look at.
TEST(ShippedLayouts, EverySamplePuzzlePrintsWholeInAReadableType)
{
    const CollectionFile samples(SamplePath);
    const int count = samples.count().value();
    ASSERT_GE(count, 8);
    const auto layouts = shippedLayouts();
    for (size_t k = 0; k < layouts.size(); ++k) {
        for (int n = 0; n < count; ++n) {
            auto working = std::make_unique<PuzzleRecord>(samples.read(n).value());
            working->Layout = layouts[k];
            SCOPED_TRACE(layouts[k].LayoutName.str() + " with " + working->PuzzleName.str());
            PrintOptions options;
            applyLayout(options, working->Layout);
            RecordingCanvas canvas;
            const RenderOutcome outcome = renderPage(*working, options, canvas);
            EXPECT_TRUE(outcome.warnings().empty());
            for (int s = 0; s < working->Layout.objectsInUse(); ++s) {
                const LayoutObject &o = working->Layout.Objects[static_cast<size_t>(s)];
                const auto kind = static_cast<ObjectKind>(o.Kind);
                const bool listed = kind == ObjectKind::AcrossClues || kind == ObjectKind::DownClues ||
                                    kind == ObjectKind::CombinedClues || kind == ObjectKind::WordList;
                if (listed) {
                    EXPECT_GE(o.UsedFontSize, 8) << o.ObjectLabel.str();
                }
            }
            if (n == 0)
                saveScreenshot(pageImage(*canvas.takeStream(), 0, 850),
                               QStringLiteral("layouts/%1.png").arg(static_cast<int>(k)));
        }
    }
}
