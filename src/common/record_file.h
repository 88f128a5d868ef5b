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
// new one, and a failed write leaves the old one byte for byte. flock() rather than fcntl() locks, because fcntl()
// locks belong to the process (any close() of the file in that process drops them, and threads do not exclude each
// other), while flock() belongs to the open file.
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

#include "common/file_outcome.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qx {

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

    // Reads the first prefixBytes of every whole record, in file order.
    FileStatus forEachPrefix(int prefixBytes, const std::function<void(int, std::span<const uint8_t>)> &visit) const;

    // Reads record n whole; an Io error when record n is not there in full.
    FileOutcome<std::vector<uint8_t>> read(int n) const;

    // Appends one or more whole records after the last one, creating the file if it is missing;
    // returns the number of the first record added. An empty span creates a missing file and
    // changes nothing else.
    FileOutcome<int> append(std::span<const uint8_t> records) const;

    // Overwrites record n; an Io error when there is no record n.
    FileStatus replace(int n, std::span<const uint8_t> record) const;

    // Removes record n; later records move down by one.
    FileStatus remove(int n) const;

    // Makes the file hold exactly the records given (none: an empty file), creating it when it is
    // missing. An existing file is replaced only when it is a record file: a text file named like
    // a collection is not wiped.
    FileStatus writeAll(std::span<const uint8_t> records) const;
    FileStatus createEmpty() const { return writeAll({}); }

    // How long a writer waits for another program's lock before giving up with Locked.
    static void setLockTimeout(std::chrono::milliseconds timeout);

private:
    struct Piece;
    using Plan = std::function<FileOutcome<std::vector<Piece>>(qint64 oldSize)>;
    FileStatus rewrite(bool createMissing, bool refuseDamaged, const Plan &plan) const;
    FileError notRecordFile() const;

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
