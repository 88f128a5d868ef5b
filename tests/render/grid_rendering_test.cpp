// The puzzle grid on a canvas with fixed metrics: squares, lines, numbers and which letters show.
#include "fixed_metrics_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qx;
using namespace qx::test;

namespace {

std::vector<PageOp> fills(const FixedMetricsCanvas &r, QRgb color)
{
    std::vector<PageOp> out;
    for (const PageOp &op : r.ops(PageOp::Kind::Rect)) {
        if (op.has(PageOp::HasBrush) && !op.has(PageOp::HasPen) && op.brushColor == color)
            out.push_back(op);
    }
    return out;
}

std::vector<PageOp> frames(const FixedMetricsCanvas &r)
{
    std::vector<PageOp> out;
    for (const PageOp &op : r.ops(PageOp::Kind::Rect)) {
        if (op.has(PageOp::HasPen) && !op.has(PageOp::HasBrush))
            out.push_back(op);
    }
    return out;
}

// A 3 x 3 puzzle: CAT across, CAB down, ARE down... kept small enough to reason about by hand.
//   C A T
//   A # .
//   B E .
PuzzleRecord smallPuzzle(const LayoutObject &grid)
{
    return puzzleOf({"CAT", "A#.", "BE."},
                    {{"CAT", "Pet", 1, 1, true, 1}, {"BE", "Exist", 3, 1, true, 3}, {"CAB", "Taxi", 1, 1, false, 1}},
                    pageWith({grid}));
}

} // namespace

TEST(GridRendering, CellsAreSquareAndTheGridIsCentredAlongTheLongerSide)
{
    // 15 columns and 10 rows in a 3-inch square: cells are 3/15 inch, the grid centred vertically.
    std::vector<std::string> rows(10, std::string(15, 'A'));
    PuzzleRecord r = puzzleOf(rows, {}, pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 400, 400)}));
    auto out = renderOn(r);
    const auto squares = fills(*out.report, qRgb(255, 255, 255));
    ASSERT_EQ(squares.size(), 150u);
    EXPECT_NEAR(squares.front().x1, 1.0, 1e-9);
    EXPECT_NEAR(squares.front().y1, 1.5, 1e-9);
    EXPECT_NEAR(squares.front().x2 - squares.front().x1, 0.2, 1e-9);
    EXPECT_NEAR(squares.front().y2 - squares.front().y1, 0.2, 1e-9);
    EXPECT_NEAR(squares.back().x2, 4.0, 1e-9);
    EXPECT_NEAR(squares.back().y2, 3.5, 1e-9);

    // The same grid turned: 10 columns, 15 rows, centred horizontally.
    std::vector<std::string> tall(15, std::string(10, 'A'));
    PuzzleRecord t = puzzleOf(tall, {}, pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 400, 400)}));
    auto turned = renderOn(t);
    const auto tallSquares = fills(*turned.report, qRgb(255, 255, 255));
    EXPECT_NEAR(tallSquares.front().x1, 1.5, 1e-9);
    EXPECT_NEAR(tallSquares.front().y1, 1.0, 1e-9);
}

TEST(GridRendering, FilledBoxesReachTheOuterEdgeAndSkeletonLeavesThemOut)
{
    PuzzleRecord r = puzzleOf({"AB#", "#C."}, {}, pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 400, 300)}));
    PrintOptions options;
    options.boxColor = 0x000000FF; // red
    auto out = renderOn(r, options);
    EXPECT_EQ(fills(*out.report, qRgb(255, 0, 0)).size(), 2u);
    // (1,3) is in the last column above a missing square: right and bottom edges; (2,1) lies in the
    // last row next to a letter: its bottom edge only.
    const auto lines = out.report->ops(PageOp::Kind::Line);
    EXPECT_EQ(lines.size(), 3u);
    for (const PageOp &l : lines)
        EXPECT_EQ(l.penColor, qRgb(255, 0, 0));

    options.useBoxes = false;
    auto skeleton = renderOn(r, options);
    EXPECT_TRUE(fills(*skeleton.report, qRgb(255, 0, 0)).empty());
    EXPECT_TRUE(skeleton.report->ops(PageOp::Kind::Line).empty());
}

TEST(GridRendering, ThickLinesGrowIntoTheCellOnePixelAtATime)
{
    LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 400, 400);
    grid.LineWidth = 3;
    PuzzleRecord r = puzzleOf({"A"}, {}, pageWith({grid}));
    auto out = renderOn(r);
    const auto outlines = frames(*out.report);
    ASSERT_EQ(outlines.size(), 3u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(outlines[static_cast<size_t>(k)].x1, 1.0 + k * 0.01, 1e-9);
        EXPECT_NEAR(outlines[static_cast<size_t>(k)].x2, 4.0 - k * 0.01, 1e-9);
    }
}

TEST(GridRendering, NumbersSitInTheCornerOnOneLineOrStackedDigitByDigit)
{
    LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 400, 400);
    PuzzleRecord r = puzzleOf({"AB", "C#"}, {{"AB", "x", 1, 1, true, 123}}, pageWith({grid}));
    // Number font 5 points: width("9") = 0.05, line height 5/60, descent 0.025.
    const double step = 5.0 / 60 - 0.025;
    auto horizontal = renderOn(r);
    ASSERT_EQ(horizontal.report->texts().size(), 1u);
    const auto h = horizontal.report->texts()[0];
    EXPECT_EQ(h.text, QStringLiteral("123"));
    EXPECT_NEAR(h.x, 1.025, 1e-9);
    EXPECT_NEAR(h.y, 1.0 + step, 1e-9);
    EXPECT_EQ(h.size, 5);

    r.Layout.Objects[0].NumbersHorizontal = 0;
    auto stacked = renderOn(r);
    const auto t = stacked.report->texts();
    ASSERT_EQ(t.size(), 3u);
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(t[static_cast<size_t>(d)].text, QString::number(d + 1));
        EXPECT_NEAR(t[static_cast<size_t>(d)].x, 1.025, 1e-9);
        EXPECT_NEAR(t[static_cast<size_t>(d)].y, 1.0 + (d + 1) * step, 1e-9);
    }
}

TEST(GridRendering, AnswerKeyDrawsEveryLetterCentredAndWinsOverPartialAnswers)
{
    PuzzleRecord r = smallPuzzle(objectOf(ObjectKind::Puzzle, 100, 100, 400, 400));
    PrintOptions options;
    options.answerKey = true;
    options.partialAnswer = true;
    options.partialAnswerWords[1] = 1; // BE only, were partial answers to apply
    auto out = renderOn(r, options);
    std::vector<QString> letters;
    for (const auto &t : out.report->texts()) {
        if (t.size == 10)
            letters.push_back(t.text);
    }
    EXPECT_EQ(letters, (std::vector<QString>{"C", "A", "T", "A", "B", "E"}));
    // Letter C in the 1-inch cell (1,1): width 0.1, height 0.15, descent 0.05.
    const auto texts = out.report->texts();
    const auto c =
        std::find_if(texts.begin(), texts.end(), [](const auto &t) { return t.text == "C" && t.size == 10; });
    EXPECT_NEAR(c->x, 1.0 + (1.0 - 0.1) / 2, 1e-9);
    EXPECT_NEAR(c->y, 2.0 - (1.0 - 0.15) / 2 - 0.05, 1e-9);

    options.answerKey = false;
    auto partial = renderOn(r, options);
    std::vector<QString> shown;
    for (const auto &t : partial.report->texts()) {
        if (t.size == 10)
            shown.push_back(t.text);
    }
    EXPECT_EQ(shown, (std::vector<QString>{"B", "E"}));
}

TEST(GridRendering, PartialLettersMatchCapitalsAndSeparatorsShowInTheEmptyPuzzle)
{
    PuzzleRecord r = puzzleOf({"AB-C", "...."}, {{"AB-C", "x", 1, 1, true, 1}},
                              pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 500, 200)}));
    const auto letters = [](const Rendered &out) {
        std::vector<QString> s;
        for (const auto &t : out.report->texts()) {
            if (t.size >= 4 && t.size != 5)
                s.push_back(t.text);
        }
        return s;
    };
    PrintOptions options;
    EXPECT_TRUE(letters(renderOn(r, options)).empty()) << "the empty puzzle shows numbers only";

    options.wordSeparators = "-";
    EXPECT_EQ(letters(renderOn(r, options)), (std::vector<QString>{"-"}));

    options.partialLetters = true;
    options.letters = "c";
    EXPECT_EQ(letters(renderOn(r, options)), (std::vector<QString>{"C", "-"}));

    options.answerKey = true; // partial letters are the answer key's alternative, not an addition
    EXPECT_EQ(letters(renderOn(r, options)), (std::vector<QString>{"A", "B", "-", "C"}));
}

TEST(GridRendering, LetterFontShrinksToTheCellButNotBelowFour)
{
    // Cells of 0.075 inch: W at 8 points is 0.08 wide, at 7 it is 0.07.
    std::vector<std::string> rows(4, std::string(4, 'A'));
    PuzzleRecord r = puzzleOf(rows, {}, pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 130, 130)}));
    renderOn(r);
    EXPECT_EQ(r.Layout.Objects[0].UsedFontSize, 7);

    PuzzleRecord tiny = puzzleOf(rows, {}, pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 108, 108)}));
    renderOn(tiny);
    EXPECT_EQ(tiny.Layout.Objects[0].UsedFontSize, 4);
}

TEST(GridRendering, UnplacedTrailingWordsAreNeitherNumberedNorListed)
{
    LayoutObject words = objectOf(ObjectKind::WordList, 500, 100, 800, 500);
    LayoutObject down = objectOf(ObjectKind::DownClues, 100, 500, 400, 900);
    PuzzleRecord r = smallPuzzle(objectOf(ObjectKind::Puzzle, 100, 100, 400, 400));
    r.Layout = pageWith({objectOf(ObjectKind::Puzzle, 100, 100, 400, 400), words, down});
    // A fourth word, never placed, at the end of the list.
    r.WordCount = 4;
    r.Words[3].set("ZEBRA");
    r.Clues[3].set("Striped horse");
    r.WordPos[3] = static_cast<int16_t>(cellIndex(2, 3));
    r.WordNumber[3] = 9;
    r.WordPlaced[3] = 0;
    auto out = renderOn(r);
    for (const QString &t : out.report->textStrings()) {
        EXPECT_NE(t, QStringLiteral("9"));
        EXPECT_NE(t, QStringLiteral("9."));
        EXPECT_NE(t, QStringLiteral("ZEBRA"));
        EXPECT_NE(t, QStringLiteral("Striped horse"));
    }
    const auto texts = out.report->textStrings();
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("Taxi")), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("CAB")), texts.end());
}

TEST(GridRendering, SharedStartsAndCrossingsAreDrawnOnce)
{
    PuzzleRecord r = smallPuzzle(objectOf(ObjectKind::Puzzle, 100, 100, 400, 400));
    PrintOptions options;
    options.partialLetters = true;
    options.letters = "ca";
    auto out = renderOn(r, options);
    // CAT and CAB both start at (1,1) with number 1 and share its C.
    EXPECT_EQ(out.report->textStrings(), (std::vector<QString>{"1", "3", "C", "A", "A"}));
}

TEST(GridRendering, NumbersShrinkToStayInTheirCellAndLettersGoBelowThem)
{
    // A 4 x 4 grid of letters whose first word carries the number; the number font is 5 points.
    // Fixed metrics at size s: a character s/100 wide, ascent s/100, descent s/200, line s/60.
    const struct {
        const char *what;
        int box; // the grid's side, hundredths of an inch: cells a quarter of it
        int number;
        bool horizontal;
        bool answerKey;
        int numberSize;
        int letterSize; // of the letter in the numbered cell
    } cases[] = {
        {"a number that fits keeps its size", 400, 123, true, false, 5, 0},
        {"one too wide shrinks", 60, 123, true, false, 4, 0},
        {"only the numbers that need it shrink", 60, 7, true, false, 5, 0},
        {"stacked digits taller than two fifths of the cell shrink", 120, 123, false, false, 3, 0},
        {"but never below 2 points", 12, 123, true, false, 2, 0},
        {"beside a letter too a number keeps to the top two fifths", 48, 7, true, true, 4, 7},
        {"a letter clear of its number is left as it is", 400, 7, true, true, 5, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        LayoutObject grid = objectOf(ObjectKind::Puzzle, 100, 100, 100 + c.box, 100 + c.box);
        grid.NumbersHorizontal = c.horizontal ? 1 : 0;
        PuzzleRecord r =
            puzzleOf({"ABCD", "ABCD", "ABCD", "ABCD"}, {{"ABCD", "x", 1, 1, true, c.number}}, pageWith({grid}));
        PrintOptions options;
        options.answerKey = c.answerKey;
        const auto texts = renderOn(r, options).report->texts();
        const double cell = c.box / 400.0;
        const QString number = QString::number(c.number);
        const size_t digits = c.horizontal ? 1 : static_cast<size_t>(number.size());
        ASSERT_GE(texts.size(), digits);
        const auto &first = texts[0];
        const auto &last = texts[digits - 1];
        EXPECT_EQ(first.size, c.numberSize);
        if (c.numberSize > 2) {
            const double width = (c.horizontal ? number.size() : 1) * c.numberSize / 100.0;
            EXPECT_LE(first.x + width, 1.0 + cell + 1e-9) << "inside the cell's width";
            EXPECT_LE(last.y, 1.0 + cell + 1e-9) << "inside the cell's height";
        }
        if (!c.answerKey)
            continue;
        ASSERT_EQ(texts.size(), 1u + 16u);
        const auto &letter = texts[1]; // the numbered cell's A
        const auto &plain = texts[2];  // B, in a cell without a number
        EXPECT_EQ(letter.size, c.letterSize);
        const double s = c.letterSize / 100.0;
        const double depth = c.numberSize / 60.0 - c.numberSize / 200.0; // the number's baseline
        const double bottom = 1.0 + cell;
        if (c.letterSize == 10) {
            EXPECT_NEAR(letter.y, bottom - (cell - 1.5 * s) / 2 - s / 2, 1e-9);
        } else {
            const double band = cell - depth;
            EXPECT_NEAR(letter.y, bottom - (band - s) / 2 - s / 2, 1e-9);
            EXPECT_GE(letter.y - s, 1.0 + depth - s / 2 - 1e-9);
        }
        EXPECT_EQ(plain.size, 10) << "cells without numbers are unchanged";
        EXPECT_NEAR(plain.y, bottom - (cell - 0.15) / 2 - 0.05, 1e-9);
    }
}
