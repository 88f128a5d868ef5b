#include "store/collection_file.h"

#include <unordered_map>

namespace qx {

CollectionIndex CollectionFile::reload() const
{
    CollectionIndex index;
    PString<20> category;
    PString<35> name;
    std::unordered_map<std::string, int> numbers;
    const bool opened = m_file.forEachPrefix(PuzzleRecord::ListedPrefix, [&](int n, std::span<const uint8_t> prefix) {
        PuzzleRecord::decodeListed(prefix, category, name);
        const auto [it, added] = numbers.try_emplace(category.str(), static_cast<int>(numbers.size()));
        if (added)
            index.CategoryList.push_back(it->first);
        index.PuzzleIndexList.push_back({name.str(), n, it->second});
    });
    if (!opened)
        return {};
    return index;
}

std::optional<PuzzleRecord> CollectionFile::read(int n) const
{
    const auto bytes = m_file.read(n);
    if (!bytes)
        return std::nullopt;
    return PuzzleRecord::decode(std::span<const uint8_t, PuzzleRecord::Size>(bytes->data(), PuzzleRecord::Size));
}

std::optional<int> CollectionFile::append(const PuzzleRecord &record) const
{
    return m_file.append(record.bytes());
}

bool CollectionFile::replace(int n, const PuzzleRecord &record) const
{
    return m_file.replace(n, record.bytes());
}

bool CollectionFile::save(const PuzzleRecord &record, bool isNew, int recordNumber) const
{
    if (isNew)
        return append(record).has_value();
    return replace(recordNumber, record);
}

} // namespace qx
