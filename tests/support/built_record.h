#pragma once
// Built puzzle records drawn as text, for tests of what is done to a built grid.

#include "store/puzzle_record.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace qx::test {

struct PlacedWord {
    const char *word;
    int row;
    int col;
    bool across;
    bool placed = true;
};

// A built record: rows of the grid ('#' outside the shape, '.' an open cell, letters), then its
// words in the order given, with the clue "clue of WORD". Cells past the rows are outside the shape.
inline PuzzleRecord builtRecord(std::initializer_list<const char *> rows, std::initializer_list<PlacedWord> words)
{
    PuzzleRecord r;
    r.PuzzleBuilt = 1;
    r.GridHeight = static_cast<int16_t>(rows.size());
    r.GridWidth = static_cast<int16_t>(std::strlen(*rows.begin()));
    int row = 1;
    for (const char *text : rows) {
        for (int col = 1; text[col - 1]; ++col) {
            const char c = text[col - 1];
            r.Grid[static_cast<size_t>(cellIndex(row, col) - 1)] =
                c == '#' ? uint8_t(0) : (c == '.' ? uint8_t(' ') : static_cast<uint8_t>(c));
        }
        ++row;
    }
    size_t k = 0;
    for (const PlacedWord &w : words) {
        r.Words[k].set(w.word);
        r.Clues[k].set(std::string("clue of ") + w.word);
        r.WordPos[k] = static_cast<int16_t>(cellIndex(w.row, w.col));
        r.WordLen[k] = static_cast<int16_t>(std::strlen(w.word));
        r.WordAcross[k] = w.across ? 1 : 0;
        r.WordPlaced[k] = w.placed ? 1 : 0;
        ++k;
    }
    r.WordCount = static_cast<int16_t>(k);
    return r;
}

} // namespace qx::test
