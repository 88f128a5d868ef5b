// Quorvex: builds crossword puzzles from a word list and puts them on paper, on screen and on the web.

#include "app/session.h"
#include "app/ui/about_box.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"
#include "common/native_file.h"
#include "common/paths.h"
#include "common/product.h"
#include "common/ui/ui_host.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>

#include <csignal>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // A file-size limit makes a save fail with EFBIG, reported in an error box, instead of killing
    // the program and losing the work not yet saved.
    std::signal(SIGXFSZ, SIG_IGN);
    // --version answers before any window system is needed, so that it works without a display.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", qx::ProductName, qx::ProductVersion);
            return 0;
        }
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(quorvex);
    QApplication::setApplicationName(QLatin1String(qx::ProductName));
    QApplication::setApplicationVersion(QLatin1String(qx::ProductVersion));

    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(qx::ProductName) + QStringLiteral(" crossword puzzle builder"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("Directory of the shape and layout libraries, help and "
                                                       "dictionaries (default: the per-user data directory)."),
                                        QStringLiteral("DIR"));
    parser.addOption(programDir);
    const QCommandLineOption userFolder(QStringLiteral("user-folder"),
                                        QStringLiteral("Start in ~/Quorvex instead of the current directory (made on "
                                                       "first use, with a copy of the sample collection)."));
    parser.addOption(userFolder);
    parser.addPositionalArgument(QStringLiteral("collection"), QStringLiteral("A puzzle collection to open."),
                                 QStringLiteral("[FILE.QX3]"));
    // File names travel as the system's bytes: a name that is not UTF-8 still opens. QApplication
    // has taken its own options out of argv by now.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << qx::pathFromNative(QByteArray(argv[i]));
    parser.process(arguments);

    qx::StartupOptions options;
    if (parser.isSet(programDir))
        options.programDir = parser.value(programDir);
    options.shippedDataDir = qx::findShippedDataDir(QCoreApplication::applicationDirPath());
    if (!options.shippedDataDir.isEmpty())
        options.translationsDir = options.shippedDataDir + QStringLiteral("/translations");
    options.startupDir = QDir::currentPath();
    if (parser.isSet(userFolder)) {
        if (const QString folder = qx::prepareUserFolder(QDir::homePath(), options.shippedDataDir); !folder.isEmpty())
            options.startupDir = folder;
    }
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        options.collection = files.first();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        options.screen = screen->size();

    qx::QtUiHost host;
    qx::Session session;
    auto window = qx::startUp(options, session, host);
    qx::installProgramWindows(*window, session, host);
    window->setWindowIcon(qx::programIcon());
    window->show();
    return app.exec();
}
