#pragma once
// The collection files opened before the current one, newest first: five entries, empty ones
// allowed.

#include <QString>

#include <array>

namespace qx {

using RecentFiles = std::array<QString, 5>;

// Opening file opened while previous was open: an entry equal to the new file (exactly, letter
// case included) leaves the list, then the previous file goes first and the oldest falls off.
// The previous file goes in even when it is empty, as it was before.
void updateRecentFiles(RecentFiles &files, const QString &previous, const QString &opened);

// The menu caption of entry k (1..5): "&k", three spaces and the full path.
QString recentFileCaption(int k, const QString &path);

} // namespace qx
