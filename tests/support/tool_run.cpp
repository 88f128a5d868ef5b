#include "support/tool_run.h"

#include <QProcess>

namespace qx::test {

ToolRun runDataTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEX_BINARY_DIR "/data/") + tool, arguments);
    ToolRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.errors = process.readAllStandardError().toStdString();
    return run;
}

} // namespace qx::test
