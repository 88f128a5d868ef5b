#include "common/list_entry.h"

#include <algorithm>

namespace qx {

bool entryTextLess(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

void sortByText(std::vector<ListEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ListEntry &a, const ListEntry &b) { return entryTextLess(a.text, b.text); });
}

} // namespace qx
