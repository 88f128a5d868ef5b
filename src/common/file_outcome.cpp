#include "common/file_outcome.h"

#include <QCoreApplication>

namespace qx {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("qx", source);
}

QString detail(const QStringList &details, qsizetype n)
{
    return n < details.size() ? details[n] : QString();
}

} // namespace

QString FileError::refusalText() const
{
    const auto d = [this](qsizetype n) { return detail(details, n); };
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::ForeignLink:
        return text("A link another user made in a shared folder is not followed; nothing was written");
    case Refusal::NoPuzzle:
        return text("There is no puzzle to export");
    case Refusal::NoPlacedWord:
        return text("The puzzle has no placed word to solve");
    case Refusal::PuzGridTooLarge:
        return text("The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3")
            .arg(d(0), d(1), d(2));
    case Refusal::PuzWordsShareSquares:
        return text("The .puz format cannot hold this puzzle: two words lie on the same squares (\"%1\")").arg(d(0));
    case Refusal::PuzSquareCharacter:
        return text("The .puz format cannot hold the character \"%1\" in a square").arg(d(0));
    case Refusal::PuzRunIsNoWord:
        return text("The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of "
                    "its words")
            .arg(d(0) == QLatin1String("down") ? text("down") : text("across"), d(1), d(2));
    case Refusal::PuzWordIsNoRun:
        return text("The .puz format cannot hold this puzzle: the word \"%1\" is not a run of two or more squares "
                    "between black squares")
            .arg(d(0));
    case Refusal::PictureTooLarge:
        return text("A page %1 pixels wide cannot be made").arg(d(0));
    case Refusal::MetafileNeedsPage:
        return text("A metafile needs a rendered page to draw again");
    case Refusal::WebPageCharacter:
        return text("A text holds a character the page cannot hold");
    case Refusal::WebPictureSameName:
        return text("Its picture would have the same name");
    case Refusal::NotEncoded:
        return text("The %1 could not be made").arg(d(0));
    }
    return {};
}

QString FileError::errorText() const
{
    const QString why = kind == Kind::Refused ? refusalText() : systemText;
    if (why.isEmpty())
        return path;
    return path + (kind == Kind::NotRecordFile ? QStringLiteral(" ") : QStringLiteral(": ")) + why;
}

} // namespace qx
