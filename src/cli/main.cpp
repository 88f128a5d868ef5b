// quorvex-cli: the collection, shape and layout files from the command line, for scripting, batch
// work and tests. Exit status 0 on success, 1 with one line on stderr for bad input.

#include "cli/commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const auto result = qx::cli::run(args);
    if (!result.out.isEmpty())
        std::fputs(result.out.toUtf8().constData(), stdout);
    if (!result.error.isEmpty())
        std::fprintf(stderr, "quorvex-cli: %s\n", result.error.toUtf8().constData());
    return result.status;
}
