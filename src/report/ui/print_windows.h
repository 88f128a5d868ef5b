#pragma once
// How the main window opens the printing windows.

class QWidget;

namespace qx {

struct PuzzleRecord;
struct Session;
class UiHost;

// The print options window for a copy of the record; the record itself is never changed.
void openPrintOptions(QWidget *parent, Session &session, UiHost &host, const PuzzleRecord &record);

// "Default Clue Headers": the headings new heading objects receive ("Across Label", "Down Label").
void openDefaultClueHeaders(QWidget *parent, Session &session, UiHost &host);

} // namespace qx
