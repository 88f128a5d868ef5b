#pragma once
// The shape library "QXFLAY.DAT" in the program directory: ShapeRecords one after another, no
// header; ".LAY" files carry one shape between libraries.

#include "common/record_library.h"
#include "shapes/shape_record.h"

#include <QString>

namespace qx {

class ShapeLibrary : public RecordLibrary<ShapeRecord> {
public:
    static constexpr const char *FileName = "QXFLAY.DAT";

    explicit ShapeLibrary(QString filePath);
    static ShapeLibrary inProgramDir(const QString &programDir);

    // One entry per record, sorted by entry text; empty when the file is missing.
    FileOutcome<EntryList> list() const;
};

// Writes the shape as a ".LAY" file; confirmedReplace as for writeExchangeFile.
FileStatus exportShape(const QString &path, const ShapeRecord &shape, bool confirmedReplace = false);

// Reads a ".LAY" file. Once its record is read it becomes the current shape, and is then appended
// to the library; the outcome carries the new record number. Corrupt files change nothing.
FileOutcome<ImportOutcome> importShape(const QString &path, const ShapeLibrary &library, ShapeRecord &current);

} // namespace qx
