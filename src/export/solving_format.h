#pragma once
// The formats a puzzle is solved in on a screen (.ipuz, .puz, the solvable web page): each is made
// from the puzzle's grid and words, never from the rendered page, and a puzzle without a placed
// word is refused by all of them alike.

#include "export/export_format.h"
#include "export/solving_grid.h"

namespace qx {

class SolvingFormat : public ExportFormat {
public:
    Source source() const override { return Source::Puzzle; }

protected:
    FileOutcome<QByteArray> encode(const ExportInput &input, const QString &path) const final;
    // The file's bytes for a grid that has at least one word.
    virtual FileOutcome<QByteArray> encodeGrid(const SolvingGrid &grid, const PuzzleRecord &record,
                                               const QString &path) const = 0;

    // A refusal: the path, why the format cannot hold this puzzle and what the reason names.
    static FileError refused(const QString &path, Refusal why, QStringList details = {});
};

// True for a character the solver types (a letter or a digit); anything else kept in a word (a
// hyphen, a slash) is shown in its square from the start.
bool solverTypes(uint8_t letter);

// The character a square holds, from its Windows-1252 byte.
QString squareText(uint8_t letter);

} // namespace qx
