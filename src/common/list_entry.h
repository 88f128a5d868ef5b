#pragma once
// An entry of a library list (shapes, page layouts): the text the user sees and the record number
// it stands for. The lists keep their entries ordered by text, so the record number, not the list
// position, is what identifies a record.

#include "common/cp1252.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace qx {

struct ListEntry {
    int recordNumber = 0;
    std::string text; // Windows-1252 bytes

    QString displayText() const { return cp1252::toUnicode(text); }

    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};

// The entries of a library file. Nothing found (a missing, unreadable or empty file) is what the
// windows warn about; both cases look the same to the user.
struct EntryList {
    std::vector<ListEntry> entries;

    bool nothingFound() const { return entries.empty(); }
};

// Alphabetically without regard to letter case, as the main window's lists sort too; a text comes
// before every longer text it begins, digits before letters, so "15x15 Star" sorts before
// "5x5 Heart" whatever the names.
bool entryTextLess(std::string_view a, std::string_view b);

// Orders entries by text; entries with equal texts keep their record order.
void sortByText(std::vector<ListEntry> &entries);

} // namespace qx
