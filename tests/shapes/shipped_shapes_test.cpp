// The shape library a new installation is seeded with: every shape must be one the editor could
// have saved and one the builder can fill.

#include "shipped_data.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <deque>
#include <set>

using namespace qx;
using namespace qx::test;

namespace {

std::string describe(int n, const ShapeRecord &shape)
{
    return "record " + std::to_string(n) + ", " + shapeEntryText(shape);
}

bool isFullRectangle(const ShapeRecord &shape)
{
    for (int row = 1; row <= shape.height(); ++row)
        for (int col = 1; col <= shape.width(); ++col)
            if (!shape.inShape(row, col))
                return false;
    return true;
}

int squareCount(const ShapeRecord &shape)
{
    int count = 0;
    for (const auto cell : shape.ShapeCells)
        count += cell != 0 ? 1 : 0;
    return count;
}

// Squares reachable from the first square through squares that share a side.
int reachableSquares(const ShapeRecord &shape)
{
    std::array<bool, ShapeRecord::CellCount> seen{};
    std::deque<std::pair<int, int>> queue;
    for (int i = 0; i < ShapeRecord::CellCount && queue.empty(); ++i)
        if (shape.ShapeCells[i] != 0)
            queue.emplace_back(i / ShapeRecord::Side + 1, i % ShapeRecord::Side + 1);
    if (queue.empty())
        return 0;
    seen[ShapeRecord::cellIndex(queue.front().first, queue.front().second)] = true;
    int reached = 0;
    while (!queue.empty()) {
        const auto [row, col] = queue.front();
        queue.pop_front();
        ++reached;
        for (const auto &[dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int r = row + dr, c = col + dc;
            if (r < 1 || r > ShapeRecord::Side || c < 1 || c > ShapeRecord::Side)
                continue;
            const int i = ShapeRecord::cellIndex(r, c);
            if (shape.ShapeCells[i] != 0 && !seen[i]) {
                seen[i] = true;
                queue.emplace_back(r, c);
            }
        }
    }
    return reached;
}

struct ShippedShapesTest : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo::exists(shippedShapeLibraryPath())) << "the build did not make the shape library";
        shapes = shippedShapes();
        ASSERT_FALSE(shapes.empty());
    }

    std::vector<ShapeRecord> shapes;
};

} // namespace

TEST_F(ShippedShapesTest, LibraryHoldsOneWholeRecordForEveryPicture)
{
    const auto size = fileSize(shippedShapeLibraryPath());
    EXPECT_EQ(size % ShapeRecord::Size, 0);
    // A picture added without the build noticing it would be missing from the library.
    EXPECT_EQ(static_cast<qsizetype>(shapes.size()), shippedSources(QStringLiteral("shapes")).size());
    EXPECT_GE(shapes.size(), 24u);
}

TEST_F(ShippedShapesTest, FirstTwoRecordsAreFullSquaresRecordOneTheEverydayFifteen)
{
    // A new installation preselects record 1 for a new puzzle.
    ASSERT_GE(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].ShapeWidth, 15);
    EXPECT_EQ(shapes[1].ShapeHeight, 15);
    EXPECT_TRUE(isFullRectangle(shapes[1]));
    EXPECT_EQ(shapes[0].ShapeWidth, shapes[0].ShapeHeight);
    EXPECT_TRUE(isFullRectangle(shapes[0]));
}

TEST_F(ShippedShapesTest, EveryShapeIsOneTheEditorCouldHaveSaved)
{
    for (size_t n = 0; n < shapes.size(); ++n) {
        const auto &shape = shapes[n];
        SCOPED_TRACE(describe(static_cast<int>(n), shape));
        const auto name = shape.ShapeName.str();
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(shape.ShapeName.raw[0], name.size()); // no length byte beyond the capacity
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; }));
        EXPECT_GE(shape.ShapeWidth, ShapeRecord::MinExtent);
        EXPECT_LE(shape.ShapeWidth, ShapeRecord::MaxExtent);
        EXPECT_GE(shape.ShapeHeight, ShapeRecord::MinExtent);
        EXPECT_LE(shape.ShapeHeight, ShapeRecord::MaxExtent);

        for (int row = 1; row <= ShapeRecord::Side; ++row) {
            for (int col = 1; col <= ShapeRecord::Side; ++col) {
                const auto cell = shape.ShapeCells[ShapeRecord::cellIndex(row, col)];
                EXPECT_LE(cell, 1) << "row " << row << ", column " << col;
                // Cells outside the rectangle would come back into view when the user widens the
                // shape in the editor; row and column 50 are never part of a shape.
                if (row > shape.ShapeHeight || col > shape.ShapeWidth) {
                    EXPECT_EQ(cell, 0) << "row " << row << ", column " << col;
                }
            }
        }
        for (int i = 1; i <= ShapeRecord::Side; ++i) {
            EXPECT_FALSE(shape.inShape(ShapeRecord::Side, i));
            EXPECT_FALSE(shape.inShape(i, ShapeRecord::Side));
        }
        // The picture's size is the shape's size: no empty border row or column.
        const auto squaresOnLine = [&](bool acrossRow, int line) {
            int count = 0;
            const int length = acrossRow ? shape.width() : shape.height();
            for (int k = 1; k <= length; ++k)
                count += acrossRow ? shape.inShape(line, k) : shape.inShape(k, line);
            return count;
        };
        EXPECT_GT(squaresOnLine(true, 1), 0);
        EXPECT_GT(squaresOnLine(true, shape.height()), 0);
        EXPECT_GT(squaresOnLine(false, 1), 0);
        EXPECT_GT(squaresOnLine(false, shape.width()), 0);
    }
}

TEST_F(ShippedShapesTest, EveryShapeHoldsWordsOfSevenLettersAcrossAndDown)
{
    for (size_t n = 0; n < shapes.size(); ++n) {
        SCOPED_TRACE(describe(static_cast<int>(n), shapes[n]));
        const auto runs = longestRuns(shapes[n]);
        EXPECT_GE(runs.across, 7);
        EXPECT_GE(runs.down, 7);
    }
}

TEST_F(ShippedShapesTest, EverySquareOfAShapeIsReachableFromEveryOther)
{
    // Words cross only where they share a square: an island would stay empty in every build.
    for (size_t n = 0; n < shapes.size(); ++n) {
        SCOPED_TRACE(describe(static_cast<int>(n), shapes[n]));
        EXPECT_EQ(reachableSquares(shapes[n]), squareCount(shapes[n]));
    }
}

TEST_F(ShippedShapesTest, NoTwoShapesLookAlikeInTheList)
{
    // The list shows size and name only; two equal entries could not be told apart.
    std::set<std::string> seen;
    const auto list = ShapeLibrary(shippedShapeLibraryPath()).list();
    for (const auto &entry : list.value().entries)
        EXPECT_TRUE(seen.insert(entry.text).second) << entry.text;
}
