#include "store/collection_file.h"

#include <QtGlobal>

#include <unordered_map>

namespace qx {

CollectionFile::CollectionFile(QString path)
    : TypedRecordFile(std::move(path), QT_TRANSLATE_NOOP("qx", "puzzle collection"))
{
}

FileOutcome<CollectionIndex> CollectionFile::reload() const
{
    CollectionIndex index;
    PString<20> category;
    PString<35> name;
    std::unordered_map<std::string, int> numbers;
    const auto read = m_file.forEachPrefix(PuzzleRecord::ListedPrefix, [&](int n, std::span<const uint8_t> prefix) {
        PuzzleRecord::decodeListed(prefix, category, name);
        const auto [it, added] = numbers.try_emplace(category.str(), static_cast<int>(numbers.size()));
        if (added)
            index.CategoryList.push_back(it->first);
        index.PuzzleIndexList.push_back({name.str(), n, it->second});
    });
    if (!read)
        return read.error();
    return index;
}

FileOutcome<int> CollectionFile::save(const PuzzleRecord &record, bool isNew, int recordNumber) const
{
    if (isNew)
        return append(record);
    const auto replaced = replace(recordNumber, record);
    if (!replaced)
        return replaced.error();
    return recordNumber;
}

} // namespace qx
