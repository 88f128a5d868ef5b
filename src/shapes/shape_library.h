#pragma once
// The shape library "QXFLAY.DAT" in the program directory: ShapeRecords one after another, no
// header. A shape is known by its record number; a missing file is an empty library, created by
// the first shape added. Every operation opens and closes the file; failing to open is a result
// here, a failure after that throws IoError.

#include "common/exchange_file.h"
#include "common/list_entry.h"
#include "common/record_file.h"
#include "shapes/shape_record.h"

#include <QString>

#include <optional>

namespace qx {

class ShapeLibrary : public TypedRecordFile<ShapeRecord> {
public:
    static constexpr const char *FileName = "QXFLAY.DAT";

    explicit ShapeLibrary(QString filePath) : TypedRecordFile(std::move(filePath)) {}
    static ShapeLibrary inProgramDir(const QString &programDir);

    // Whole records; 0 when the file is missing or unreadable.
    int count() const;

    // One entry per record, sorted by entry text.
    EntryList list() const;
};

// Writes the shape as a ".LAY" file.
ExportResult exportShape(const QString &path, const ShapeRecord &shape);

// Reads a ".LAY" file. Once its record is read it becomes the current shape, and is then appended
// to the library; the outcome carries the new record number. Corrupt files change nothing.
ImportOutcome importShape(const QString &path, const ShapeLibrary &library, ShapeRecord &current);

} // namespace qx
