#include "common/list_entry.h"

#include <algorithm>

namespace qx {

bool entryTextLess(std::string_view a, std::string_view b)
{
    // As every list of the program sorts: alphabetically, without regard to letter case.
    return QString::compare(cp1252::toUnicode(a), cp1252::toUnicode(b), Qt::CaseInsensitive) < 0;
}

void sortByText(std::vector<ListEntry> &entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ListEntry &a, const ListEntry &b) { return entryTextLess(a.text, b.text); });
}

} // namespace qx
