#include "builder/word_order.h"

#include <algorithm>

namespace qx {

int compactAndNumber(WordEntries &entries, int total)
{
    bubblePasses(entries, total, [](const WordEntry &a, const WordEntry &b) { return !a.placed && b.placed; });
    int wordCount = 0;
    while (wordCount < total && entries[static_cast<size_t>(wordCount)].placed)
        ++wordCount;
    bubblePasses(entries, wordCount, [](const WordEntry &a, const WordEntry &b) { return a.pos > b.pos; });
    int number = 0;
    for (int k = 0; k < wordCount; ++k) {
        if (k == 0 || entries[static_cast<size_t>(k)].pos != entries[static_cast<size_t>(k - 1)].pos)
            ++number;
        entries[static_cast<size_t>(k)].number = static_cast<int16_t>(number);
    }
    return wordCount;
}

int orderAcrossFirst(WordEntries &entries, int wordCount)
{
    // A pass swaps whenever the earlier word runs down, so the order within each group is set
    // again by number below.
    bubblePasses(entries, wordCount, [](const WordEntry &a, const WordEntry &) { return a.across == 0; });
    int acrossCount = 0;
    for (int k = 0; k < wordCount; ++k)
        acrossCount += entries[static_cast<size_t>(k)].across != 0 ? 1 : 0;
    const auto byNumber = [](const WordEntry &a, const WordEntry &b) { return a.number < b.number; };
    std::stable_sort(entries.begin(), entries.begin() + acrossCount, byNumber);
    std::stable_sort(entries.begin() + acrossCount, entries.begin() + wordCount, byNumber);
    return acrossCount;
}

void writeOrderedWords(PuzzleRecord &into, const PuzzleRecord &from, const WordEntries &entries, int total)
{
    for (int k = 0; k < total; ++k) {
        const auto i = static_cast<size_t>(k);
        const WordEntry &e = entries[i];
        into.Words[i] = from.Words[e.source];
        into.Clues[i] = from.Clues[e.source];
        into.WordPos[i] = e.pos;
        into.WordLen[i] = e.len;
        into.WordNumber[i] = e.number;
        into.WordAcross[i] = e.across;
    }
}

void orderPlacedWords(PuzzleRecord &record, int total)
{
    total = std::clamp(total, 0, MaxWords);
    WordEntries entries{};
    for (int k = 0; k < total; ++k) {
        const auto i = static_cast<size_t>(k);
        const int16_t pos = record.WordPos[i];
        entries[i] = WordEntry{static_cast<uint8_t>(k),
                               record.WordAcross[i],
                               static_cast<uint8_t>(record.WordPlaced[i] != 0 && pos >= 1 && pos <= GridCells),
                               pos,
                               record.WordLen[i],
                               record.WordNumber[i]};
    }
    const int wordCount = compactAndNumber(entries, total);
    const int acrossCount = orderAcrossFirst(entries, wordCount);
    writeOrderedWords(record, PuzzleRecord(record), entries, total);
    for (int k = 0; k < total; ++k)
        record.WordPlaced[static_cast<size_t>(k)] = entries[static_cast<size_t>(k)].placed;
    record.WordCount = static_cast<int16_t>(wordCount);
    record.AcrossCount = static_cast<int16_t>(acrossCount);
    record.DownCount = static_cast<int16_t>(wordCount - acrossCount);
}

} // namespace qx
