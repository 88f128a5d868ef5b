#pragma once
// One self-contained HTML file in which the puzzle is solved in a browser, on a desktop or a phone:
// the grid (trimmed to the rows and columns that hold letters) and the clues as the layout orders
// them and heads them, inline CSS and JavaScript, nothing fetched. The solver clicks or taps a
// square or a clue and types; checks, reveals and clears; pencils guesses; zooms a large grid;
// prints a blank grid or the letters; and finds the progress and time kept in the browser's local
// storage for this puzzle. Every square is an edit with a label naming its number and clues, so the
// page works with the keyboard alone and with a screen reader.
//
// The answers are in the page only lightly scrambled (each character mixed with a stream drawn
// from the puzzle's own key), so that a glance at the source does not give them away; the page's
// help line says so.

#include "export/solving_format.h"

namespace qx {

class SolvablePageFormat : public SolvingFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;

    // The scrambling, as the page undoes it: each UTF-16 unit of the answers in reading order is
    // mixed with the high half of a linear congruential stream seeded with `seed`, and the units
    // are written little-endian in Base64.
    static QByteArray scramble(const QString &answers, uint32_t seed);

protected:
    FileOutcome<QByteArray> encodeGrid(const SolvingGrid &grid, const PuzzleRecord &record,
                                       const QString &path) const override;
};

} // namespace qx
