#pragma once
// A file of fixed-size records with no header: collections, shape and layout libraries. Each
// operation opens the file, does its work and closes it again; nothing stays open between
// commands. Failing to open is a result the caller reports in its own words; a failure after the
// file was opened throws IoError.

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace qx {

class RecordFile {
public:
    RecordFile(QString path, int recordSize) : m_path(std::move(path)), m_size(recordSize) {}

    const QString &path() const { return m_path; }
    int recordSize() const { return m_size; }

    // Whole records in the file; a partial tail does not count. Empty when it cannot be opened.
    std::optional<int> count() const;

    // Reads the first prefixBytes of every whole record, in file order. False when the file
    // cannot be opened for reading.
    bool forEachPrefix(int prefixBytes, const std::function<void(int, std::span<const uint8_t>)> &visit) const;

    // Reads record n whole. Empty when the file cannot be opened; IoError when the record is not
    // there in full.
    std::optional<std::vector<uint8_t>> read(int n) const;

    // Writes after the last whole record, creating the file if needed; returns the new record's
    // number, or empty when the file can be neither opened nor created.
    std::optional<int> append(std::span<const uint8_t> record) const;

    // Overwrites record n, creating the file if needed; false when it cannot be opened.
    bool replace(int n, std::span<const uint8_t> record) const;

    // Moves every later record down by one and cuts the file after the new last record; false
    // when the file cannot be opened for writing.
    bool remove(int n) const;

    // Opens the file for update, creating it when needed; false when neither works.
    bool openOrCreate() const;

    // Creates or truncates the file to zero length; false when that fails.
    bool createEmpty() const;

private:
    QString m_path;
    int m_size;
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
    explicit TypedRecordFile(QString path) : m_file(std::move(path), Record::Size) {}

    const QString &path() const { return m_file.path(); }
    const RecordFile &file() const { return m_file; }

    // Empty when the file cannot be opened; IoError when record n is not there in full.
    std::optional<Record> read(int n) const
    {
        const auto bytes = m_file.read(n);
        if (!bytes)
            return std::nullopt;
        return Record::decode(recordSpan<Record>(*bytes));
    }
    // The new record's number (the count before), or empty when the file can be neither opened
    // nor created.
    std::optional<int> append(const Record &record) const { return m_file.append(encodeRecord(record)); }
    // False when the file can be neither opened nor created.
    bool replace(int n, const Record &record) const { return m_file.replace(n, encodeRecord(record)); }
    // Later records move down by one and the file shrinks by one record; false when the file
    // cannot be opened for writing.
    bool remove(int n) const { return m_file.remove(n); }

protected:
    RecordFile m_file;
};

} // namespace qx
