#pragma once

namespace qx {

struct Session;
class MainWindow;
class UiHost;

// Connects the main window's commands to the windows of the rest of the program.
void installProgramWindows(MainWindow &main, Session &session, UiHost &host);

} // namespace qx
