#pragma once
// An independent check of a built puzzle, knowing nothing of how it was built.

#include "store/puzzle_record.h"

namespace qx::test {

// Every word is spelled in its cells and bounded by empty cells, no two words of one direction
// share a cell, every letter belongs to a word, numbers follow reading order, and the across words
// come first, each group in number order. Reports through GoogleTest expectations.
void expectSoundCrossword(const PuzzleRecord &r);

} // namespace qx::test
