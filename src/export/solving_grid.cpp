#include "export/solving_grid.h"

#include "common/upper_case_letter.h"

#include <algorithm>

namespace qx {

std::string SolvingWord::enumeration() const
{
    std::vector<int> parts;
    int run = 0;
    for (const char c : word) {
        if (c == ' ') {
            if (run > 0)
                parts.push_back(run);
            run = 0;
        } else {
            ++run;
        }
    }
    if (run > 0)
        parts.push_back(run);
    if (parts.size() < 2)
        return {};
    std::string out;
    for (const int n : parts)
        out += (out.empty() ? "" : ",") + std::to_string(n);
    return out;
}

SolvingGrid::SolvingGrid(const PuzzleRecord &record)
    : m_width(record.widthInUse()), m_height(record.heightInUse()), m_title(record.PuzzleName.str()),
      m_bonus(record.BonusQuestion.str())
{
    const auto cells = static_cast<size_t>(m_width * m_height);
    m_squares.assign(cells, Square::Outside);
    m_letters.assign(cells, 0);
    m_numbers.assign(cells, 0);
    for (int r = 0; r < m_height; ++r) {
        for (int c = 0; c < m_width; ++c) {
            if (record.cell(r + 1, c + 1) != 0)
                m_squares[index(r, c)] = Square::Block;
        }
    }

    // The printed lists: words up to the last placed one.
    int last = record.wordsInUse();
    while (last >= 1 && record.WordPlaced[static_cast<size_t>(last - 1)] == 0)
        --last;
    for (int k = 1; k <= last; ++k) {
        const auto i = static_cast<size_t>(k - 1);
        const int pos = record.WordPos[i];
        if (record.WordPlaced[i] == 0 || pos < 1 || pos > GridCells)
            continue;
        SolvingWord w;
        w.number = record.WordNumber[i];
        w.across = record.WordAcross[i] != 0;
        w.row = (pos - 1) / GridSide;
        w.col = (pos - 1) % GridSide;
        w.length = record.WordLen[i];
        w.clue = record.Clues[i].str();
        w.word = record.Words[i].str();
        const int endRow = w.rowOf(w.length - 1);
        const int endCol = w.colOf(w.length - 1);
        if (w.length < 1 || endRow >= m_height || endCol >= m_width)
            continue;

        std::string form; // the word as the grid holds it
        for (const char c : w.word) {
            if (c != ' ')
                form += static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(c)));
        }
        for (int j = 0; j < w.length; ++j) {
            const size_t at = index(w.rowOf(j), w.colOf(j));
            const uint8_t held = record.cell(w.rowOf(j) + 1, w.colOf(j) + 1);
            m_squares[at] = Square::Letter;
            if (held != 0 && held != ' ')
                m_letters[at] = held;
            else if (m_letters[at] == 0)
                m_letters[at] =
                    static_cast<uint8_t>(j < static_cast<int>(form.size()) ? form[static_cast<size_t>(j)] : '?');
        }
        int &shown = m_numbers[index(w.row, w.col)];
        if (shown == 0)
            shown = w.number;
        (w.across ? m_across : m_down).push_back(std::move(w));
    }
}

} // namespace qx
