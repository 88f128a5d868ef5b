#pragma once
// A collection file: puzzle records one after another, no header. Record n starts at byte
// n * 69,623; a partial tail is not a puzzle, and a file with one is never written to. Every
// operation opens and closes the file.

#include "common/record_file.h"
#include "store/puzzle_record.h"

#include <QString>

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
    explicit CollectionFile(QString path);

    // Reads only each record's category and name.
    FileOutcome<CollectionIndex> reload() const;

    FileStatus createEmpty() const { return m_file.createEmpty(); }

    // Saves the buffer: appended when new, else written back at its record number. Returns the
    // record number it was saved at.
    FileOutcome<int> save(const PuzzleRecord &record, bool isNew, int recordNumber) const;
};

} // namespace qx
