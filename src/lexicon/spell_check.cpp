#include "lexicon/spell_check.h"

#include "lexicon/spell_engine.h"

namespace qx {

namespace {

constexpr QStringView Punctuation = u"\"()+,-./:;<=>?\\{}";

enum class Outcome { Kept, Replaced, Aborted };

// Checks one word; a replacement is left in word.
Outcome checkWord(SpellEngine &engine, QString &word, bool &reported, SpellCheckUser &user)
{
    if (engine.accepts(word))
        return Outcome::Kept;
    reported = true;
    const QStringList suggestions = engine.suggest(word);
    if (suggestions.isEmpty()) {
        user.noSuggestions(word);
        return Outcome::Kept;
    }
    const SpellAnswer answer = user.refused(word, suggestions);
    switch (answer.choice) {
    case SpellChoice::Replace:
        word = answer.replacement.left(MaxReplacement);
        return Outcome::Replaced;
    case SpellChoice::Abort:
        return Outcome::Aborted;
    case SpellChoice::Add:
        if (const auto added = engine.addToInclude(word); !added)
            user.addFailed(added.error());
        return Outcome::Kept;
    case SpellChoice::Ignore:
        break;
    }
    return Outcome::Kept;
}

} // namespace

bool isCluePunctuation(QChar c)
{
    return Punctuation.contains(c);
}

QStringList cluePieces(const QString &clue)
{
    QStringList pieces(1);
    for (const QChar c : clue) {
        if (isCluePunctuation(c)) {
            pieces << QString(c) << QString();
        } else if (c == QLatin1Char(' ')) {
            pieces << QString();
        } else {
            pieces.last() += c;
        }
    }
    return pieces;
}

QString rebuildClue(const QStringList &pieces)
{
    QString clue;
    for (const QString &piece : pieces)
        clue += piece + QLatin1Char(' ');
    return clue.trimmed();
}

QString pieceWord(const QString &piece)
{
    QString word;
    for (const QChar c : piece)
        if (!isCluePunctuation(c))
            word += c;
    return word;
}

SpellCheckEnd spellCheckRows(SpellEngine &engine, std::vector<SpellRow> &rows, bool checkWords, SpellCheckUser &user)
{
    bool reported = false;
    if (checkWords) {
        for (SpellRow &row : rows) {
            QString word = row.word.trimmed();
            if (word.isEmpty())
                continue;
            const Outcome outcome = checkWord(engine, word, reported, user);
            if (outcome == Outcome::Aborted)
                return SpellCheckEnd::Aborted;
            if (outcome == Outcome::Replaced)
                row.word = word;
        }
    }
    for (SpellRow &row : rows) {
        const QString clue = row.clue.trimmed();
        if (clue.isEmpty())
            continue;
        QStringList pieces = cluePieces(clue);
        for (QString &piece : pieces) {
            QString word = pieceWord(piece);
            if (word.isEmpty())
                continue;
            const Outcome outcome = checkWord(engine, word, reported, user);
            if (outcome == Outcome::Aborted)
                return SpellCheckEnd::Aborted;
            if (outcome != Outcome::Replaced)
                continue;
            // Punctuation at either end of the piece stays around its replacement.
            const QString lead = isCluePunctuation(piece.front()) ? QString(piece.front()) : QString();
            const QString tail =
                piece.size() > 1 && isCluePunctuation(piece.back()) ? QString(piece.back()) : QString();
            piece = lead + word + tail;
            row.clue = rebuildClue(pieces);
        }
    }
    return reported ? SpellCheckEnd::Complete : SpellCheckEnd::AllFound;
}

} // namespace qx
