#pragma once
// "Export Crossword Puzzles": the puzzles of the open collection, to write the chosen ones into
// another collection file; and the command that opens it.

#include "common/ui/dialog_conventions.h"

class QPushButton;

namespace qx {

class MainWindow;
class PuzzlePicker;
struct Session;
class UiHost;

class ExportPuzzlesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ExportPuzzlesDialog(MainWindow &main, QWidget *parent);
    PuzzlePicker *picker() const { return m_picker; }
    void exportChosen();

private:
    MainWindow &m_main;
    PuzzlePicker *m_picker;
    QPushButton *m_save;
};

// "&Export Puzzles".
void runPuzzleExport(MainWindow &main, Session &session, UiHost &host);

} // namespace qx
