#include "store/ui/puzzle_saving.h"

#include "common/ui/ui_host.h"

#include <QFileInfo>
#include <QObject>

namespace qx {

SaveResult savePuzzleInto(QWidget *parent, UiHost &host, const QString &collectionPath, const PuzzleRecord &record,
                          PuzzlePlace &place, const ReloadAndReselect &reloadAndReselect)
{
    const auto saved = CollectionFile(collectionPath).save(record, place);
    if (!saved) {
        const FileError &error = saved.error();
        if (error.kind == FileError::Kind::Changed) {
            host.fileChanged(parent, error,
                             QObject::tr("Your puzzle was not saved; reopen the collection to see the change."));
            return SaveResult::Changed;
        }
        if (error.kind == FileError::Kind::CannotOpen && QFileInfo::exists(collectionPath)) {
            // A read-only collection: closing the window would throw away what the user typed.
            host.fileError(parent, error, QObject::tr("Unable to save puzzle."));
            return SaveResult::Refused;
        }
        if (error.kind == FileError::Kind::CannotOpen)
            host.message(parent, QObject::tr("Error"), QObject::tr("Unable to save puzzle."), Buttons::Ok);
        else
            host.fileError(parent, error);
        return SaveResult::Failed;
    }
    if (reloadAndReselect)
        reloadAndReselect(record.Category.str(), record.PuzzleName.str());
    return SaveResult::Saved;
}

} // namespace qx
