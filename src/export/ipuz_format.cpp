#include "export/ipuz_format.h"

#include "common/cp1252.h"
#include "common/product.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qx {

namespace {

// An ipuz text may hold HTML markup, so a plain '&', '<' or '>' typed into a clue is written as an
// entity: a solver would otherwise take "</b>" in a title for a tag.
QString ipuzText(const std::string &bytes)
{
    return cp1252::toUnicode(bytes).toHtmlEscaped();
}

QJsonArray clueList(const std::vector<SolvingWord> &words)
{
    QJsonArray list;
    for (const SolvingWord &w : words) {
        QJsonObject clue{{QStringLiteral("number"), w.number}, {QStringLiteral("clue"), ipuzText(w.clue)}};
        if (const std::string parts = w.enumeration(); !parts.empty())
            clue.insert(QStringLiteral("enumeration"), QString::fromStdString(parts));
        list.append(clue);
    }
    return list;
}

} // namespace

QString IpuzFormat::name() const
{
    return QStringLiteral("ipuz");
}

QString IpuzFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "ipuz (*.ipuz)|*.ipuz");
}

QString IpuzFormat::suffix() const
{
    return QStringLiteral("ipuz");
}

FileOutcome<QByteArray> IpuzFormat::encodeGrid(const SolvingGrid &grid, const PuzzleRecord &, const QString &) const
{
    const QString block = QStringLiteral("#");
    QJsonArray puzzle;
    QJsonArray solution;
    for (int r = 0; r < grid.height(); ++r) {
        QJsonArray puzzleRow;
        QJsonArray solutionRow;
        for (int c = 0; c < grid.width(); ++c) {
            switch (grid.square(r, c)) {
            case SolvingGrid::Square::Outside:
                puzzleRow.append(QJsonValue::Null);
                solutionRow.append(QJsonValue::Null);
                break;
            case SolvingGrid::Square::Block:
                puzzleRow.append(block);
                solutionRow.append(block);
                break;
            case SolvingGrid::Square::Letter: {
                const uint8_t letter = grid.letter(r, c);
                // A hyphen or another sign kept in a word is given: shown, never typed.
                if (solverTypes(letter))
                    puzzleRow.append(grid.number(r, c));
                else
                    puzzleRow.append(QJsonObject{{QStringLiteral("cell"), grid.number(r, c)},
                                                 {QStringLiteral("value"), squareText(letter)}});
                solutionRow.append(squareText(letter));
                break;
            }
            }
        }
        puzzle.append(puzzleRow);
        solution.append(solutionRow);
    }

    QJsonObject ipuz{
        {QStringLiteral("version"), QStringLiteral("http://ipuz.org/v2")},
        {QStringLiteral("kind"), QJsonArray{QStringLiteral("http://ipuz.org/crossword#1")}},
        {QStringLiteral("origin"), QLatin1String(ProductName)},
        {QStringLiteral("title"), ipuzText(grid.title())},
        {QStringLiteral("dimensions"),
         QJsonObject{{QStringLiteral("width"), grid.width()}, {QStringLiteral("height"), grid.height()}}},
        {QStringLiteral("block"), block},
        {QStringLiteral("empty"), 0},
        {QStringLiteral("puzzle"), puzzle},
        {QStringLiteral("solution"), solution},
        {QStringLiteral("clues"), QJsonObject{{QStringLiteral("Across"), clueList(grid.across())},
                                              {QStringLiteral("Down"), clueList(grid.down())}}},
    };
    if (!grid.bonusQuestion().empty())
        ipuz.insert(QStringLiteral("notes"), ipuzText(grid.bonusQuestion()));
    return QJsonDocument(ipuz).toJson(QJsonDocument::Indented);
}

} // namespace qx
