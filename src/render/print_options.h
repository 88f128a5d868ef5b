#pragma once
// What one printing of a puzzle shows: which kinds of objects, the answer key or partial answers,
// the filled boxes, the clue headers and the word separators. The print options window fills it
// from the settings and the puzzle's layout; the command line from its flags. Texts are
// Windows-1252 bytes, as the record holds them.

#include "layout/page_layout.h"
#include "store/puzzle_record.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace qx {

struct Settings;

struct PrintOptions {
    // "Parts To Print"
    bool printTitle = true;
    bool printBody = true;
    bool printClues = true; // headers, clue lists and combined clues
    bool printWords = true;
    bool printBonus = true;

    bool answerKey = false;
    bool partialAnswer = false;
    std::array<uint8_t, MaxWords> partialAnswerWords{}; // entry k - 1 non-zero: word k is shown
    bool partialLetters = false;
    std::string letters; // trimmed, at most 25 characters

    bool useBoxes = true; // false: a skeleton puzzle, filled boxes not painted
    ColorValue boxColor = 0;

    // The headings' texts from the settings, and the current ones of this printing.
    std::string acrossLabel = "Across";
    std::string downLabel = "Down";
    std::string acrossHeader = "Across";
    std::string downHeader = "Down";

    // Characters drawn in the grid even in the empty puzzle; empty when no separator is enabled.
    std::string wordSeparators;
};

inline constexpr int MaxPartialLetters = 25;

// The options as the settings hold them ("Reports"), before a layout is read.
PrintOptions printOptionsFromSettings(const Settings &settings);

// The separator set: '-', '/', '+', '*' and the user's character, each when enabled.
std::string wordSeparatorSet(const Settings &settings);

// The letters box: trimmed of spaces, cut to 25 characters.
std::string partialLettersText(std::string_view typed);

// A combined-clues object's text split at its first ":" into the across and the down header; with
// no ":" the across header is empty and the down header is the whole text.
std::pair<std::string, std::string> splitCombinedHeaders(std::string_view text);

// Reads a layout into the options, as the print options window does when it opens or takes another
// layout: headers start from the labels, then the grid object gives the skeleton and the box colour
// and the heading and combined-clues objects give the headers, in slot order (an object whose text
// is empty leaves the headers as they are).
void applyLayout(PrintOptions &options, const PageLayout &layout);

} // namespace qx
