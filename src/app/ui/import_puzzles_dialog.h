#pragma once
// "Import Crossword Puzzles": the puzzles of another collection file, to append the chosen ones to
// the open collection; and the command that opens it.

#include "common/ui/dialog_conventions.h"

class QPushButton;

namespace qx {

class MainWindow;
class PuzzlePicker;
struct Session;
class UiHost;

class ImportPuzzlesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ImportPuzzlesDialog(MainWindow &main, const QString &path, QWidget *parent);
    PuzzlePicker *picker() const { return m_picker; }
    void acceptEntries();

private:
    MainWindow &m_main;
    QString m_path;
    PuzzlePicker *m_picker;
    QPushButton *m_ok;
};

// "&Import Puzzles": choose a file, then import from a collection or a previous-version file.
void runPuzzleImport(MainWindow &main, Session &session, UiHost &host);

} // namespace qx
