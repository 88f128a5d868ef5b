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

bool CollectionFile::save(const PuzzleRecord &record, bool isNew, int recordNumber) const
{
    if (isNew)
        return append(record).has_value();
    return replace(recordNumber, record);
}

} // namespace qx
