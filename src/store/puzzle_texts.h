#pragma once
// A puzzle that arrives from a file is held to the rule typed text follows (common/storable_text.h):
// its title, category, bonus question, words and clues hold no control character. A NUL inside a
// word would reach the grid, where 0 means a square outside the shape; a control in a clue would
// reach the page.

#include "store/puzzle_record.h"

#include <cstdint>
#include <optional>

namespace qx {

struct ControlInPuzzle {
    enum class Field { Title, Category, BonusQuestion, Word, Clue };
    Field field = Field::Title;
    int entry = -1; // the word or clue (0-based) for Word and Clue
    uint8_t byte = 0;

    friend bool operator==(const ControlInPuzzle &, const ControlInPuzzle &) = default;
};

// The first control character in the puzzle's texts, in the order title, category, bonus question,
// then each word in use followed by its clue.
std::optional<ControlInPuzzle> findControlCharacter(const PuzzleRecord &record);

} // namespace qx
