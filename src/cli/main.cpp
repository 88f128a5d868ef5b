// quorvex-cli: the collection, shape and layout files from the command line, for scripting, batch
// work and tests. Exit status 0 on success, 1 with one line on stderr for bad input.

#include "cli/commands.h"
#include "cli/ui/print_command.h"
#include "common/native_file.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>

namespace {

// Qt's own notes about the environment would break the promise of one line on stderr.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quorvex-cli: %s\n", message.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    // File names are bytes: each argument is kept exactly as the system gave it, even where it is
    // not UTF-8, so that the file it names is the file opened. Qt sees none of them, so that none
    // is taken for one of its own options (-platform, -style ...).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << qx::pathFromNative(QByteArray(argv[i]));

    qInstallMessageHandler(quietMessages);
    // A file-size limit makes a write fail with EFBIG, reported like any other failed write,
    // instead of killing the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    // Rendering measures text with real fonts, which needs a GUI application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const auto result = qx::cli::run(args, {qx::cli::printCommand()});
    if (!result.out.isEmpty())
        std::fputs(result.out.toUtf8().constData(), stdout);
    if (!result.error.isEmpty())
        std::fprintf(stderr, "quorvex-cli: %s\n", result.error.toUtf8().constData());
    return result.status;
}
