#pragma once
// Runs one of the build's tools (a compiler of shipped data) as the build does: a separate
// process, its exit status and what it wrote on standard error.

#include <QString>
#include <QStringList>

#include <string>

namespace qx::test {

struct ToolRun {
    int exitCode = -1; // -1 when it did not finish normally within 30 seconds
    std::string errors;
};

// `tool` is a file name in the build tree's data folder.
ToolRun runDataTool(const QString &tool, const QStringList &arguments);

} // namespace qx::test
