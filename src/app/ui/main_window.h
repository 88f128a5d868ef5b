#pragma once
// The program's only top-level window: the categories of the open collection on the left, the
// puzzles of the chosen category on the right, and every command in the menus and on the toolbar.

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPrinter;
class QToolBar;

namespace qx {

struct FileError;
struct PuzzleRecord;
struct Session;
class UiHost;

// How many columns and rows of tiles cover an area, starting at its top-left corner.
QSize tileCounts(QSize area, QSize tile);

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Session &session, UiHost &host, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Windows of other parts of the program, opened from here once they exist. A command whose
    // window is not there yet stays disabled.
    struct Windows {
        std::function<void(MainWindow &)> newPuzzle;    // the word list editor for a new puzzle
        std::function<void(MainWindow &)> modifyPuzzle; // ... for the selected puzzle
        std::function<void(MainWindow &)> copyPuzzle;   // ... for a copy of it
        std::function<void(MainWindow &)> puzzleWords;  // manual word placement
        std::function<void(MainWindow &, const PuzzleRecord &)> printOptions;
        std::function<void(MainWindow &)> pageLayouts;  // the layout library
        std::function<void(MainWindow &)> shapeLibrary; // the shape library
        std::function<void(MainWindow &)> tipOfTheDay;
        std::function<void(MainWindow &)> manualNotice;
        std::function<void(MainWindow &)> aboutBox;
        std::function<void(MainWindow &, const QString &)> help;        // at a keyword, or the contents
        std::function<void(MainWindow &)> clueHeaders;                  // the default clue headings
        std::function<void(MainWindow &)> internationalChars;           // the keys F1..F12 type
        std::function<void(MainWindow &)> wordSeparators;               // characters the grid shows
        std::function<void(MainWindow &, bool include)> dictionaryList; // the user's right or wrong words
        std::function<void(MainWindow &)> jpegFactor;                   // the quality of JPEG pictures
    };
    void setWindows(Windows windows);

    // Rebuilds both lists from the open file and shows the reselected or the first category.
    void loadInPuzzles();
    void selectFirstPuzzle();
    // The caption: "Quorvex 98 (" + display name of the open file + ")".
    QString caption() const;
    void setCaption();
    // Enables the five puzzle commands exactly when a puzzle entry is selected.
    void updateActions();

    // Every command of the menus; the toolbar carries some of them.
    // One named pointer per control, as in every window: the lists are alike in form only.
    struct Actions {
        QAction *newCollection = nullptr;
        QAction *openCollection = nullptr;
        QAction *newPuzzle = nullptr;
        QAction *modifyPuzzle = nullptr;
        QAction *copyPuzzle = nullptr;
        QAction *deletePuzzle = nullptr;
        QAction *importPuzzles = nullptr;
        QAction *exportPuzzles = nullptr;
        QAction *printPuzzle = nullptr;
        QAction *printerSetup = nullptr;
        QAction *exit = nullptr;
        std::array<QAction *, 5> recentFiles{};
        QAction *pageLayout = nullptr;
        QAction *puzzleShape = nullptr;
        QAction *puzzleWords = nullptr;
        std::array<QAction *, 4> screenSizes{}; // 640 x 480 .. 1280 x 1024
        std::vector<QAction *> programLanguages; // "System Language", then programLanguages()' order
        QAction *backgroundBitmap = nullptr;
        QAction *jpegFactor = nullptr;
        QAction *colors256 = nullptr;
        QAction *colors16M = nullptr;
        QAction *internationalChars = nullptr;
        QAction *clueHeaders = nullptr;
        QAction *wordSeparators = nullptr;
        std::vector<QAction *> dictionaries; // in menu order, "Choose At Spell Check Time" first
        QAction *addToDictionary = nullptr;
        QAction *excludeFromDictionary = nullptr;
        std::vector<QAction *> thesauri; // in menu order
        QAction *labelFont = nullptr;
        QAction *editFont = nullptr;
        QAction *buttonFont = nullptr;
        QAction *helpContents = nullptr;
        QAction *userManual = nullptr;
        QAction *tips = nullptr;
        QAction *dataExchange = nullptr;
        QAction *about = nullptr;
    };
    const Actions &actions() const { return m_actions; }
    // The "Screen Size" item of a window size (640, 800, 1024 or 1280).
    QAction *screenSizeAction(int windowSize) const;

    QListWidget *categoryBox() const { return m_categoryBox; }
    QListWidget *puzzleBox() const { return m_puzzleBox; }
    Session &session() { return m_session; }
    UiHost &host() { return m_host; }

    // The commands, by the names of their menu items.
    void createCollection();
    void chooseCollection();
    void deleteSelectedPuzzle();
    void showImportPuzzles();
    void showExportPuzzles();
    void printSelectedPuzzle();
    void setUpPrinter();
    void openRecent(int k);
    void setWindowSize(int windowSize);
    // Stores the windows' language (a code, or empty to follow the system) for the next start.
    void setProgramLanguage(const QString &code);
    void toggleBackgroundBitmap();
    void chooseUserFont(int which); // 0 label, 1 edit, 2 button
    void modifySelectedPuzzle();

    // Reads the selected puzzle into the current buffer, and where it was read from into the
    // session's current place; the message when it cannot be read. A collection that another
    // program changed since the lists were read is refused and the lists show it again.
    bool readSelectedPuzzle(const QString &failureMessage);
    // The selected puzzle's record number, or a message when none is selected.
    std::optional<int> requireSelectedPuzzle();

    // Writes the settings back; called once when the window closes.
    void saveSettings();
    // Sizes the window by the screen factor and places it as at start-up.
    void applyScreenFactor();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildOptionsMenu();
    void buildScreenSizeMenu(QMenu *options);
    void buildProgramLanguageMenu(QMenu *options);
    void buildPictureColourMenu(QMenu *options);
    void buildLanguageMenus(QMenu *options);
    void buildHelpMenu();
    void showSettingsInMenus();
    void buildToolBar();
    void buildLists();
    void showCategories();
    void showPuzzles();
    void showCategory();
    void onPuzzleSelectionChanged();
    // The command that opens one of the other windows, when it is there.
    std::function<void()> opener(std::function<void(MainWindow &)> Windows::*window);
    // ... and one that needs a selected puzzle first.
    std::function<void()> puzzleOpener(std::function<void(MainWindow &)> Windows::*window);
    void refreshRecentMenu();
    // Tells that another program changed the collection, and what was not done; shows the file as
    // it is now.
    void refuseChanged(const FileError &error, const QString &notDone);
    // Reloads the lists from the file, keeping the category and puzzle selected when still there.
    void reloadShowingChange();
    void openCollection(const QString &path);
    void updateWindowsAvailability();
    QAction *addAction(QMenu *menu, const QString &name, const QString &text, const QKeySequence &shortcut,
                       const QString &hint, std::function<void()> handler);
    QAction *addChoice(QMenu *menu, QActionGroup *group, const QString &name, const QString &text,
                       const QKeySequence &shortcut, std::function<void()> handler);

    Session &m_session;
    UiHost &m_host;
    Windows m_windows;
    std::unique_ptr<QPrinter> m_printer;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_client = nullptr;
    QListWidget *m_categoryBox = nullptr;
    QListWidget *m_puzzleBox = nullptr;
    QLabel *m_categoryCaption = nullptr;
    QLabel *m_puzzleCaption = nullptr;
    Actions m_actions;
    QAction *m_recentSeparator = nullptr;
    bool m_settingsSaved = false;
    bool m_activatedOnce = false;
    bool m_shownOnce = false;
};

} // namespace qx
