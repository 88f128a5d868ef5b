#include "store/puzzle_record.h"

#include "common/text.h"

#include <algorithm>

namespace qx {

namespace {

// Offsets of the record's fields.
constexpr size_t OffVersionTag = 0;
constexpr size_t OffCategory = 6;
constexpr size_t OffPuzzleName = 27;
constexpr size_t OffGridWidth = 63;
constexpr size_t OffGridHeight = 65;
constexpr size_t OffGrid = 67;
constexpr size_t OffWordCount = 2567;
constexpr size_t OffAcrossCount = 2569;
constexpr size_t OffDownCount = 2571;
constexpr size_t OffWords = 2573;
constexpr size_t OffClues = 8773;
constexpr size_t OffWordPos = 38973;
constexpr size_t OffWordLen = 39373;
constexpr size_t OffWordNumber = 39773;
constexpr size_t OffWordAcross = 40173;
constexpr size_t OffWordPlaced = 40373;
constexpr size_t OffPuzzleBuilt = 40573;
constexpr size_t OffPageLayout = 40574;
constexpr size_t OffBonusQuestion = 69442;
constexpr size_t OffReserved = 69593;

static_assert(OffReserved + 30 == PuzzleRecord::Size);
static_assert(OffPageLayout + PageLayout::Size == OffBonusQuestion);

template <int N, size_t Count>
void readStrings(std::span<const uint8_t> b, size_t off, std::array<PString<N>, Count> &out)
{
    for (size_t k = 0; k < Count; ++k)
        out[k].read(b, off + k * PString<N>::Size);
}

template <int N, size_t Count>
void writeStrings(std::span<uint8_t> b, size_t off, const std::array<PString<N>, Count> &in)
{
    for (size_t k = 0; k < Count; ++k)
        in[k].write(b, off + k * PString<N>::Size);
}

template <size_t Count>
void readI16s(std::span<const uint8_t> b, size_t off, std::array<int16_t, Count> &out)
{
    for (size_t k = 0; k < Count; ++k)
        out[k] = getI16(b, off + 2 * k);
}

template <size_t Count>
void writeI16s(std::span<uint8_t> b, size_t off, const std::array<int16_t, Count> &in)
{
    for (size_t k = 0; k < Count; ++k)
        putI16(b, off + 2 * k, in[k]);
}

} // namespace

PuzzleRecord PuzzleRecord::decode(std::span<const uint8_t, Size> b)
{
    PuzzleRecord r;
    r.VersionTag.read(b, OffVersionTag);
    r.Category.read(b, OffCategory);
    r.PuzzleName.read(b, OffPuzzleName);
    r.GridWidth = getI16(b, OffGridWidth);
    r.GridHeight = getI16(b, OffGridHeight);
    getBytes(b, OffGrid, r.Grid);
    r.WordCount = getI16(b, OffWordCount);
    r.AcrossCount = getI16(b, OffAcrossCount);
    r.DownCount = getI16(b, OffDownCount);
    readStrings(b, OffWords, r.Words);
    readStrings(b, OffClues, r.Clues);
    readI16s(b, OffWordPos, r.WordPos);
    readI16s(b, OffWordLen, r.WordLen);
    readI16s(b, OffWordNumber, r.WordNumber);
    getBytes(b, OffWordAcross, r.WordAcross);
    getBytes(b, OffWordPlaced, r.WordPlaced);
    r.PuzzleBuilt = b[OffPuzzleBuilt];
    r.Layout = PageLayout::decode(b.subspan<OffPageLayout, PageLayout::Size>());
    r.BonusQuestion.read(b, OffBonusQuestion);
    getBytes(b, OffReserved, r.Reserved);
    return r;
}

void PuzzleRecord::encode(std::span<uint8_t, Size> b) const
{
    VersionTag.write(b, OffVersionTag);
    Category.write(b, OffCategory);
    PuzzleName.write(b, OffPuzzleName);
    putI16(b, OffGridWidth, GridWidth);
    putI16(b, OffGridHeight, GridHeight);
    putBytes(b, OffGrid, Grid);
    putI16(b, OffWordCount, WordCount);
    putI16(b, OffAcrossCount, AcrossCount);
    putI16(b, OffDownCount, DownCount);
    writeStrings(b, OffWords, Words);
    writeStrings(b, OffClues, Clues);
    writeI16s(b, OffWordPos, WordPos);
    writeI16s(b, OffWordLen, WordLen);
    writeI16s(b, OffWordNumber, WordNumber);
    putBytes(b, OffWordAcross, WordAcross);
    putBytes(b, OffWordPlaced, WordPlaced);
    b[OffPuzzleBuilt] = PuzzleBuilt;
    Layout.encode(b.subspan<OffPageLayout, PageLayout::Size>());
    BonusQuestion.write(b, OffBonusQuestion);
    putBytes(b, OffReserved, Reserved);
}

std::array<uint8_t, PuzzleRecord::Size> PuzzleRecord::bytes() const
{
    std::array<uint8_t, Size> out{};
    encode(out);
    return out;
}

void PuzzleRecord::decodeListed(std::span<const uint8_t> prefix, PString<20> &category, PString<35> &name)
{
    category.read(prefix, OffCategory);
    name.read(prefix, OffPuzzleName);
}

void PuzzleRecord::resetForNewPuzzle(const PageLayout &defaultLayout)
{
    Category.clear();
    PuzzleName.clear();
    BonusQuestion.clear();
    for (auto &w : Words)
        w.clear();
    for (auto &c : Clues)
        c.clear();
    WordPlaced.fill(0);
    WordCount = 0;
    GridWidth = 15;
    GridHeight = 15;
    PuzzleBuilt = 0;
    Layout = defaultLayout;
}

void PuzzleRecord::stampSaved(const std::array<uint8_t, MaxWords> &candidatePlaced)
{
    VersionTag.set("3.1");
    PuzzleBuilt = 1;
    WordPlaced.fill(0);
    std::copy_n(candidatePlaced.begin(), wordsInUse(), WordPlaced.begin());
}

void PuzzleRecord::prepareCopy()
{
    PuzzleName.set(copyName(PuzzleName.str(), PString<35>::Capacity));
    WordPlaced.fill(0);
}

namespace {

constexpr size_t OldName = 0;
constexpr size_t OldSide = 36;
constexpr size_t OldIgnored1 = 38;
constexpr size_t OldGrid = 40;
constexpr size_t OldWordCount = 2540;
constexpr size_t OldAcrossCount = 2542;
constexpr size_t OldDownCount = 2544;
constexpr size_t OldWords = 2546;
constexpr size_t OldClues = 8746;
constexpr size_t OldWordPos = 28946;
constexpr size_t OldWordLen = 29346;
constexpr size_t OldWordNumber = 29746;
constexpr size_t OldWordAcross = 30146;
constexpr size_t OldIgnored2 = 30346;
static_assert(OldIgnored2 + 1 == OldPuzzleRecord::Size);

} // namespace

OldPuzzleRecord OldPuzzleRecord::decode(std::span<const uint8_t, Size> b)
{
    OldPuzzleRecord r;
    r.Name.read(b, OldName);
    r.GridSide = getI16(b, OldSide);
    r.Ignored1 = getI16(b, OldIgnored1);
    getBytes(b, OldGrid, r.Grid);
    r.WordCount = getI16(b, OldWordCount);
    r.AcrossCount = getI16(b, OldAcrossCount);
    r.DownCount = getI16(b, OldDownCount);
    readStrings(b, OldWords, r.Words);
    readStrings(b, OldClues, r.Clues);
    readI16s(b, OldWordPos, r.WordPos);
    readI16s(b, OldWordLen, r.WordLen);
    readI16s(b, OldWordNumber, r.WordNumber);
    getBytes(b, OldWordAcross, r.WordAcross);
    r.Ignored2 = b[OldIgnored2];
    return r;
}

void OldPuzzleRecord::encode(std::span<uint8_t, Size> b) const
{
    Name.write(b, OldName);
    putI16(b, OldSide, GridSide);
    putI16(b, OldIgnored1, Ignored1);
    putBytes(b, OldGrid, Grid);
    putI16(b, OldWordCount, WordCount);
    putI16(b, OldAcrossCount, AcrossCount);
    putI16(b, OldDownCount, DownCount);
    writeStrings(b, OldWords, Words);
    writeStrings(b, OldClues, Clues);
    writeI16s(b, OldWordPos, WordPos);
    writeI16s(b, OldWordLen, WordLen);
    writeI16s(b, OldWordNumber, WordNumber);
    putBytes(b, OldWordAcross, WordAcross);
    b[OldIgnored2] = Ignored2;
}

void convertOldRecord(const OldPuzzleRecord &old, const PageLayout &defaultLayout, PuzzleRecord &into)
{
    into.Layout = defaultLayout;
    into.VersionTag.set("3.1");
    into.PuzzleName.set(old.Name.str());
    into.BonusQuestion.clear();
    into.Category.set("Version 2.0 Puzzles");
    into.GridWidth = old.GridSide;
    into.GridHeight = old.GridSide;
    into.WordCount = old.WordCount;
    into.AcrossCount = old.AcrossCount;
    into.DownCount = old.DownCount;
    into.Grid = old.Grid;
    for (int k = 0; k < MaxWords; ++k) {
        into.Words[k].set(old.Words[k].str());
        into.Clues[k].set(old.Clues[k].str());
        into.WordPos[k] = old.WordPos[k];
        into.WordLen[k] = old.WordLen[k];
        into.WordNumber[k] = old.WordNumber[k];
        into.WordAcross[k] = old.WordAcross[k];
    }
    // Entries past the count are emptied, so a damaged count cannot leave stray words behind.
    for (int k = 0; k < MaxWords; ++k) {
        const bool inUse = k < old.WordCount;
        into.WordPlaced[k] = inUse ? 1 : 0;
        if (!inUse) {
            into.Words[k].clear();
            into.Clues[k].clear();
        }
    }
    into.PuzzleBuilt = 1;
}

} // namespace qx
