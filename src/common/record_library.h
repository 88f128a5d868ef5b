#pragma once
// A library of records in the program directory (shapes, page layouts): records one after another,
// no header, each known by its record number. A missing file is an empty library, created by the
// first record added. Records travel between libraries as single-record exchange files.

#include "common/exchange_file.h"
#include "common/list_entry.h"
#include "common/record_file.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace qx {

template <typename Record>
class RecordLibrary : public TypedRecordFile<Record> {
public:
    // entryPrefix: the bytes at the start of a record that its list entry needs.
    RecordLibrary(QString path, const char *noun, int entryPrefix, const ExchangeFormat &exchange)
        : TypedRecordFile<Record>(std::move(path), noun), m_entryPrefix(entryPrefix), m_exchange(exchange)
    {
    }

    // Whole records; 0 when the file is missing.
    FileOutcome<int> count() const
    {
        if (!this->m_file.exists())
            return 0;
        return this->m_file.count();
    }

    // Reads an exchange file and appends its record; the outcome carries the new record number.
    // imported receives the record once it is read, even when the library cannot take it. A
    // corrupt file changes nothing.
    FileOutcome<ImportOutcome> importRecord(const QString &path, Record *imported = nullptr) const
    {
        const auto read = readExchangeFile(path, m_exchange);
        if (!read)
            return read.error();
        if (!*read)
            return ImportOutcome{ImportResult::Corrupt};
        const Record record = Record::decode(recordSpan<Record>(**read));
        if (imported)
            *imported = record;
        const auto n = this->append(record);
        if (!n)
            return n.error();
        return ImportOutcome{ImportResult::Imported, *n};
    }

protected:
    // One entry per record, its text made from the record decoded from its first bytes (the rest
    // zero), sorted by text. Empty when the file is missing.
    FileOutcome<EntryList> entries(const std::function<std::string(int, const Record &)> &entryText) const
    {
        EntryList out;
        if (!this->m_file.exists())
            return out;
        std::vector<uint8_t> bytes(Record::Size);
        const auto read = this->m_file.forEachPrefix(m_entryPrefix, [&](int n, std::span<const uint8_t> prefix) {
            std::copy(prefix.begin(), prefix.end(), bytes.begin());
            out.entries.push_back({n, entryText(n, Record::decode(recordSpan<Record>(bytes)))});
        });
        if (!read)
            return read.error();
        sortByText(out.entries);
        return out;
    }

private:
    int m_entryPrefix;
    ExchangeFormat m_exchange;
};

} // namespace qx
