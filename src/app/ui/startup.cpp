#include "app/ui/startup.h"

#include "app/recent_files.h"
#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/startup_conversion.h"
#include "common/dialog_look.h"
#include "common/native_file.h"
#include "common/paths.h"
#include "common/translations.h"
#include "common/ui/ui_host.h"

#include <QDir>

#include <cerrno>

#include <sys/stat.h>

namespace qx {

std::unique_ptr<MainWindow> startUp(const StartupOptions &options, Session &session, UiHost &host)
{
    session.paths.programDir = resolveProgramDir(options.programDir);
    session.paths.startupDir = withoutTrailingSlash(options.startupDir);
    const QStringList unseeded = seedProgramDir(options.shippedDataDir, session.paths.programDir);

    // Settings that cannot be read (a folder, a FIFO, no permission) leave the defaults; the user is
    // told once the main window is up, and the file is not overwritten on leaving.
    // No settings file at all is a new user: the file written on leaving is created from the
    // first-run settings.
    struct stat st {};
    const bool newUser = ::lstat(nativePath(session.settingsPath()).constData(), &st) != 0 && errno == ENOENT;
    auto settings = loadSettings(session.settingsPath(), session.paths.startupDir);
    session.settings = !settings ? Settings::defaults(session.paths.startupDir)
                       : newUser ? Settings::firstRun(session.paths.startupDir)
                                 : *settings;
    // The windows are built in their language; a change of it takes effect at the next start.
    if (!options.translationsDir.isEmpty())
        installTranslations(chooseLanguage(session.settings.misc.language), options.translationsDir);
    if (options.collection && !options.collection->isEmpty()) {
        const QString path = QDir(session.paths.startupDir).absoluteFilePath(*options.collection);
        auto &misc = session.settings.misc;
        updateRecentFiles(misc.lastFiles, misc.lastCollection, path);
        misc.lastCollection = path;
    }
    if (options.screen)
        session.screen = *options.screen;
    session.screenFactor = screenFactorFor(session.settings.misc.windowSize, session.screen);
    // Languages and thesauri whose data is missing are offered disabled; settings that name one fall back.
    session.lexicon = LexiconAvailability::inProgramDir(session.paths.programDir);
    auto &misc = session.settings.misc;
    misc.dictionary = availableDictionary(misc.dictionary, session.lexicon);
    misc.thesaurus = availableThesaurus(misc.thesaurus, session.lexicon);

    auto window = std::make_unique<MainWindow>(session, host);
    window->loadInPuzzles();
    window->selectFirstPuzzle();
    if (!unseeded.isEmpty()) {
        host.message(window.get(), QObject::tr("Warning"),
                     QObject::tr("These files could not be copied into %1: %2")
                         .arg(QDir::toNativeSeparators(session.paths.programDir), unseeded.join(QStringLiteral(", "))),
                     Buttons::Ok);
    }
    if (!settings)
        host.fileError(window.get(), settings.error(),
                       QObject::tr("The settings could not be read; the program starts with its defaults."));
    convertPreviousVersionFiles(window.get(), host, session);
    return window;
}

} // namespace qx
