#include "common/file_outcome.h"

#include <QCoreApplication>

namespace qx {

namespace {

// Looked up, and found by lupdate, under the context "qx".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qx)
};

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
        return Texts::tr("A link another user made in a shared folder is not followed; nothing was written");
    case Refusal::NoPuzzle:
        return Texts::tr("There is no puzzle to export");
    case Refusal::NoPlacedWord:
        return Texts::tr("The puzzle has no placed word to solve");
    case Refusal::PuzGridTooLarge:
        return Texts::tr("The .puz format holds grids of at most %1 by %1 squares; this one is %2 by %3")
            .arg(d(0), d(1), d(2));
    case Refusal::PuzWordsShareSquares:
        return Texts::tr("The .puz format cannot hold this puzzle: two words lie on the same squares (\"%1\")")
            .arg(d(0));
    case Refusal::PuzSquareCharacter:
        return Texts::tr("The .puz format cannot hold the character \"%1\" in a square").arg(d(0));
    case Refusal::PuzRunIsNoWord:
        return Texts::tr(
                   "The .puz format cannot hold this puzzle: the squares %1 from row %2, column %3 are not one of "
                   "its words")
            .arg(d(0) == QLatin1String("down") ? Texts::tr("down") : Texts::tr("across"), d(1), d(2));
    case Refusal::PuzWordIsNoRun:
        return Texts::tr("The .puz format cannot hold this puzzle: the word \"%1\" is not a run of two or more squares "
                         "between black squares")
            .arg(d(0));
    case Refusal::PictureTooLarge:
        return Texts::tr("A page %1 pixels wide cannot be made").arg(d(0));
    case Refusal::MetafileNeedsPage:
        return Texts::tr("A metafile needs a rendered page to draw again");
    case Refusal::WebPageCharacter:
        return Texts::tr("A text holds a character the page cannot hold");
    case Refusal::WebPictureSameName:
        return Texts::tr("Its picture would have the same name");
    case Refusal::NotEncoded:
        return Texts::tr("The %1 could not be made").arg(d(0));
    }
    return {};
}

QString FileError::errorText() const
{
    const QString why = kind == Kind::Refused ? refusalText() : systemText;
    if (why.isEmpty())
        return path;
    // A file that is no record file is told in one sentence that names the file itself.
    if (kind == Kind::NotRecordFile)
        return why;
    return path + QStringLiteral(": ") + why;
}

} // namespace qx
