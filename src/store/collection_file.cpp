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
    index.listed = *read;
    return index;
}

FileOutcome<int> CollectionFile::save(const PuzzleRecord &record, PuzzlePlace &place) const
{
    const auto bytes = encodeRecord(record);
    if (place.isNew()) {
        const auto added = m_file.append(bytes);
        if (!added)
            return added.error();
        place = PuzzlePlace::read(*added, {bytes.begin(), bytes.end()});
        return *added;
    }
    // A place without the bytes read would check nothing: it is refused like a changed record.
    const auto replaced = place.asRead.empty() ? FileStatus(m_file.changedError())
                                               : m_file.replace(RecordCheck{place.number, place.asRead, {}}, bytes);
    if (!replaced)
        return replaced.error();
    place.asRead.assign(bytes.begin(), bytes.end());
    return place.number;
}

} // namespace qx
