#include "app/recent_files.h"

#include <algorithm>

namespace qx {

void updateRecentFiles(RecentFiles &files, const QString &previous, const QString &opened)
{
    const auto found = std::find(files.begin(), files.end(), opened);
    if (found != files.end()) {
        std::move(found + 1, files.end(), found);
        files.back().clear();
    }
    std::move_backward(files.begin(), files.end() - 1, files.end());
    files.front() = previous;
}

QString recentFileCaption(int k, const QString &path)
{
    return QStringLiteral("&%1   %2").arg(k).arg(path);
}

} // namespace qx
