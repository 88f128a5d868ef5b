#pragma once
// The open JSON crossword format, version 2, in UTF-8: the grid with its clue numbers, the
// solution, the across and down clues in the printed order, the title, and the bonus question as
// the puzzle's notes. Squares of the shape that no word covers are blocks ("#"); squares outside
// the shape are omitted (null), so a shaped grid keeps its outline.

#include "export/solving_format.h"

namespace qx {

class IpuzFormat : public SolvingFormat {
public:
    QString name() const override;
    QString nameFilter() const override;
    QString suffix() const override;

protected:
    FileOutcome<QByteArray> encodeGrid(const SolvingGrid &grid, const PuzzleRecord &record,
                                       const QString &path) const override;
};

} // namespace qx
