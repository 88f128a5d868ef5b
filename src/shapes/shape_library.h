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

class ShapeLibrary {
public:
    static constexpr const char *FileName = "QXFLAY.DAT";

    explicit ShapeLibrary(QString filePath) : m_file(std::move(filePath), ShapeRecord::Size) {}
    static ShapeLibrary inProgramDir(const QString &programDir);

    const QString &path() const { return m_file.path(); }

    // Whole records; 0 when the file is missing or unreadable.
    int count() const;

    // One entry per record, sorted by entry text.
    EntryList list() const;

    // Empty when the file cannot be opened; IoError when record n is not there in full.
    std::optional<ShapeRecord> read(int n) const;

    // The new record's number (the count before), or empty when the file can be neither opened
    // nor created.
    std::optional<int> append(const ShapeRecord &shape) const;

    // False when the file can be neither opened nor created.
    bool replace(int n, const ShapeRecord &shape) const;

    // Later records move down by one and the file shrinks by one record. False when the file
    // cannot be opened for writing.
    bool remove(int n) const;

private:
    RecordFile m_file;
};

// Writes the shape as a ".LAY" file.
ExportResult exportShape(const QString &path, const ShapeRecord &shape);

// Reads a ".LAY" file. Once its record is read it becomes the current shape, and is then appended
// to the library; the outcome carries the new record number. Corrupt files change nothing.
ImportOutcome importShape(const QString &path, const ShapeLibrary &library, ShapeRecord &current);

} // namespace qx
