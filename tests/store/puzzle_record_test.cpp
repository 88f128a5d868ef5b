#include "store/puzzle_record.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace qx;
using qx::test::patternBytes;

namespace {

using Bytes = std::vector<uint8_t>;

// Writes a length-prefixed text at an offset, as docs/FILE_FORMATS.md describes.
void putText(Bytes &b, size_t off, const std::string &s)
{
    b[off] = static_cast<uint8_t>(s.size());
    std::memcpy(b.data() + off + 1, s.data(), s.size());
}

void putWord(Bytes &b, size_t off, int v)
{
    b[off] = static_cast<uint8_t>(v & 0xFF);
    b[off + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

PuzzleRecord decodeBytes(const Bytes &b)
{
    return PuzzleRecord::decode(std::span<const uint8_t, PuzzleRecord::Size>(b.data(), PuzzleRecord::Size));
}

Bytes encodeBytes(const PuzzleRecord &r)
{
    const auto a = r.bytes();
    return Bytes(a.begin(), a.end());
}

} // namespace

TEST(PuzzleRecordLayout, FieldsSitAtTheirDocumentedOffsets)
{
    Bytes b(69623, 0);
    putText(b, 0, "3.1");
    putText(b, 6, "Animals");
    putText(b, 27, "Farm Friends");
    putWord(b, 63, 17);
    putWord(b, 65, 13);
    b[66 + cellIndex(2, 3)] = 'Q'; // cell (2, 3) at offset 66 + i
    b[66 + 2500] = 'Z';            // the last cell
    putWord(b, 2567, 3);
    putWord(b, 2569, 2);
    putWord(b, 2571, 1);
    putText(b, 2573 + 2 * 31, "THIRD");   // word 3
    putText(b, 8773 + 199 * 151, "last"); // clue 200
    putWord(b, 38973 + 2 * 2, 2499);      // WordPos of word 3
    putWord(b, 39373, 7);                 // WordLen of word 1
    putWord(b, 39773 + 2, 12);            // WordNumber of word 2
    b[40173 + 199] = 1;                   // WordAcross of word 200
    b[40373 + 4] = 1;                     // WordPlaced of word 5
    b[40573] = 1;
    putText(b, 40574, "Daily Page"); // PageLayout: LayoutName first
    putText(b, 69442, "Which animal?");
    b[69593] = 0xAB;
    b[69622] = 0xCD;

    const auto r = decodeBytes(b);
    EXPECT_EQ(r.VersionTag.str(), "3.1");
    EXPECT_EQ(r.Category.str(), "Animals");
    EXPECT_EQ(r.PuzzleName.str(), "Farm Friends");
    EXPECT_EQ(r.GridWidth, 17);
    EXPECT_EQ(r.GridHeight, 13);
    EXPECT_EQ(r.cell(2, 3), 'Q');
    EXPECT_EQ(r.cell(50, 50), 'Z');
    EXPECT_EQ(r.WordCount, 3);
    EXPECT_EQ(r.AcrossCount, 2);
    EXPECT_EQ(r.DownCount, 1);
    EXPECT_EQ(r.Words[2].str(), "THIRD");
    EXPECT_EQ(r.Clues[199].str(), "last");
    EXPECT_EQ(r.WordPos[2], 2499);
    EXPECT_EQ(r.WordLen[0], 7);
    EXPECT_EQ(r.WordNumber[1], 12);
    EXPECT_EQ(r.WordAcross[199], 1);
    EXPECT_EQ(r.WordPlaced[4], 1);
    EXPECT_EQ(r.PuzzleBuilt, 1);
    EXPECT_EQ(r.Layout.LayoutName.str(), "Daily Page");
    EXPECT_EQ(r.BonusQuestion.str(), "Which animal?");
    EXPECT_EQ(r.Reserved[0], 0xAB);
    EXPECT_EQ(r.Reserved[29], 0xCD);
    EXPECT_EQ(encodeBytes(r), b);
}

TEST(PuzzleRecordLayout, AnyBytesWriteBackIdentically)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const Bytes b = patternBytes(PuzzleRecord::Size, seed);
        EXPECT_EQ(encodeBytes(decodeBytes(b)), b) << "seed " << seed;
    }
}

TEST(PuzzleRecordLayout, DamagedCountsAndLengthsAreClampedForReaders)
{
    Bytes b(PuzzleRecord::Size, 0);
    putWord(b, 2567, 900);
    putWord(b, 63, -4);
    putWord(b, 65, 300);
    b[6] = 200; // a category length above its capacity of 20
    const auto r = decodeBytes(b);
    EXPECT_EQ(r.wordsInUse(), 200);
    EXPECT_EQ(r.widthInUse(), 1);
    EXPECT_EQ(r.heightInUse(), 50);
    EXPECT_EQ(r.Category.length(), 20);
    EXPECT_EQ(encodeBytes(r), b);
}

TEST(PuzzleRecordLifecycle, ResetForNewPuzzleClearsTheListAndKeepsTheRest)
{
    PuzzleRecord r = decodeBytes(patternBytes(PuzzleRecord::Size, 7));
    const auto gridBefore = r.Grid;
    const auto reservedBefore = r.Reserved;
    PageLayout layout;
    layout.LayoutName.set("Fresh");
    r.resetForNewPuzzle(layout);
    EXPECT_TRUE(r.Category.empty());
    EXPECT_TRUE(r.PuzzleName.empty());
    EXPECT_TRUE(r.BonusQuestion.empty());
    EXPECT_EQ(r.WordCount, 0);
    EXPECT_EQ(r.GridWidth, 15);
    EXPECT_EQ(r.GridHeight, 15);
    EXPECT_EQ(r.PuzzleBuilt, 0);
    for (int k = 0; k < MaxWords; ++k) {
        EXPECT_TRUE(r.Words[k].empty());
        EXPECT_TRUE(r.Clues[k].empty());
        EXPECT_EQ(r.WordPlaced[k], 0);
    }
    EXPECT_EQ(r.Layout.LayoutName.str(), "Fresh");
    EXPECT_EQ(r.Grid, gridBefore);
    EXPECT_EQ(r.Reserved, reservedBefore);
}

TEST(PuzzleRecordLifecycle, StampCopiesThePlacedFlagsOfTheWordsInUse)
{
    PuzzleRecord r;
    r.WordCount = 3;
    r.WordPlaced.fill(1);
    std::array<uint8_t, MaxWords> placed{};
    placed.fill(1);
    placed[1] = 0;
    r.stampSaved(placed);
    EXPECT_EQ(r.VersionTag.str(), "3.1");
    EXPECT_EQ(r.PuzzleBuilt, 1);
    EXPECT_EQ(r.WordPlaced[0], 1);
    EXPECT_EQ(r.WordPlaced[1], 0);
    EXPECT_EQ(r.WordPlaced[2], 1);
    EXPECT_EQ(r.WordPlaced[3], 0);
}

TEST(PuzzleRecordLifecycle, CopyIsRenamedAndUnplaced)
{
    PuzzleRecord r;
    r.PuzzleName.set(std::string(35, 'N'));
    r.WordPlaced.fill(1);
    r.prepareCopy();
    EXPECT_EQ(r.PuzzleName.str(), std::string(35, 'N')); // " (2)" cut back off at 35 characters
    EXPECT_EQ(r.WordPlaced, (std::array<uint8_t, MaxWords>{}));
    r.PuzzleName.set("Birds (12)");
    r.prepareCopy();
    EXPECT_EQ(r.PuzzleName.str(), "Birds (13)");
}

TEST(OldPuzzleConversion, CopiesTheOldListAndEmptiesTheRest)
{
    Bytes b = patternBytes(OldPuzzleRecord::Size, 3);
    putText(b, 0, "Old Times");
    putWord(b, 36, 21);
    putWord(b, 2540, 3);
    putWord(b, 2542, 2);
    putWord(b, 2544, 1);
    putText(b, 2546, "FIRST");
    putText(b, 2546 + 3 * 31, "FOURTH"); // past the count: must not survive
    putText(b, 8746 + 2 * 101, std::string(100, 'c'));
    putWord(b, 28946, 1234);
    b[30146 + 1] = 1;
    const auto old = OldPuzzleRecord::decode(std::span<const uint8_t, OldPuzzleRecord::Size>(b.data(), b.size()));

    PuzzleRecord r = decodeBytes(patternBytes(PuzzleRecord::Size, 9));
    const auto reservedBefore = r.Reserved;
    PageLayout layout;
    layout.LayoutName.set("Default");
    convertOldRecord(old, layout, r);

    EXPECT_EQ(r.VersionTag.str(), "3.1");
    EXPECT_EQ(r.PuzzleName.str(), "Old Times");
    EXPECT_EQ(r.Category.str(), "Version 2.0 Puzzles");
    EXPECT_TRUE(r.BonusQuestion.empty());
    EXPECT_EQ(r.GridWidth, 21);
    EXPECT_EQ(r.GridHeight, 21);
    EXPECT_EQ(r.WordCount, 3);
    EXPECT_EQ(r.AcrossCount, 2);
    EXPECT_EQ(r.DownCount, 1);
    EXPECT_EQ(r.Grid, old.Grid);
    EXPECT_EQ(r.Words[0].str(), "FIRST");
    EXPECT_EQ(r.Clues[2].str(), std::string(100, 'c'));
    EXPECT_EQ(r.WordPos[0], 1234);
    EXPECT_EQ(r.WordAcross[1], 1);
    EXPECT_EQ(r.WordPlaced[0] + r.WordPlaced[1] + r.WordPlaced[2], 3);
    for (int k = 3; k < MaxWords; ++k) {
        EXPECT_EQ(r.WordPlaced[k], 0);
        EXPECT_TRUE(r.Words[k].empty()) << k;
        EXPECT_TRUE(r.Clues[k].empty()) << k;
    }
    EXPECT_EQ(r.PuzzleBuilt, 1);
    EXPECT_EQ(r.Layout.LayoutName.str(), "Default");
    EXPECT_EQ(r.Reserved, reservedBefore);
}
