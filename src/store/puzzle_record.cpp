#include "store/puzzle_record.h"

#include "common/field_coder.h"
#include "common/text.h"

#include <algorithm>

namespace qx {

namespace {

// The record's fields at their offsets (docs/FILE_FORMATS.md), for both directions.
// Every record's list has this form, but the offsets are this record's own: none can stand for another.
template <typename Record, typename Coder>
void puzzleFields(Record &r, const Coder &c)
{
    c(0, r.VersionTag);
    c(6, r.Category);
    c(27, r.PuzzleName);
    c(63, r.GridWidth);
    c(65, r.GridHeight);
    c(67, r.Grid);
    c(2567, r.WordCount);
    c(2569, r.AcrossCount);
    c(2571, r.DownCount);
    c(2573, r.Words);
    c(8773, r.Clues);
    c(38973, r.WordPos);
    c(39373, r.WordLen);
    c(39773, r.WordNumber);
    c(40173, r.WordAcross);
    c(40373, r.WordPlaced);
    c(40573, r.PuzzleBuilt);
    c(40574, r.Layout);
    c(69442, r.BonusQuestion);
    c(69593, r.Reserved);
    static_assert(69593 + 30 == PuzzleRecord::Size && 40574 + PageLayout::Size == 69442);
}

} // namespace

PuzzleRecord PuzzleRecord::decode(std::span<const uint8_t, Size> b)
{
    PuzzleRecord r;
    puzzleFields(r, FieldReader(b));
    return r;
}

void PuzzleRecord::encode(std::span<uint8_t, Size> b) const
{
    puzzleFields(*this, FieldWriter(b));
}

std::array<uint8_t, PuzzleRecord::Size> PuzzleRecord::bytes() const
{
    std::array<uint8_t, Size> out{};
    encode(out);
    return out;
}

void PuzzleRecord::decodeListed(std::span<const uint8_t> prefix, PString<20> &category, PString<35> &name)
{
    category.read(prefix, 6);
    name.read(prefix, 27);
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

// The same shape as the record above, for the previous version's record: its own list, since no
// field lies at the same offset.
template <typename Record, typename Coder>
void oldPuzzleFields(Record &r, const Coder &c)
{
    c(0, r.Name);
    c(36, r.GridSide);
    c(38, r.Ignored1);
    c(40, r.Grid);
    c(2540, r.WordCount);
    c(2542, r.AcrossCount);
    c(2544, r.DownCount);
    c(2546, r.Words);
    c(8746, r.Clues);
    c(28946, r.WordPos);
    c(29346, r.WordLen);
    c(29746, r.WordNumber);
    c(30146, r.WordAcross);
    c(30346, r.Ignored2);
    static_assert(30346 + 1 == OldPuzzleRecord::Size);
}

} // namespace

OldPuzzleRecord OldPuzzleRecord::decode(std::span<const uint8_t, Size> b)
{
    OldPuzzleRecord r;
    oldPuzzleFields(r, FieldReader(b));
    return r;
}

void OldPuzzleRecord::encode(std::span<uint8_t, Size> b) const
{
    oldPuzzleFields(*this, FieldWriter(b));
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
