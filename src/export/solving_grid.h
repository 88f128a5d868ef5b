#pragma once
// A built puzzle as the formats for solving on a screen see it: the squares of the grid in use,
// which of them belong to words and the letter each holds, the number printed in each square, and
// the words in the order the printed clue lists give them (across, then down, up to the last
// placed word). Texts stay Windows-1252 bytes, as the record holds them.
//
// The record is not trusted: a word that is not placed, or that would leave the grid in use, is
// left out, and a letter square whose grid byte is empty takes the word's own letter.

#include "store/puzzle_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qx {

struct SolvingWord {
    int number = 0;
    bool across = true;
    int row = 0; // 0-based
    int col = 0; // 0-based
    int length = 0;
    std::string clue;
    std::string word; // as stored, spaces included

    // The lengths of the word's parts when it is more than one word ("6,5" for BUENOS AIRES), or
    // empty for a single word.
    std::string enumeration() const;
    int rowOf(int i) const { return across ? row : row + i; }
    int colOf(int i) const { return across ? col + i : col; }
};

class SolvingGrid {
public:
    enum class Square : uint8_t {
        Outside, // not part of the puzzle's shape: nothing is drawn there
        Block,   // inside the shape but in no word: a filled box
        Letter,  // a square of at least one word
    };

    explicit SolvingGrid(const PuzzleRecord &record);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Square square(int row, int col) const { return m_squares[index(row, col)]; }
    // The grid's byte for a letter square (a capital, or another character kept in a word).
    uint8_t letter(int row, int col) const { return m_letters[index(row, col)]; }
    // The clue number printed in the square, 0 for none.
    int number(int row, int col) const { return m_numbers[index(row, col)]; }

    const std::vector<SolvingWord> &across() const { return m_across; }
    const std::vector<SolvingWord> &down() const { return m_down; }
    bool empty() const { return m_across.empty() && m_down.empty(); }

    const std::string &title() const { return m_title; }
    const std::string &bonusQuestion() const { return m_bonus; }

private:
    size_t index(int row, int col) const { return static_cast<size_t>(row * m_width + col); }

    int m_width = 0;
    int m_height = 0;
    std::vector<Square> m_squares;
    std::vector<uint8_t> m_letters;
    std::vector<int> m_numbers;
    std::vector<SolvingWord> m_across;
    std::vector<SolvingWord> m_down;
    std::string m_title;
    std::string m_bonus;
};

} // namespace qx
