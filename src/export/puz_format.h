#pragma once
// The binary crossword format of the widespread solving app (.puz, version 1.3): a 52-byte header
// with its checksums, the solution and an empty fill, then the title, author, copyright, the clues
// and the notes (our bonus question) as NUL-ended Windows-1252 strings.
//
// The format does not store numbers or which clue belongs where: a reader numbers every run of
// two or more open squares in reading order and hands out the clues in that order, across before
// down. So squares outside the words become black squares, and a puzzle whose words are not
// exactly those runs (a one-letter word, letters side by side that form no word) is refused, as is
// a square holding '.' or '-', which the format uses for black and empty squares.

#include "export/solving_format.h"

namespace qx {

class PuzFormat : public SolvingFormat {
public:
    // The format keeps the width and the height in one byte each.
    static constexpr int MaxSide = 255;

    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;

    // The format's checksum of a run of bytes, continuing from `sum`.
    static uint16_t checksum(std::string_view bytes, uint16_t sum);

protected:
    FileOutcome<QByteArray> encodeGrid(const SolvingGrid &grid, const PuzzleRecord &record,
                                       const QString &path) const override;
};

} // namespace qx
