#pragma once
// The program's only top-level window: the categories of the open collection on the left, the
// puzzles of the chosen category on the right, and the commands in the menus and the toolbar.

#include <QMainWindow>

class QLabel;
class QListWidget;
class QToolBar;

namespace qx {

struct Session;
class UiHost;

class TMainWin : public QMainWindow {
    Q_OBJECT

public:
    TMainWin(Session &session, UiHost &host, QWidget *parent = nullptr);

    // Rebuilds both lists from the open file and shows the reselected or the first category.
    void LoadInPuzzles();
    void selectFirstPuzzle();
    // The caption: "Quorvex 98 (" + display name of the open file + ")".
    QString caption() const;

    QListWidget *categoryBox() const { return m_categoryBox; }
    QListWidget *puzzleBox() const { return m_puzzleBox; }

    // Writes the settings back; called once when the window closes.
    void saveSettings();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildLists();
    void showCategories();
    void showPuzzles();
    void CategoryBoxClick();
    void PuzzleBoxClick();

    Session &m_session;
    UiHost &m_host;
    QToolBar *m_toolBar = nullptr;
    QListWidget *m_categoryBox = nullptr;
    QListWidget *m_puzzleBox = nullptr;
    bool m_settingsSaved = false;
};

} // namespace qx
