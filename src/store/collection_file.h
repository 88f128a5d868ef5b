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
    // The file the lists were read from: a command acting on a listed record number checks it.
    FileStamp listed;
};

// Where a puzzle goes when it is saved: appended (a new puzzle or a copy), or written back over
// the record it was read from. `asRead` holds that record's bytes as they were read: the save goes
// ahead only while the record at that number still holds them (another program may have deleted
// or replaced puzzles meanwhile), and afterwards holds the bytes written, so that a window may
// save the same puzzle again.
struct PuzzlePlace {
    int number = -1; // -1: a new puzzle
    std::vector<uint8_t> asRead;

    bool isNew() const { return number < 0; }
    static PuzzlePlace read(int number, std::vector<uint8_t> bytes) { return PuzzlePlace{number, std::move(bytes)}; }
};

class CollectionFile : public TypedRecordFile<PuzzleRecord> {
public:
    explicit CollectionFile(QString path);

    // Reads only each record's category and name.
    FileOutcome<CollectionIndex> reload() const;

    FileStatus createEmpty() const { return m_file.createEmpty(); }

    // Saves the buffer at its place: appended when new, else written back over the record it was
    // read from, provided that record still holds the bytes read (Changed, and nothing written,
    // when not). Returns the record number it was saved at; the place then names the record saved.
    FileOutcome<int> save(const PuzzleRecord &record, PuzzlePlace &place) const;
};

} // namespace qx
