#pragma once
// One puzzle: a fixed block of 69,623 bytes, the unit of every hand-over in the program and the
// record of a collection file. Every byte is kept, reserved ones included, so a record read and
// written back unchanged is identical to what was read.

#include "common/pstring.h"
#include "layout/page_layout.h"

#include <array>
#include <cstdint>
#include <span>

namespace qx {

constexpr int MaxWords = 200;
constexpr int GridSide = 50;
constexpr int GridCells = GridSide * GridSide;

// Cell (row r, column c), both 1..50, has the linear index (r - 1) * 50 + c, 1..2500.
constexpr int cellIndex(int row, int col)
{
    return (row - 1) * GridSide + col;
}

struct PuzzleRecord {
    static constexpr int Size = 69623;
    // Category and name lead the record, so a collection is listed by reading only these bytes.
    static constexpr int ListedPrefix = 63;

    PString<5> VersionTag;
    PString<20> Category;
    PString<35> PuzzleName;
    int16_t GridWidth = 15;
    int16_t GridHeight = 15;
    std::array<uint8_t, GridCells> Grid{}; // Grid[i - 1] is cell i
    int16_t WordCount = 0;
    int16_t AcrossCount = 0;
    int16_t DownCount = 0;
    std::array<PString<30>, MaxWords> Words{}; // entry k is Words[k - 1]
    std::array<PString<150>, MaxWords> Clues{};
    std::array<int16_t, MaxWords> WordPos{};
    std::array<int16_t, MaxWords> WordLen{};
    std::array<int16_t, MaxWords> WordNumber{};
    std::array<uint8_t, MaxWords> WordAcross{};
    std::array<uint8_t, MaxWords> WordPlaced{};
    uint8_t PuzzleBuilt = 0;
    PageLayout Layout; // the field PageLayout of the record
    PString<150> BonusQuestion;
    std::array<uint8_t, 30> Reserved{};

    // Stored counts and sizes are never trusted: these are what readers may use.
    int wordsInUse() const { return WordCount < 0 ? 0 : (WordCount > MaxWords ? MaxWords : WordCount); }
    int widthInUse() const { return GridWidth < 1 ? 1 : (GridWidth > GridSide ? GridSide : GridWidth); }
    int heightInUse() const { return GridHeight < 1 ? 1 : (GridHeight > GridSide ? GridSide : GridHeight); }
    uint8_t cell(int row, int col) const { return Grid[static_cast<size_t>(cellIndex(row, col) - 1)]; }

    static PuzzleRecord decode(std::span<const uint8_t, Size> bytes);
    void encode(std::span<uint8_t, Size> out) const;
    std::array<uint8_t, Size> bytes() const;

    // Reads only the category and the name from the first bytes of a stored record.
    static void decodeListed(std::span<const uint8_t> prefix, PString<20> &category, PString<35> &name);

    // Prepares the buffer for a new puzzle: empty texts, no words, a 15 x 15 grid, not built, the
    // given default layout. Everything else keeps what the buffer held.
    void resetForNewPuzzle(const PageLayout &defaultLayout);

    // Marks the record as saved from a built candidate whose placed flags are given.
    void stampSaved(const std::array<uint8_t, MaxWords> &candidatePlaced);

    // A copy to be saved as a new record: renamed by the copy rule, no word placed.
    void prepareCopy();

    friend bool operator==(const PuzzleRecord &, const PuzzleRecord &) = default;
};

// The previous version's record, 30,347 bytes; read for conversion only, never written.
struct OldPuzzleRecord {
    static constexpr int Size = 30347;

    PString<35> Name;
    int16_t GridSide = 0;
    int16_t Ignored1 = 0;
    std::array<uint8_t, GridCells> Grid{};
    int16_t WordCount = 0;
    int16_t AcrossCount = 0;
    int16_t DownCount = 0;
    std::array<PString<30>, MaxWords> Words{};
    std::array<PString<100>, MaxWords> Clues{};
    std::array<int16_t, MaxWords> WordPos{};
    std::array<int16_t, MaxWords> WordLen{};
    std::array<int16_t, MaxWords> WordNumber{};
    std::array<uint8_t, MaxWords> WordAcross{};
    uint8_t Ignored2 = 0;

    static OldPuzzleRecord decode(std::span<const uint8_t, Size> bytes);
    // Kept for tests and tools that write old files; the program itself never writes one.
    void encode(std::span<uint8_t, Size> out) const;
};

// Converts an old record into the buffer; the reserved bytes keep what the buffer held.
void convertOldRecord(const OldPuzzleRecord &old, const PageLayout &defaultLayout, PuzzleRecord &into);

} // namespace qx
