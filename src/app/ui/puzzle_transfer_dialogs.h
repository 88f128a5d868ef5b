#pragma once
// Moving puzzles between collection files: the import and export dialogs and the commands that
// open them.

#include "common/ui/dialog_conventions.h"

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace qx {

struct Session;
class UiHost;
class MainWindow;

// A list of the puzzles of a collection, sorted, several selectable, each tagged with its record.
class PuzzlePicker : public QWidget {
    Q_OBJECT

public:
    PuzzlePicker(const QString &heading, QWidget *parent);
    void fill(const QString &collectionPath);
    // The selected records in list order.
    std::vector<int> selectedRecords() const;
    QListWidget *list() const { return m_list; }
    void selectAll();
    void clearAll();

Q_SIGNALS:
    void selectionChanged(bool any);

private:
    QListWidget *m_list;
};

class ImportPuzzlesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ImportPuzzlesDialog(MainWindow &main, const QString &path, QWidget *parent);
    PuzzlePicker *picker() const { return m_picker; }
    void onOkButtonClicked();

private:
    MainWindow &m_main;
    QString m_path;
    PuzzlePicker *m_picker;
    QPushButton *m_ok;
};

class ExportPuzzlesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ExportPuzzlesDialog(MainWindow &main, QWidget *parent);
    PuzzlePicker *picker() const { return m_picker; }
    void onSaveButtonClicked();

private:
    MainWindow &m_main;
    PuzzlePicker *m_picker;
    QPushButton *m_save;
};

// "&Import Puzzles": choose a file, then import from a collection or a previous-version file.
void runPuzzleImport(MainWindow &main, Session &session, UiHost &host);
// "&Export Puzzles".
void runPuzzleExport(MainWindow &main, Session &session, UiHost &host);

} // namespace qx
