#include "app/ui/startup_conversion.h"

#include "app/session.h"
#include "common/io_error.h"
#include "common/ui/ui_host.h"
#include "store/old_version_files.h"

#include <QFileInfo>
#include <QObject>

namespace qx {

namespace {

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
    switch (convertOldPuzzles(oldFile, target, session.layoutForNewPuzzle())) {
    case ConversionResult::CannotOpenSource:
        host.message(parent, QObject::tr("Error"), QObject::tr("Puzzles could not be imported."), Buttons::Ok);
        return;
    case ConversionResult::CannotOpenTarget:
        host.message(parent, QObject::tr("Error"), QObject::tr("Unable to save puzzles."), Buttons::Ok);
        return;
    case ConversionResult::Converted:
        host.message(parent, QObject::tr("Ok"),
                     QObject::tr("A new puzzle group named \"%1\" has been created.")
                         .arg(QString::fromLatin1(ConvertedCollectionName)),
                     Buttons::Ok);
        return;
    }
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
    switch (convertOldShapes(oldFile, session.shapeLibrary().path())) {
    case ConversionResult::CannotOpenSource:
        host.message(parent, QObject::tr("Error"), QObject::tr("Puzzles could not be imported."), Buttons::Ok);
        return;
    case ConversionResult::CannotOpenTarget:
        host.message(parent, QObject::tr("Error"), QObject::tr("Unable to add shapes."), Buttons::Ok);
        return;
    case ConversionResult::Converted:
        host.message(parent, QObject::tr("Ok"), QObject::tr("Puzzle shapes have been added."), Buttons::Ok);
        return;
    }
}

} // namespace

void convertPreviousVersionFiles(QWidget *parent, UiHost &host, const Session &session)
{
    // A failure half way leaves what was written; the user is told and the other file is still
    // offered.
    try {
        convertPuzzles(parent, host, session);
    } catch (const IoError &e) {
        host.ioError(parent, e.message());
    }
    try {
        convertShapes(parent, host, session);
    } catch (const IoError &e) {
        host.ioError(parent, e.message());
    }
}

} // namespace qx
