#pragma once
// The spell check of a puzzle's words and clues. Words are checked whole; a clue is cut into
// pieces at blanks and punctuation, and each piece is checked without its punctuation. A piece
// that is replaced makes the clue be rebuilt from its pieces, each followed by one blank.

#include "common/file_outcome.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace qx {

class SpellEngine;

// The characters that cut a clue into pieces and form pieces of their own.
bool isCluePunctuation(QChar c);

// A clue's pieces in order. A punctuation character ends the piece before it, forms a piece of
// its own and starts a new one; a blank ends the piece before it (so two blanks leave an empty
// piece between them). The result always holds at least one piece.
QStringList cluePieces(const QString &clue);
// Each piece followed by one blank, the whole trimmed.
QString rebuildClue(const QStringList &pieces);
// The piece without its punctuation characters: what is checked.
QString pieceWord(const QString &piece);

struct SpellRow {
    QString word;
    QString clue;
};

enum class SpellChoice { Replace, Ignore, Abort, Add };

struct SpellAnswer {
    SpellChoice choice = SpellChoice::Ignore;
    QString replacement; // for Replace
};

// What the check asks of the person running it.
class SpellCheckUser {
public:
    virtual ~SpellCheckUser() = default;
    // A word the dictionary refused, with its suggestions (at least one).
    virtual SpellAnswer refused(const QString &word, const QStringList &suggestions) = 0;
    // A refused word for which there are no suggestions; the check goes on.
    virtual void noSuggestions(const QString &word) = 0;
    // The include list could not be written after Add; the word still counts as right.
    virtual void addFailed(const FileError &error) = 0;
};

enum class SpellCheckEnd {
    AllFound, // no word was reported
    Aborted,
    Complete, // words were reported and the check ran to its end
};

// A replacement is at most this long; the editor cuts it to its cell's capacity.
inline constexpr int MaxReplacement = 255;

// Checks the rows' words (only when checkWords: a built puzzle's words cannot change) and then
// their clues, in row order, writing replacements into the rows.
SpellCheckEnd spellCheckRows(SpellEngine &engine, std::vector<SpellRow> &rows, bool checkWords, SpellCheckUser &user);

} // namespace qx
