#pragma once
// How a built puzzle's words are compacted, numbered and ordered: the placed words first, numbered
// 1, 2, 3 ... on their distinct first cells in reading order (an across and a down word starting in
// one cell share a number), then the across words in number order before the down words in number
// order. The builder orders every attempt this way, and adding words by hand to a built grid
// orders the record again by the same rule.

#include "store/puzzle_record.h"

#include <array>
#include <cstdint>
#include <utility>

namespace qx {

// Bubble passes over positions 1..n: for j = 1..n, for k = n down to j + 1, swap k - 1 and k when
// the rule says so. Every ordering step of the builder is one of these, so equal keys keep the
// order the documented passes give them.
template <typename T, typename Swap>
void bubblePasses(std::array<T, MaxWords> &items, int n, Swap shouldSwap)
{
    for (int j = 1; j <= n; ++j) {
        for (int k = n; k >= j + 1; --k) {
            if (shouldSwap(items[k - 2], items[k - 1]))
                std::swap(items[k - 2], items[k - 1]);
        }
    }
}

// One word position while the words are ordered: which stored word stands there and where it lies.
struct WordEntry {
    uint8_t source = 0; // stored word (0-based) whose text and clue stand at this position
    uint8_t across = 0;
    uint8_t placed = 0;
    int16_t pos = 0;
    int16_t len = 0;
    int16_t number = 0;
};

using WordEntries = std::array<WordEntry, MaxWords>;

// Moves the placed words of entries 0..total - 1 before the others (which keep their order), sorts
// the placed ones by first cell and numbers them. Returns how many are placed.
int compactAndNumber(WordEntries &entries, int total);

// Puts the across words of entries 0..wordCount - 1 first, each group in number order. Returns how
// many run across.
int orderAcrossFirst(WordEntries &entries, int wordCount);

// Writes ordered entries 0..total - 1 into a record: each position takes the text and clue of its
// source word in from, and the entry's place, length, number and direction. WordPlaced is left.
void writeOrderedWords(PuzzleRecord &into, const PuzzleRecord &from, const WordEntries &entries, int total);

// Orders and numbers a record's words by the same rule. A word counts as placed when its WordPlaced
// flag is set and its first cell lies in the grid; entries 1..total are ordered, the placed words
// become 1..WordCount with AcrossCount and DownCount set, and the others follow unchanged apart
// from a cleared WordPlaced flag.
void orderPlacedWords(PuzzleRecord &record, int total);

} // namespace qx
