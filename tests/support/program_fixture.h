#pragma once
// The whole program offscreen: a start-up and a program directory of its own, a scripted host,
// the session, and the main window with every other window connected.

#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"
#include "store/settings.h"

#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QFile>

#include <memory>

namespace qx::test {

struct Program {
    TempDir startup;
    TempDir program;
    ScriptedUiHost host;
    Session session;
    std::unique_ptr<MainWindow> window;

    // shippedDataDir seeds the program directory (the built shapes, help and manual). The user has
    // a settings file of no keys, so that the settings are the defaults; a new user has none, and
    // starts with the first-run settings.
    explicit Program(const QString &shippedDataDir = {}, bool newUser = false)
    {
        if (!newUser) {
            QFile settings(startup.file(SettingsFileName.toString()));
            settings.open(QIODevice::WriteOnly);
        }
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup.path();
        options.shippedDataDir = shippedDataDir;
        window = startUp(options, session, host);
        installProgramWindows(*window, session, host);
    }
};

} // namespace qx::test
