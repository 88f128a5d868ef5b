#pragma once
// Which characters a puzzle's texts (words, clues, title, category, bonus question) can store.
// Texts are Windows-1252 bytes, and no control character may go in: a NUL in a word would stand
// in the grid where 0 means "outside the shape", and any other control would reach the printed
// page or, through the command line, a terminal. Typing and importing refuse such a character
// rather than change it.

#include <QString>

#include <optional>

namespace qx {

struct RefusedCharacter {
    char32_t character = 0;
    bool control = false; // a control character, rather than one Windows-1252 cannot hold
};

// The first character of text that no stored text may hold, or nothing when all of it can go in.
std::optional<RefusedCharacter> firstRefusedCharacter(const QString &text);

// The character's code in the usual notation, "U+0391": it tells apart characters that look alike
// and names the invisible ones.
QString codePointName(char32_t character);

} // namespace qx
