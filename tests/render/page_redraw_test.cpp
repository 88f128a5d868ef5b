// Drawing a page again from an earlier rendering, as the metafile export does: the sizes, lines and
// cut-off lists of the rendering are kept, texts are placed by their top, the header objects show
// their own texts and pictures are left out.
#include "fixed_metrics_canvas.h"

#include "render/page_renderer.h"
#include "support/temp_dir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

struct Drawn {
    std::unique_ptr<FixedMetricsCanvas> printed = std::make_unique<FixedMetricsCanvas>();
    std::unique_ptr<FixedMetricsCanvas> redrawn = std::make_unique<FixedMetricsCanvas>();
};

// Renders the record as printing does, then draws it again from what that rendering settled.
Drawn printAndRedraw(const PuzzleRecord &record, const PrintOptions &options)
{
    Drawn out;
    auto working = std::make_unique<PuzzleRecord>(record);
    PageRenderer renderer(*working, options);
    renderer.wire(*out.printed);
    out.printed->execute();
    const std::unique_ptr<PageFits> fits = renderer.takeFits();
    auto again = std::make_unique<PuzzleRecord>(fits->record);
    PageRenderer redraw(*again, *fits);
    redraw.wire(*out.redrawn);
    out.redrawn->execute();
    return out;
}

std::vector<QString> stringsOf(const std::vector<FixedMetricsCanvas::Text> &texts)
{
    std::vector<QString> out;
    for (const auto &t : texts)
        out.push_back(t.text);
    return out;
}

const std::vector<TestWord> Words = {
    {"CAT", "A pet that purrs and sleeps all day long", 1, 1, true, 1},
    {"WIT", "Quick humour", 3, 1, true, 3},
    {"COW", "Gives milk on the farm every single morning", 1, 1, false, 1},
    {"TOE", "Part of a foot", 1, 3, false, 2},
};
const std::vector<std::string> Rows = {"CAT", "O#O", "WIT"};

} // namespace

TEST(PageRedraw, KeepsTheRenderingsTextsAndPlacesEachByItsTop)
{
    // Title with Make It Fit in a box too narrow for 40 points; clue lists too small for their
    // clues; a word list; a grid; a text; a picture.
    TempDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString picturePath = dir.file(QStringLiteral("p.png"));
    picture.save(picturePath);

    LayoutObject title = objectOf(ObjectKind::Title, 0, 0, 300, 60);
    title.FontSize = 40;
    title.MakeItFit = 1;
    LayoutObject acrossHead = objectOf(ObjectKind::AcrossHeading, 0, 500, 200, 530);
    acrossHead.setText("Across");
    LayoutObject across = objectOf(ObjectKind::AcrossClues, 0, 530, 150, 560);
    LayoutObject down = objectOf(ObjectKind::DownClues, 300, 530, 700, 700);
    LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 400, 400);
    grid.NumbersHorizontal = 0;
    LayoutObject words = objectOf(ObjectKind::WordList, 500, 100, 800, 300);
    LayoutObject text = objectOf(ObjectKind::Text, 500, 800, 800, 900);
    text.setText("Solve the grid and then read the shaded squares");
    LayoutObject bitmap = objectOf(ObjectKind::Bitmap, 0, 900, 100, 1000);
    bitmap.BitmapFile.set(picturePath.toStdString());
    PuzzleRecord record = puzzleOf(Rows, Words, pageWith({title, acrossHead, across, down, grid, words, text, bitmap}));
    record.PuzzleName.set("A Very Long Puzzle Title");
    record.WordNumber[1] = 12; // a two-digit number, stacked

    PrintOptions options;
    options.answerKey = true;
    options.acrossHeader = "Changed For This Printing";
    const Drawn d = printAndRedraw(record, options);
    const auto printed = d.printed->texts();
    const auto redrawn = d.redrawn->texts();

    // The same texts at the same sizes, but the header shows the layout's own text.
    std::vector<QString> expected = stringsOf(printed);
    std::replace(expected.begin(), expected.end(), QStringLiteral("Changed For This Printing"),
                 QStringLiteral("Across"));
    ASSERT_EQ(stringsOf(redrawn), expected);
    for (size_t i = 0; i < printed.size(); ++i)
        EXPECT_EQ(redrawn[i].size, printed[i].size) << printed[i].text.toStdString();
    EXPECT_LT(printed.front().size, 40) << "the title was made to fit";
    EXPECT_FALSE(d.printed->ops(PageOp::Kind::Image).empty());
    EXPECT_TRUE(d.redrawn->ops(PageOp::Kind::Image).empty());

    // Every text is placed by its top; the fixed metrics make a text size/100 + size/200 high.
    for (const PageOp &op : d.redrawn->ops(PageOp::Kind::Text))
        EXPECT_TRUE(op.has(PageOp::TextByTop));
    const auto at = [&](const QString &s) {
        const auto it = std::find_if(redrawn.begin(), redrawn.end(), [&](const auto &t) { return t.text == s; });
        EXPECT_NE(it, redrawn.end()) << s.toStdString();
        return it == redrawn.end() ? FixedMetricsCanvas::Text{} : *it;
    };
    const auto height = [](int size) { return size * 0.015; };
    const struct {
        const char *text;
        double top;
    } tops[] = {
        {"A Very Long Puzzle Title", 0.3 - height(printed.front().size) / 2}, // centred in its box
        {"Across", 5.15 - height(10) / 2},
        {"1.", 5.3},                           // the first row of the down list at its top
        {"Solve the grid and then read", 8.0}, // a text's lines from its top, one line apart
        {"the shaded squares", 8.0 + height(10)},
        {"C", 1.0 + (1.0 - height(10)) / 2}, // a letter centred in its cell by its height
        {"I", 3.0 + (1.0 - height(10)) / 2},
    };
    for (const auto &t : tops)
        EXPECT_NEAR(at(QString::fromLatin1(t.text)).y, t.top, 1e-9) << t.text;

    // The numbers keep their font's size, at the top of their cell, and a stacked number's digits
    // are a text height apart: 1 in the first row, 12 in the third, then 2 in the first.
    std::vector<double> numberTops;
    for (const auto &t : redrawn) {
        if (t.size == 5)
            numberTops.push_back(t.y);
    }
    const std::vector<double> expectedTops{1.0, 3.0, 3.0 + height(5), 1.0};
    ASSERT_EQ(numberTops.size(), expectedTops.size());
    for (size_t i = 0; i < numberTops.size(); ++i)
        EXPECT_NEAR(numberTops[i], expectedTops[i], 1e-9) << i;
}
