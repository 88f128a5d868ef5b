#pragma once
// How tight a built grid is: words placed, the squares two words share, and how much of the box
// around the letters the letters fill.

#include "store/puzzle_record.h"

namespace qx {

struct GridStats {
    int placed = 0;    // words in the grid
    int crossings = 0; // squares an across and a down word share
    int letters = 0;   // squares holding a letter
    int boxCells = 0;  // squares of the smallest box around every letter

    // How many other words each word crosses, on average.
    double crossingsPerWord() const { return placed > 0 ? 2.0 * crossings / placed : 0.0; }
    // Letters per square of the box, as a whole percentage (rounded).
    int fillPercent() const { return boxCells > 0 ? (200 * letters + boxCells) / (2 * boxCells) : 0; }
};

GridStats gridStats(const PuzzleRecord &built);

} // namespace qx
