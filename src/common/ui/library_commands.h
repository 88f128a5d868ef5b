#pragma once
// What the shape and page layout libraries say about their delete, import and export commands.
// Both follow one pattern and differ only in their wording.

#include "common/exchange_file.h"
#include "common/file_outcome.h"

#include <QString>

#include <optional>

class QWidget;

namespace qx {

class UiHost;

// One library's wording of its failures and of a finished export.
struct LibraryTexts {
    QString cannotDelete; // the library cannot be opened for a delete ("Disk Error")
    QString cannotImport; // the chosen file cannot be opened ("Error")
    QString corrupt;      // the chosen file is too short or of another kind ("Error")
    QString cannotAdd;    // the library can be neither opened nor created ("Disk Error")
    QString cannotExport; // the export file cannot be created ("Error")
    QString exported;     // the export is done ("OK")
};

// Asks "Are you sure you want to delete "<entry>"?"; true for Yes.
bool confirmLibraryDelete(UiHost &host, QWidget *parent, const QString &entryText);

// Tells of a delete that failed; true when it succeeded.
bool reportLibraryDelete(UiHost &host, QWidget *parent, const FileStatus &removed, const LibraryTexts &texts);

// Tells of an import that failed or found a corrupt file; the new record number when the record
// was appended. path is the file the user chose, which tells a file that cannot be read from a
// library that cannot take it.
std::optional<int> reportLibraryImport(UiHost &host, QWidget *parent, const FileOutcome<ImportOutcome> &outcome,
                                       const QString &path, const LibraryTexts &texts);

// Tells of an export, done or failed; true when done.
bool reportLibraryExport(UiHost &host, QWidget *parent, const FileStatus &written, const LibraryTexts &texts);

} // namespace qx
