#include "common/list_entry.h"
#include "shapes/shape_record.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

ShapeRecord decodeBytes(const std::vector<uint8_t> &bytes)
{
    return ShapeRecord::decode(std::span<const uint8_t, ShapeRecord::Size>(bytes.data(), ShapeRecord::Size));
}

std::vector<uint8_t> encodeBytes(const ShapeRecord &s)
{
    const auto a = s.encoded();
    return {a.begin(), a.end()};
}

} // namespace

// Written by hand from the table in docs/FILE_FORMATS.md, so that decode and encode cannot share a wrong offset.
TEST(ShapeRecordBytes, FieldsLieAtTheirTableOffsets)
{
    std::vector<uint8_t> bytes(2555, 0);
    bytes[0] = 5;
    std::copy_n("Heart", 5, bytes.begin() + 1);
    bytes[51] = 0x2C, bytes[52] = 0x01; // width 300
    bytes[53] = 0xFE, bytes[54] = 0xFF; // height -2
    bytes[55 + 1 * 50 + 2] = 1;         // row 2, column 3
    bytes[2554] = 0x80;                 // row 50, column 50; any non-zero byte is in the shape

    const auto s = decodeBytes(bytes);
    EXPECT_EQ(s.ShapeName.str(), "Heart");
    EXPECT_EQ(s.ShapeWidth, 300);
    EXPECT_EQ(s.ShapeHeight, -2);
    EXPECT_TRUE(s.inShape(2, 3));
    EXPECT_FALSE(s.inShape(3, 2));
    EXPECT_TRUE(s.inShape(50, 50));

    ShapeRecord built;
    built.ShapeName.set("Heart");
    built.ShapeWidth = 300;
    built.ShapeHeight = -2;
    built.ShapeCells[ShapeRecord::cellIndex(2, 3)] = 1;
    built.ShapeCells[ShapeRecord::cellIndex(50, 50)] = 0x80;
    EXPECT_EQ(encodeBytes(built), bytes);
}

TEST(ShapeRecordBytes, AnyBytesWriteBackIdentically)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        auto bytes = patternBytes(2555, seed);
        if (seed % 2)
            bytes[0] = 200; // a length byte beyond the capacity
        EXPECT_EQ(encodeBytes(decodeBytes(bytes)), bytes) << "seed " << seed;
    }
}

TEST(ShapeRecordSize, DamagedSizesAreCutIntoTheUsableRange)
{
    ShapeRecord s;
    for (const auto &[stored, used] : {std::pair<int16_t, int>{15, 15}, {49, 49}, {50, 49}, {3, 3}, {0, 1}, {-7, 1}}) {
        s.ShapeWidth = s.ShapeHeight = stored;
        EXPECT_EQ(s.width(), used) << stored;
        EXPECT_EQ(s.height(), used) << stored;
    }
}

TEST(newShape, IsThirtyByThirtyAllInAndListedAsSuch)
{
    const auto bytes = encodeBytes(newShape());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 11), "\x0aNew Layout");
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 51, bytes.begin() + 55), (std::vector<uint8_t>{30, 0, 30, 0}));
    EXPECT_TRUE(std::all_of(bytes.begin() + 55, bytes.end(), [](uint8_t b) { return b == 1; }));
    EXPECT_EQ(shapeEntryText(newShape()), "30x30 New Layout");
}

TEST(ShapeEntryOrder, ComparesByteByByteSoWidthDigitsComeFirst)
{
    EXPECT_TRUE(entryTextLess("15x15 Zebra", "5x5 Apple"));
    EXPECT_FALSE(entryTextLess("5x5 Apple", "15x15 Zebra"));
    EXPECT_TRUE(entryTextLess("5x5 A", "5x5 AB"));
    // Windows-1252 letters above 0x7F sort after ASCII, not before as signed chars would.
    EXPECT_TRUE(entryTextLess("5x5 z", "5x5 \xE9t\xE9"));

    std::vector<ListEntry> entries{{0, "5x5 Heart"}, {1, "15x15 Star"}, {2, "5x5 Heart"}, {3, "30x30 Big"}};
    sortByText(entries);
    EXPECT_EQ(entries,
              (std::vector<ListEntry>{{1, "15x15 Star"}, {3, "30x30 Big"}, {0, "5x5 Heart"}, {2, "5x5 Heart"}}));
}

TEST(CurrentPuzzleShape, FollowsTheGridIncludingHolesAndCellsBeyondItsSize)
{
    std::array<uint8_t, 2500> grid{};
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            grid[ShapeRecord::cellIndex(r, c)] = (r + c) % 3 ? 'A' : ' '; // letters and empty squares
    grid[ShapeRecord::cellIndex(8, 8)] = 0;                               // holes
    grid[ShapeRecord::cellIndex(1, 15)] = 0;
    grid[ShapeRecord::cellIndex(20, 30)] = 'Q'; // beyond the grid size: followed all the same

    const auto s = currentPuzzleShape(15, 15, grid);
    EXPECT_EQ(shapeEntryText(s), "15x15 <Current Puzzle>");
    for (int i = 0; i < 2500; ++i)
        ASSERT_EQ(s.ShapeCells[i], grid[i] != 0 ? 1 : 0) << "cell " << i;
    EXPECT_FALSE(s.inShape(8, 8));
    EXPECT_TRUE(s.inShape(20, 30));
}
