#include "app/ui/startup_conversion.h"

#include "app/session.h"
#include "common/ui/ui_host.h"
#include "store/old_version_files.h"

#include <QFileInfo>
#include <QObject>

namespace qx {

namespace {

// A file that cannot be opened (or is not a file at all) gets the program's own words, the
// source's or the target's; any other failure the system's text.
void reportFailure(QWidget *parent, UiHost &host, const FileError &error, const QString &oldFile,
                   const QString &cannotOpenSource, const QString &cannotOpenTarget)
{
    if (error.kind != FileError::Kind::CannotOpen && error.kind != FileError::Kind::NotRegularFile)
        host.fileError(parent, error);
    else
        host.message(parent, QObject::tr("Error"), error.path == oldFile ? cannotOpenSource : cannotOpenTarget,
                     Buttons::Ok);
}

void convertPuzzles(QWidget *parent, UiHost &host, const Session &session)
{
    const QString oldFile = session.paths.inProgramDir(QString::fromLatin1(OldPuzzleFileName));
    if (!QFileInfo::exists(oldFile))
        return;
    const Answer answer = host.message(parent, QObject::tr("Notice"),
                                       QObject::tr("User generated puzzles from a previous version of Quorvex have "
                                                   "been detected.  Would you like to convert them to a puzzle group?"),
                                       Buttons::YesNo);
    if (answer != Answer::Yes)
        return;
    const QString target = session.paths.inProgramDir(QString::fromLatin1(ConvertedCollectionName));
    const auto converted = convertOldPuzzles(oldFile, target, session.layoutForNewPuzzle());
    if (!converted) {
        reportFailure(parent, host, converted.error(), oldFile, QObject::tr("Puzzles could not be imported."),
                      QObject::tr("Unable to save puzzles."));
        return;
    }
    host.message(parent, QObject::tr("Ok"),
                 QObject::tr("A new puzzle group named \"%1\" has been created.")
                     .arg(QString::fromLatin1(ConvertedCollectionName)),
                 Buttons::Ok);
}

void convertShapes(QWidget *parent, UiHost &host, const Session &session)
{
    const QString oldFile = session.paths.inStartupDir(QString::fromLatin1(OldShapeFileName));
    if (!QFileInfo::exists(oldFile))
        return;
    const Answer answer =
        host.message(parent, QObject::tr("Notice"),
                     QObject::tr("User generated shapes from a previous version of Quorvex have been detected.  "
                                 "Would you like to add them to the current list of puzzle shapes?"),
                     Buttons::YesNo);
    if (answer != Answer::Yes)
        return;
    const auto converted = convertOldShapes(oldFile, session.shapeLibrary().path());
    if (!converted) {
        reportFailure(parent, host, converted.error(), oldFile, QObject::tr("Puzzles could not be imported."),
                      QObject::tr("Unable to add shapes."));
        return;
    }
    host.message(parent, QObject::tr("Ok"), QObject::tr("Puzzle shapes have been added."), Buttons::Ok);
}

} // namespace

void convertPreviousVersionFiles(QWidget *parent, UiHost &host, const Session &session)
{
    // A failure changes nothing; the user is told and the other file is still offered.
    convertPuzzles(parent, host, session);
    convertShapes(parent, host, session);
}

} // namespace qx
