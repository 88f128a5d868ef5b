#pragma once
// A collection file: puzzle records one after another, no header. Record n starts at byte
// n * 69,623; a partial tail is not a puzzle. Every operation opens and closes the file.

#include "common/record_file.h"
#include "store/puzzle_record.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace qx {

struct PuzzleIndexEntry {
    std::string name; // PuzzleName bytes
    int record = 0;   // record number in the file
    int category = 0; // position in CategoryList
};

struct CollectionIndex {
    // Distinct categories in first-seen order; equal only when byte-identical.
    std::vector<std::string> CategoryList;
    // One entry per whole record, in record order.
    std::vector<PuzzleIndexEntry> PuzzleIndexList;
};

class CollectionFile : public TypedRecordFile<PuzzleRecord> {
public:
    explicit CollectionFile(QString path) : TypedRecordFile(std::move(path)) {}

    // Reads only each record's category and name. Empty lists when the file cannot be opened.
    CollectionIndex reload() const;

    std::optional<int> count() const { return m_file.count(); }
    bool createEmpty() const { return m_file.createEmpty(); }

    // Saves the buffer: appended when new, else written back at its record number.
    // False when the file can be neither opened nor created.
    bool save(const PuzzleRecord &record, bool isNew, int recordNumber) const;
};

} // namespace qx
