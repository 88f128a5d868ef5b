#pragma once

namespace qx {

struct Session;
class TMainWin;
class UiHost;

// Connects the main window's commands to the windows of the rest of the program.
void installProgramWindows(TMainWin &main, Session &session, UiHost &host);

} // namespace qx
