// The page as a whole: paper and scale, the parts filter, borders, pictures, warnings, and damaged
// records that must print what is sound.
#include "fixed_metrics_canvas.h"

#include "support/temp_dir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

using namespace qx;
using namespace qx::test;

namespace {

bool contains(const std::vector<QString> &texts, const QString &s)
{
    return std::find(texts.begin(), texts.end(), s) != texts.end();
}

QString pictureFile(const TempDir &dir)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString path = dir.file(QStringLiteral("tile.png"));
    picture.save(path);
    return path;
}

} // namespace

TEST(PageSetUp, PaperAndScaleComeFromTheLayout)
{
    PuzzleRecord r = puzzleOf({"A"}, {}, pageWith({}));
    {
        auto out = renderOn(r);
        EXPECT_DOUBLE_EQ(out.report->pageWidth(), 8.5);
        EXPECT_DOUBLE_EQ(out.report->pageHeight(), 11);
    }
    // Landscape turns a standard paper; the layout's units then run across the long side.
    r.Layout.Portrait = 0;
    r.Layout.PaperName.set("A4");
    {
        auto out = renderOn(r);
        EXPECT_NEAR(out.report->pageWidth(), 29.7 / 2.54, 1e-9);
        EXPECT_NEAR(out.report->pageHeight(), 21 / 2.54, 1e-9);
    }
    // Any other name is a custom size, in centimetres unless the layout says inches.
    r.Layout.Portrait = 1;
    r.Layout.PaperName.set("Poster");
    r.Layout.SizeInInches = 0;
    r.Layout.PageWidth = 50.8;
    r.Layout.PageHeight = 25.4;
    r.Layout.LayoutWidth = 400;
    r.Layout.LayoutHeight = 100;
    {
        PageRenderer renderer(r, PrintOptions{});
        FixedMetricsCanvas report;
        renderer.wire(report);
        report.execute();
        EXPECT_NEAR(report.pageWidth(), 20, 1e-9);
        EXPECT_NEAR(report.pageHeight(), 10, 1e-9);
        EXPECT_NEAR(renderer.scale(), 0.05, 1e-12); // min(20 / 400, 10 / 100)
    }
}

TEST(PageSetUp, ObjectsDrawInStoredOrderFilteredByThePartsToPrint)
{
    LayoutObject title = objectOf(ObjectKind::Title, 100, 100, 800, 150);
    LayoutObject text = objectOf(ObjectKind::Text, 100, 200, 800, 300);
    text.setText("Name:");
    LayoutObject clues = objectOf(ObjectKind::AcrossClues, 100, 400, 800, 700);
    LayoutObject bonus = objectOf(ObjectKind::BonusQuestion, 100, 800, 800, 850);
    PuzzleRecord r = puzzleOf({"AB"}, {{"AB", "First letters", 1, 1, true, 1}}, pageWith({title, text, clues, bonus}));
    r.BonusQuestion.set("What do the letters spell?");

    auto all = renderOn(r);
    EXPECT_EQ(all.report->textStrings(),
              (std::vector<QString>{"Test Puzzle", "Name:", "1.", "First letters", "What do the letters spell?"}));
    EXPECT_EQ(r.Layout.Objects[3].text(), "What do the letters spell?");

    PrintOptions options;
    options.printTitle = false;
    options.printClues = false;
    options.printBonus = false;
    EXPECT_EQ(renderOn(r, options).report->textStrings(), std::vector<QString>{"Name:"});

    // An empty bonus question skips its object, border and all.
    r.BonusQuestion.clear();
    r.Layout.Objects[3].HasBorder = 1;
    auto noBonus = renderOn(r);
    EXPECT_TRUE(noBonus.report->ops(PageOp::Kind::Rect).empty());
}

TEST(PageSetUp, BordersGrowOutwardsOnePixelAtATime)
{
    LayoutObject rect = objectOf(ObjectKind::Rectangle, 100, 100, 200, 200);
    rect.HasBorder = 1;
    rect.BorderWidth = 3;
    rect.BorderColor = 0x0000FF00;
    rect.Filled = 1;
    rect.FillColor = 0x00FF0000;
    LayoutObject circle = objectOf(ObjectKind::Circle, 300, 100, 400, 200);
    circle.HasBorder = 1;
    circle.BorderWidth = 2;
    PuzzleRecord r = puzzleOf({"A"}, {}, pageWith({rect, circle}));
    auto out = renderOn(r);
    const auto rects = out.report->ops(PageOp::Kind::Rect);
    ASSERT_EQ(rects.size(), 4u); // the fill, then three outlines
    EXPECT_EQ(rects[0].brushColor, qRgb(0, 0, 255));
    for (int k = 0; k < 3; ++k) {
        const PageOp &o = rects[static_cast<size_t>(k + 1)];
        EXPECT_EQ(o.penColor, qRgb(0, 255, 0));
        EXPECT_NEAR(o.x1, 1.0 - k * 0.01, 1e-9);
        EXPECT_NEAR(o.y2, 2.0 + k * 0.01, 1e-9);
    }
    const auto arcs = out.report->ops(PageOp::Kind::Arc);
    ASSERT_EQ(arcs.size(), 4u); // two half arcs per pixel
    EXPECT_NEAR(arcs[2].x1, 3.0 - 0.01, 1e-9);
}

TEST(Bitmaps, TilesCoverThePageFromItsOrigin)
{
    TempDir dir;
    const QString path = pictureFile(dir);
    // 300 units across 8.5 inches: a tile of 100 units is exactly a third of the page width.
    const auto tiles = [&](int width) {
        LayoutObject bitmap = objectOf(ObjectKind::Bitmap, 0, 0, width, 100);
        bitmap.Transparent = 1;
        bitmap.HasBorder = 1;
        bitmap.BitmapFile.set(path.toStdString());
        PageLayout layout = pageWith({bitmap});
        layout.LayoutWidth = 300;
        layout.LayoutHeight = 388;
        PuzzleRecord r = puzzleOf({"A"}, {}, layout);
        auto out = renderOn(r);
        EXPECT_TRUE(out.report->ops(PageOp::Kind::Rect).empty()) << "no border in tile mode";
        const auto images = out.report->ops(PageOp::Kind::Image);
        double columns = 0;
        for (const PageOp &op : images)
            columns = std::max(columns, std::round(op.x1 / (op.x2 - op.x1)) + 1);
        return std::make_pair(static_cast<int>(columns), static_cast<int>(images.size()));
    };
    EXPECT_EQ(tiles(100), std::make_pair(3, 12)); // 11 / 2.83 inches gives 4 rows
    EXPECT_EQ(tiles(99), std::make_pair(4, 16));
}

TEST(Bitmaps, MissingFilesGiveOneWarningAndThePageStillPrints)
{
    TempDir dir;
    LayoutObject a = objectOf(ObjectKind::Bitmap, 100, 100, 200, 200);
    a.Transparent = 0; // stretched, not tiled
    a.BitmapFile.set(dir.file("nowhere.bmp").toStdString());
    LayoutObject b = a;
    b.BitmapFile.set("C:\\PICTURES\\CAT.BMP");
    LayoutObject c = objectOf(ObjectKind::Bitmap, 300, 300, 400, 400);
    c.Transparent = 0;
    c.BitmapFile.set(pictureFile(dir).toStdString());
    LayoutObject title = objectOf(ObjectKind::Title, 100, 500, 800, 550);
    PuzzleRecord r = puzzleOf({"A"}, {}, pageWith({a, b, c, title}));
    auto out = renderOn(r);
    EXPECT_EQ(out.outcome.warnings(), std::vector<RenderWarning>{RenderWarning::MissingBitmaps});
    EXPECT_EQ(out.report->ops(PageOp::Kind::Image).size(), 1u);
    EXPECT_TRUE(contains(out.report->textStrings(), "Test Puzzle"));

    r.Layout.ObjectCount = 0; // an empty page, and no warning
    auto empty = renderOn(r);
    EXPECT_TRUE(empty.outcome.warnings().empty());
    ASSERT_EQ(empty.report->stream().pageCount(), 1);
    EXPECT_TRUE(empty.report->stream().pages[0].ops.empty());
}

TEST(Outcome, AnAbortedRunWarnsOfNothingButMissingPictures)
{
    LayoutObject clues = objectOf(ObjectKind::AcrossClues, 100, 100, 101, 101);
    LayoutObject title = objectOf(ObjectKind::Title, 100, 500, 800, 550);
    PuzzleRecord r = puzzleOf({"AB"}, {{"AB", "clue", 1, 1, true, 1}}, pageWith({clues, title}));
    PageRenderer renderer(r, PrintOptions{});
    FixedMetricsCanvas report;
    renderer.wire(report);
    report.OnPrintFooter = [](ReportCanvas &rep) { rep.abort(); };
    report.execute();
    const RenderOutcome outcome = renderer.outcome(report);
    EXPECT_TRUE(outcome.aborted);
    EXPECT_TRUE(outcome.cluesOverflow);
    EXPECT_TRUE(outcome.warnings().empty());
    EXPECT_EQ(report.statusText(), QStringLiteral("Printing Page 1\n\n"));
}

TEST(DamagedRecords, PrintWhatIsSoundAndSkipTheRest)
{
    LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 400, 400);
    grid.LineWidth = INT_MAX;
    grid.FontSize = 32767;
    LayoutObject reversed = objectOf(ObjectKind::AcrossClues, 400, 400, 100, 100);
    LayoutObject huge = objectOf(ObjectKind::DownClues, -2000000000, -2000000000, 2000000000, 2000000000);
    huge.Columns = -4;
    huge.FontSize = -7;
    huge.MakeItFit = 1;
    LayoutObject words = objectOf(ObjectKind::WordList, 500, 100, 800, 400);
    words.Columns = 32767;
    words.HasBorder = 1;
    words.BorderWidth = 32767;
    LayoutObject strange = objectOf(static_cast<ObjectKind>(99), 100, 100, 200, 200);
    LayoutObject title = objectOf(ObjectKind::Title, 100, 500, 800, 550);
    PuzzleRecord r = puzzleOf({"AB", "C#"}, {{"AB", "x", 1, 1, true, 1}, {"AC", "y", 1, 1, false, 1}},
                              pageWith({grid, reversed, huge, words, strange, title}));
    r.WordPos[1] = 30000;
    r.WordLen[0] = -3;
    r.AcrossCount = 150;
    auto out = renderOn(r);
    EXPECT_TRUE(contains(out.report->textStrings(), "Test Puzzle"));
    // The letters start from 1000 points at most and shrink to the 1.5-inch cells.
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 149);

    // Counts beyond their ranges are held to them.
    r.WordCount = 3000;
    r.GridWidth = -4;
    r.GridHeight = 999;
    r.Layout.ObjectCount = 99;
    r.Layout.LayoutWidth = 0;
    r.Layout.LayoutHeight = -5;
    EXPECT_NO_FATAL_FAILURE(renderOn(r));
}

TEST(DamagedRecords, RandomDamageNeverStopsThePage)
{
    LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 400, 400);
    LayoutObject comb = objectOf(ObjectKind::CombinedClues, 100, 450, 800, 700);
    comb.Columns = 2;
    comb.MakeItFit = 1;
    LayoutObject words = objectOf(ObjectKind::WordList, 500, 100, 800, 400);
    LayoutObject text = objectOf(ObjectKind::Text, 100, 750, 800, 900);
    text.setText("Name:\r\nDate:");
    const PuzzleRecord sound =
        puzzleOf({"CAT", "A#.", "BE."},
                 {{"CAT", "Pet", 1, 1, true, 1}, {"BE", "Exist", 3, 1, true, 3}, {"CAB", "Taxi", 1, 1, false, 1}},
                 pageWith({grid, comb, words, text}));
    const auto bytes = sound.bytes();
    std::mt19937 random(7);
    for (int round = 0; round < 150; ++round) {
        auto damaged = bytes;
        for (int i = 0; i < 40; ++i) {
            // Aim at the fields a renderer reads: counts, words, positions and the layout header
            // and first objects; elsewhere a byte changes only a letter.
            const size_t at = random() % 2 == 0 ? 2567 + random() % 1800 : 40574 + random() % (88 + 4 * 1439);
            damaged[at] = static_cast<uint8_t>(random());
        }
        PuzzleRecord r = PuzzleRecord::decode(damaged);
        PrintOptions options;
        options.answerKey = round % 2 == 0;
        options.partialLetters = true;
        options.letters = "ae";
        options.wordSeparators = std::string(1, '-');
        renderOn(r, options);
    }
}
