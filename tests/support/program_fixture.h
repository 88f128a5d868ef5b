#pragma once
// The whole program offscreen: a start-up and a program directory of its own, a scripted host,
// the session, and the main window with every other window connected.

#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"

#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <memory>

namespace qx::test {

struct Program {
    TempDir startup;
    TempDir program;
    ScriptedUiHost host;
    Session session;
    std::unique_ptr<MainWindow> window;

    // shippedDataDir seeds the program directory (the built shapes, help and manual).
    explicit Program(const QString &shippedDataDir = {})
    {
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup.path();
        options.shippedDataDir = shippedDataDir;
        window = startUp(options, session, host);
        installProgramWindows(*window, session, host);
    }
};

} // namespace qx::test
