#include "store/ui/puzzle_saving.h"

#include "common/ui/ui_host.h"
#include "store/collection_file.h"

#include <QObject>

namespace qx {

bool savePuzzleInto(QWidget *parent, UiHost &host, const QString &collectionPath, const PuzzleRecord &record,
                    bool isNew, int recordNumber, const ReloadAndReselect &reloadAndReselect)
{
    const auto saved = CollectionFile(collectionPath).save(record, isNew, recordNumber);
    if (!saved) {
        if (saved.error().kind == FileError::Kind::CannotOpen)
            host.message(parent, QObject::tr("Error"), QObject::tr("Unable to save puzzle."), Buttons::Ok);
        else
            host.fileError(parent, saved.error());
        return false;
    }
    if (reloadAndReselect)
        reloadAndReselect(record.Category.str(), record.PuzzleName.str());
    return true;
}

} // namespace qx
