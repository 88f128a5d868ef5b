#include "shapes/shape_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qx;

namespace {

using Rows = std::vector<std::string>;

// "#" is a square in the shape, "." one outside it. Cells beyond the rows drawn hold `beyond`, so
// a test sees whether an operation strays out of the working rectangle.
ShapeRecord shapeFromRows(const Rows &rows, uint8_t beyond = 1)
{
    ShapeRecord s;
    s.ShapeCells.fill(beyond);
    s.ShapeHeight = static_cast<int16_t>(rows.size());
    s.ShapeWidth = static_cast<int16_t>(rows.front().size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            s.ShapeCells[ShapeRecord::cellIndex(int(r) + 1, int(c) + 1)] = rows[r][c] == '#' ? 1 : 0;
    return s;
}

Rows rows(const ShapeRecord &s)
{
    Rows out;
    for (int r = 1; r <= s.height(); ++r) {
        std::string line;
        for (int c = 1; c <= s.width(); ++c)
            line += s.inShape(r, c) ? '#' : '.';
        out.push_back(line);
    }
    return out;
}

// Every cell outside rows 1..h and columns 1..w still holds value.
bool beyondUntouched(const ShapeRecord &s, uint8_t value = 1)
{
    for (int r = 1; r <= ShapeRecord::Side; ++r)
        for (int c = 1; c <= ShapeRecord::Side; ++c)
            if ((r > s.height() || c > s.width()) && s.ShapeCells[ShapeRecord::cellIndex(r, c)] != value)
                return false;
    return true;
}

} // namespace

TEST(ShapeFill, StopsAtTheFirstRowWhereTheRuleFindsNothing)
{
    ShapeRecord s = shapeFromRows({".....", "####.", ".....", "#####", "....."});
    EXPECT_EQ(fillAt(s, 3, 1), 8);
    // (1, 1)..(1, 3) touch the flipped squares but stay: the row pass spreads one square leftwards.
    EXPECT_EQ(rows(s), (Rows{"...##", "#####", "#####", "#####", "....."}));
    EXPECT_TRUE(beyondUntouched(s));
}

TEST(ShapeFill, FillsTheInsideOfARectangularRingAndNothingOutside)
{
    ShapeRecord s = shapeFromRows({".......", ".#####.", ".#...#.", ".#...#.", ".#...#.", ".#####.", "......."});
    EXPECT_EQ(fillAt(s, 4, 4), 9);
    EXPECT_EQ(rows(s), (Rows{".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."}));

    // A right click on red turns the red region white the same way.
    fillAt(s, 4, 4);
    EXPECT_EQ(rows(s), (Rows{".......", ".......", ".......", ".......", ".......", ".......", "......."}));
    EXPECT_TRUE(beyondUntouched(s));
}

TEST(ShapeFill, NeitherSweepTurnsBack)
{
    // From the top of the left channel the fill runs down and along the bottom; the middle channel
    // is reached only by going up again, so it stays.
    ShapeRecord down = shapeFromRows({".#.##", ".#.##", ".#.##", ".#.##", "...##"});
    fillAt(down, 1, 1);
    EXPECT_EQ(rows(down), (Rows{"##.##", "##.##", "##.##", "##.##", "#####"}));

    // From the bottom the fill runs up and along the top, but never down the middle channel.
    ShapeRecord up = shapeFromRows({"...##", ".#.##", ".#.##", ".#.##", ".#.##"});
    fillAt(up, 5, 1);
    EXPECT_EQ(rows(up), (Rows{"#####", "##.##", "##.##", "##.##", "##.##"}));
}

TEST(ShapeShift, MovesThePatternOneSquareAndLosesWhatFallsOff)
{
    const Rows start{"#....", ".#...", "..#..", "...#.", "....#"};
    struct Case {
        ShiftDirection direction;
        Rows expected;
    };
    const Case cases[] = {
        {ShiftDirection::Left, {".....", "#....", ".#...", "..#..", "...#."}},
        {ShiftDirection::Right, {".#...", "..#..", "...#.", "....#", "....."}},
        {ShiftDirection::Up, {".#...", "..#..", "...#.", "....#", "....."}},
        {ShiftDirection::Down, {".....", "#....", ".#...", "..#..", "...#."}},
    };
    for (const Case &c : cases) {
        ShapeRecord s = shapeFromRows(start);
        shiftCells(s, c.direction);
        EXPECT_EQ(rows(s), c.expected) << int(c.direction);
        EXPECT_TRUE(beyondUntouched(s)) << int(c.direction);
    }

    // The row or column left behind is cleared even when it was full.
    ShapeRecord full = shapeFromRows({"#####", "#####", "#####", "#####", "#####"});
    shiftCells(full, ShiftDirection::Right);
    shiftCells(full, ShiftDirection::Up);
    EXPECT_EQ(rows(full), (Rows{".####", ".####", ".####", ".####", "....."}));
}

TEST(ShapeReverse, FlipsEveryCellOfTheArrayNotOnlyTheVisibleOnes)
{
    ShapeRecord s = shapeFromRows({"#....", "#....", "#....", "#....", "#####"});
    reverseCells(s);
    EXPECT_EQ(rows(s), (Rows{".####", ".####", ".####", ".####", "....."}));
    EXPECT_TRUE(beyondUntouched(s, 0));
}

TEST(ShapeSizeBox, ReadsTheLeadingWholeNumber)
{
    EXPECT_EQ(leadingWholeNumber(u"30"), 30);
    EXPECT_EQ(leadingWholeNumber(u" 7 "), 7);
    EXPECT_EQ(leadingWholeNumber(u"12a"), 12);
    EXPECT_EQ(leadingWholeNumber(u"1 2"), 1);
    EXPECT_EQ(leadingWholeNumber(u"a"), 0);
    EXPECT_EQ(leadingWholeNumber(u""), 0);
    // Neither signs nor hexadecimal count: only digits are read.
    EXPECT_EQ(leadingWholeNumber(u"-5"), 0);
    EXPECT_EQ(leadingWholeNumber(u"$F"), 0);
    EXPECT_FALSE(validExtent(4));
    EXPECT_TRUE(validExtent(5));
    EXPECT_TRUE(validExtent(49));
    EXPECT_FALSE(validExtent(50));
}

TEST(ShapeCells, SquareSizesAndThePointToCellRule)
{
    EXPECT_EQ(editorCellSize({401, 401}, 30, 30), 12);
    EXPECT_EQ(editorCellSize({401, 401}, 5, 5), 79);
    EXPECT_EQ(editorCellSize({401, 401}, 49, 49), 7);
    EXPECT_EQ(previewCellSize({240, 240}, 30, 30), 8);
    EXPECT_EQ(previewCellSize({148, 148}, 15, 15), 9);

    EXPECT_EQ(cellAt(0, 0, 12), (CellPos{1, 1}));
    EXPECT_EQ(cellAt(11, 12, 12), (CellPos{2, 1}));
    EXPECT_EQ(cellAt(-1, 5, 12), (CellPos{0, 0}));
    const ShapeRecord s = shapeFromRows({".....", ".....", ".....", ".....", "....."});
    EXPECT_TRUE(insideShape(s, {5, 5}));
    EXPECT_FALSE(insideShape(s, {5, 6}));
    EXPECT_FALSE(insideShape(s, {6, 1}));
}

TEST(ShapeDrawing, WhiteSquaresBetweenOnePixelLinesAndFilledCellsInside)
{
    ShapeRecord s = newShape();
    s.ShapeCells[ShapeRecord::cellIndex(1, 2)] = 0;
    QImage image(401, 401, QImage::Format_RGB32);
    const QColor face(192, 192, 192);
    drawShape(image, s, 12, Qt::red, face);

    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(12, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(13, 5), QColor(Qt::white));  // cell (1, 2) is outside the shape
    EXPECT_EQ(image.pixelColor(360, 5), QColor(Qt::black)); // the last line, x = 30 * 12
    EXPECT_EQ(image.pixelColor(361, 5), face);
    EXPECT_EQ(image.pixelColor(5, 360), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(360, 360), face); // lines stop short of their end point

    toggleCell(s, 1, 2);
    paintCell(image, s, 12, {1, 2}, Qt::red);
    EXPECT_EQ(image.pixelColor(13, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(12, 5), QColor(Qt::black));
}
