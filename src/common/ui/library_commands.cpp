#include "common/ui/library_commands.h"

#include "common/ui/ui_host.h"

#include <QCoreApplication>

namespace qx {

namespace {

// Looked up, and found by lupdate, under the context "qx".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qx)
};

} // namespace

bool confirmLibraryDelete(UiHost &host, QWidget *parent, const QString &entryText)
{
    const QString question = Texts::tr("Are you sure you want to delete \"%1\"?").arg(entryText);
    return host.message(parent, Texts::tr("Delete?"), question, Buttons::YesNo) == Answer::Yes;
}

bool reportLibraryDelete(UiHost &host, QWidget *parent, const FileStatus &removed, const LibraryTexts &texts)
{
    if (removed)
        return true;
    if (removed.error().notOpened())
        host.message(parent, Texts::tr("Disk Error"), texts.cannotDelete, Buttons::Ok);
    else
        host.fileError(parent, removed.error());
    return false;
}

std::optional<int> reportLibraryImport(UiHost &host, QWidget *parent, const FileOutcome<ImportOutcome> &outcome,
                                       const QString &path, const LibraryTexts &texts)
{
    if (!outcome) {
        const FileError &error = outcome.error();
        if (!error.notOpened())
            host.fileError(parent, error);
        else if (error.path == path)
            host.message(parent, Texts::tr("Error"), texts.cannotImport, Buttons::Ok);
        else
            host.message(parent, Texts::tr("Disk Error"), texts.cannotAdd, Buttons::Ok);
        return std::nullopt;
    }
    if (outcome->result == ImportResult::Corrupt) {
        host.message(parent, Texts::tr("Error"), texts.corrupt, Buttons::Ok);
        return std::nullopt;
    }
    return outcome->recordNumber;
}

bool reportLibraryExport(UiHost &host, QWidget *parent, const FileStatus &written, const LibraryTexts &texts)
{
    if (!written) {
        if (written.error().notOpened())
            host.message(parent, Texts::tr("Error"), texts.cannotExport, Buttons::Ok);
        else
            host.fileError(parent, written.error());
        return false;
    }
    host.message(parent, Texts::tr("OK"), texts.exported, Buttons::Ok);
    return true;
}

} // namespace qx
