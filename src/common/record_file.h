#pragma once
// A file of fixed-size records with no header: collections, shape and layout libraries. Each
// operation opens the file, does its work and closes it again; nothing stays open between
// commands, and every operation reports through FileOutcome.
//
// Reading never locks: a reader sees the file either before or after any write, because writes
// never change a file in place. Every write (append, replace, remove, createEmpty) takes an
// exclusive flock() on the file, re-reads its size under the lock, writes the whole new file
// beside it under a temporary name, flushes it to disk and renames it over the old one, through
// StagedFile (common/file_writing.h, which also holds the rules for links, read-only files and
// leftovers of killed writers). A kill at any moment therefore leaves either the old file or the
// new one, and a failed write leaves the old one byte for byte. flock() rather than fcntl() locks,
// because fcntl() locks belong to the process (any close() of the file in that process drops them,
// and threads do not exclude each other), while flock() belongs to the open file.
//
// The lock is taken on the file itself, not on a lock file beside it (which would litter the
// user's folder and outlive crashes). Since a write replaces the file, a writer that waited for
// the lock may hold it on a file that is no longer there: after locking, each writer checks that
// the path still names the file it locked, and starts again when it does not.
//
// A file whose size is not a whole number of records is damaged or another kind of file: it is
// read as whole records plus an ignored tail, but every write to it is refused (NotRecordFile).
// A folder that cannot take the temporary file (no write permission) refuses every write, even
// when the file itself is writable.
//
// A command that acts on a record by a number it read earlier (a window saving a puzzle back,
// deleting the puzzle a list shows) passes a RecordCheck: under the lock the write first checks that
// the record at that number is still the one it read, and refuses with Changed, writing nothing,
// when another program changed it meanwhile. Record numbers shift when a record is removed, so
// without the check a save would overwrite the wrong record.

#include "common/file_outcome.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace qx {

// What a file was when it was read: the file itself (device and inode), its size and its last
// change. Every write of a record file puts a new file in place, so while the stamp is the same the
// records are the ones read.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;
};

// What a command saw of record `number` before it acts on it: the record's bytes as read (empty:
// not compared) and the file as it was when listed (none: not compared).
struct RecordCheck {
    int number = -1;
    std::span<const uint8_t> bytes;
    std::optional<FileStamp> listed;
};

class RecordFile {
public:
    // noun names the kind of file in the refusal of a damaged one ("puzzle collection"); it is
    // translated in the "qx" context.
    RecordFile(QString path, int recordSize, const char *noun = "record file")
        : m_path(std::move(path)), m_size(recordSize), m_noun(noun)
    {
    }

    const QString &path() const { return m_path; }
    int recordSize() const { return m_size; }

    // True when the path names something (a file, a FIFO, a dangling link counts as nothing).
    bool exists() const;

    // Whole records in the file; a partial tail does not count.
    FileOutcome<int> count() const;

    // The file as it is now (a link followed).
    FileOutcome<FileStamp> stamp() const;

    // Reads the first prefixBytes of every whole record, in file order; the stamp of the file read.
    FileOutcome<FileStamp> forEachPrefix(int prefixBytes,
                                         const std::function<void(int, std::span<const uint8_t>)> &visit) const;

    // Reads record n whole; an Io error when record n is not there in full. With `listed`, a file
    // that is no longer the one listed is refused with Changed: record n may be another record now.
    FileOutcome<std::vector<uint8_t>> read(int n, const std::optional<FileStamp> &listed = std::nullopt) const;

    // Appends one or more whole records after the last one, creating the file if it is missing;
    // returns the number of the first record added. An empty span creates a missing file and
    // changes nothing else.
    FileOutcome<int> append(std::span<const uint8_t> records) const;

    // Overwrites record n; an Io error when there is no record n.
    FileStatus replace(int n, std::span<const uint8_t> record) const { return replace(RecordCheck{n, {}, {}}, record); }
    // ... only while the record is still what the check saw; Changed, and nothing written, when not.
    FileStatus replace(const RecordCheck &check, std::span<const uint8_t> record) const;

    // Removes record n; later records move down by one.
    FileStatus remove(int n) const { return remove(RecordCheck{n, {}, {}}); }
    FileStatus remove(const RecordCheck &check) const;

    // Makes the file hold exactly the records given (none: an empty file), creating it when it is
    // missing. An existing file is replaced only when it is a record file: a text file named like
    // a collection is not wiped.
    FileStatus writeAll(std::span<const uint8_t> records) const;
    FileStatus createEmpty() const { return writeAll({}); }

    // The refusal of a command whose record another program changed after the command read it.
    FileError changedError() const;

    // How long a writer waits for another program's lock before giving up with Locked.
    static void setLockTimeout(std::chrono::milliseconds timeout);

private:
    struct Piece;
    using Plan = std::function<FileOutcome<std::vector<Piece>>(qint64 oldSize)>;
    FileStatus rewrite(bool createMissing, bool refuseDamaged, const Plan &plan,
                       const RecordCheck *check = nullptr) const;
    // Rewrites the file with the checked record taken out, and `with` in its place when given.
    FileStatus spliceRecord(const RecordCheck &check, std::optional<std::span<const uint8_t>> with) const;
    FileError notRecordFile() const;
    FileStatus checkUnchanged(int fd, const FileStamp &now, const RecordCheck &check) const;

    QString m_path;
    int m_size;
    const char *m_noun;
};

// The whole-record span a decoder takes, from bytes known to hold one record.
template <typename Record>
std::span<const uint8_t, Record::Size> recordSpan(std::span<const uint8_t> bytes)
{
    return std::span<const uint8_t, Record::Size>(bytes.data(), Record::Size);
}

template <typename Record>
std::array<uint8_t, Record::Size> encodeRecord(const Record &record)
{
    std::array<uint8_t, Record::Size> bytes{};
    record.encode(bytes);
    return bytes;
}

// A record file of one record type: records go in and come out decoded.
template <typename Record>
class TypedRecordFile {
public:
    TypedRecordFile(QString path, const char *noun) : m_file(std::move(path), Record::Size, noun) {}

    const QString &path() const { return m_file.path(); }
    const RecordFile &file() const { return m_file; }

    FileOutcome<int> count() const { return m_file.count(); }

    // An Io error when record n is not there in full.
    FileOutcome<Record> read(int n) const
    {
        const auto bytes = m_file.read(n);
        if (!bytes)
            return bytes.error();
        return Record::decode(recordSpan<Record>(*bytes));
    }
    // The new record's number (the count before).
    FileOutcome<int> append(const Record &record) const { return m_file.append(encodeRecord(record)); }
    FileStatus replace(int n, const Record &record) const { return m_file.replace(n, encodeRecord(record)); }
    // Later records move down by one and the file shrinks by one record.
    FileStatus remove(int n) const { return m_file.remove(n); }

protected:
    RecordFile m_file;
};

} // namespace qx
