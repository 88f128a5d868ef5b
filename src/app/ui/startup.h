#pragma once
// Start-up in its fixed order: directories, settings, the open collection with its first puzzle
// selected, the previous version's files, then the main window is shown.

#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace qx {

struct Session;
class MainWindow;
class UiHost;

struct StartupOptions {
    std::optional<QString> programDir; // --program-dir
    QString startupDir;                // the current directory at start
    QString shippedDataDir;            // seeds the program directory; may be empty
    std::optional<QSize> screen;       // the screen's size in pixels, read once
    // A collection named on the command line ("quorvex FILE.QX3", a double click in a file
    // manager): opened instead of the last one, and put at the top of the recent files.
    std::optional<QString> collection;
    // Where the windows' translations are; empty leaves the texts as they are (English).
    QString translationsDir;
};

// Fills the session and builds the main window, not yet shown.
std::unique_ptr<MainWindow> startUp(const StartupOptions &options, Session &session, UiHost &host);

} // namespace qx
