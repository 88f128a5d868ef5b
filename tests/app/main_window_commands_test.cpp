#include "app/recent_files.h"
#include "app/session.h"
#include "app/ui/export_puzzles_dialog.h"
#include "app/ui/import_puzzles_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/puzzle_picker.h"
#include "app/ui/startup.h"
#include "common/dialog_look.h"
#include "common/ui/ui_host.h"
#include "store/puzzle_transfer.h"

#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

struct App {
    TempDir startup;
    TempDir program;
    ScriptedUiHost host;
    Session session;
    std::unique_ptr<MainWindow> window;

    QString path(const QString &name) const { return startup.file(name); }

    void collection(const QString &name, std::initializer_list<std::pair<std::string, std::string>> puzzles)
    {
        const CollectionFile file(path(name));
        ASSERT_TRUE(file.createEmpty());
        for (const auto &[category, title] : puzzles) {
            PuzzleRecord r;
            r.Category.set(category);
            r.PuzzleName.set(title);
            r.PuzzleBuilt = 1;
            ASSERT_TRUE(file.append(r));
        }
    }

    void start()
    {
        StartupOptions options;
        options.programDir = program.path();
        options.startupDir = startup.path();
        window = startUp(options, session, host);
    }

    std::vector<std::string> namesIn(const QString &name)
    {
        std::vector<std::string> out;
        const auto index = CollectionFile(path(name)).reload();
        for (const auto &p : index.value().PuzzleIndexList)
            out.push_back(p.name);
        return out;
    }
};

QStringList items(const QListWidget *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}

} // namespace

TEST(RecentFiles, OpenedFilesQueueUpNewestFirst)
{
    RecentFiles files;
    updateRecentFiles(files, "A", "B");
    EXPECT_EQ(files, (RecentFiles{"A", "", "", "", ""}));
    updateRecentFiles(files, "B", "C");
    EXPECT_EQ(files, (RecentFiles{"B", "A", "", "", ""}));
    updateRecentFiles(files, "C", "A"); // choosing A from the list
    EXPECT_EQ(files, (RecentFiles{"C", "B", "", "", ""}));
    for (const char *f : {"D", "E", "F", "G"})
        updateRecentFiles(files, f, "x");
    EXPECT_EQ(files, (RecentFiles{"G", "F", "E", "D", "C"}));
    EXPECT_EQ(recentFileCaption(2, "/home/a/B.QX3"), QStringLiteral("&2   /home/a/B.QX3"));
}

TEST(MainWindowCollections, OpeningFilesFillsTheRecentMenu)
{
    App app;
    app.collection("A.QX3", {{"One", "a"}});
    app.collection("B.QX3", {{"Two", "b"}});
    app.collection("C.QX3", {{"Three", "c"}});
    app.session.settings.misc.lastCollection = app.path("A.QX3");
    QFile ini(app.path("QXMOR3.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Misc]\nLast Group=" + app.path("A.QX3") + "\n").toUtf8());
    ini.close();
    app.start();
    EXPECT_FALSE(app.window->actions().recentFiles[0]->isVisible());

    app.host.pickFile(app.path("B.QX3"));
    app.window->chooseCollection();
    app.host.pickFile(app.path("C.QX3"));
    app.window->chooseCollection();
    EXPECT_EQ(app.session.settings.misc.lastFiles[0], app.path("B.QX3"));
    EXPECT_EQ(app.session.settings.misc.lastFiles[1], app.path("A.QX3"));
    EXPECT_EQ(app.window->actions().recentFiles[1]->text(), QStringLiteral("&2   ") + app.path("A.QX3"));
    EXPECT_EQ(app.window->windowTitle(), QStringLiteral("Quorvex 98 (C)"));

    app.window->openRecent(2);
    EXPECT_EQ(app.session.collectionPath(), app.path("A.QX3"));
    EXPECT_EQ(app.session.settings.misc.lastFiles[0], app.path("C.QX3"));
    EXPECT_EQ(app.session.settings.misc.lastFiles[1], app.path("B.QX3"));
    EXPECT_FALSE(app.window->actions().recentFiles[2]->isVisible());
    EXPECT_EQ(items(app.window->categoryBox()), QStringList{"One"});
}

TEST(MainWindowCollections, AFileThatIsNotACollectionIsRefusedAndTheOpenOneStays)
{
    App app;
    app.collection("DEFAULT.QX3", {{"Kept", "k"}});
    app.start();
    app.host.pickFile(app.path("OLD.QXM"));
    app.window->chooseCollection();
    ASSERT_EQ(app.host.messages().size(), 1u);
    EXPECT_EQ(app.host.messages()[0].text, QStringLiteral("The file selected is not a valid Crossword file."));
    EXPECT_EQ(app.session.collectionPath(), app.path("DEFAULT.QX3"));
    EXPECT_EQ(items(app.window->categoryBox()), QStringList{"Kept"});
}

TEST(MainWindowCollections, ANewCollectionIsEmptyAndTheOldOneIsRemembered)
{
    App app;
    app.collection("DEFAULT.QX3", {{"Kept", "k"}});
    app.start();
    app.host.pickFile(app.path("NEW.QX3"));
    app.window->createCollection();
    EXPECT_TRUE(QFile::exists(app.path("NEW.QX3")));
    EXPECT_EQ(app.window->categoryBox()->count(), 0);
    EXPECT_EQ(app.session.settings.misc.lastFiles[0], app.path("DEFAULT.QX3"));
    EXPECT_FALSE(app.window->actions().deletePuzzle->isEnabled());
    app.window->printSelectedPuzzle();
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("No puzzle selected.  Please select a puzzle first."));
}

TEST(MainWindowCollections, FileDialogsStartInTheRememberedFolderAndNeverOfferTheOpenFileAsNew)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "One"}});
    app.start();
    const QString folder = QDir(app.startup.path()).absolutePath();
    const auto exportPuzzles = [&] {
        app.host.onModal([](QDialog &d) {
            auto &dialog = dynamic_cast<ExportPuzzlesDialog &>(d);
            dialog.picker()->selectAll();
            dialog.exportChosen();
            return d.result();
        });
        app.window->showExportPuzzles();
    };
    struct Case {
        const char *command;
        std::function<void()> run;
        QString fileName; // typed into the dialog; the folder is always the start-up folder
    };
    const Case cases[] = {
        {"new collection", [&] { app.window->createCollection(); }, {}},
        {"open collection", [&] { app.window->chooseCollection(); }, QStringLiteral("DEFAULT.QX3")},
        {"import puzzles", [&] { app.window->showImportPuzzles(); }, {}},
        {"export puzzles", exportPuzzles, {}},
        {"import a remembered file",
         [&] {
             app.session.settings.misc.lastImportPuzzleFile = app.path("gone/OLD.QXM");
             app.window->showImportPuzzles();
         },
         QStringLiteral("OLD.QXM")},
    };
    for (const Case &c : cases) {
        app.host.pickFile(std::nullopt);
        c.run();
        ASSERT_FALSE(app.host.fileRequests().empty()) << c.command;
        const FileDialogStart start = fileDialogStart(app.host.fileRequests().back().initialPath);
        EXPECT_EQ(start.folder, folder) << c.command;
        EXPECT_EQ(start.fileName, c.fileName) << c.command;
    }
    EXPECT_EQ(app.host.fileRequests().size(), std::size(cases));
    EXPECT_TRUE(app.host.messages().empty());
}

TEST(MainWindowPuzzles, DeleteAsksThenSelectsTheEntryAbove)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "Apple"}, {"A", "Berry"}, {"A", "Cherry"}});
    app.start();
    app.window->puzzleBox()->setCurrentRow(2);
    app.host.answerNext(Answer::No);
    app.window->deleteSelectedPuzzle();
    EXPECT_EQ(app.host.messages().back().caption, QStringLiteral("Delete"));
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("Are you sure you want to delete Cherry?"));
    EXPECT_EQ(app.namesIn("DEFAULT.QX3").size(), 3u);
    app.host.answerNext(Answer::Yes);
    app.window->deleteSelectedPuzzle();
    EXPECT_EQ(app.namesIn("DEFAULT.QX3"), (std::vector<std::string>{"Apple", "Berry"}));
    EXPECT_EQ(app.window->puzzleBox()->currentItem()->text(), QStringLiteral("Berry"));
    EXPECT_TRUE(app.window->actions().printPuzzle->isEnabled());
}

TEST(MainWindowPuzzles, CommandsFollowWhatThePuzzleListShowsSelected)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "Apple"}, {"A", "Berry"}});
    app.collection("OTHER.QX3", {{"B", "Cherry"}, {"B", "Damson"}});
    app.start();
    int opened = 0;
    MainWindow::Windows windows;
    windows.modifyPuzzle = windows.copyPuzzle = windows.puzzleWords = [&](MainWindow &) { ++opened; };
    app.window->setWindows(windows);
    QListWidget *box = app.window->puzzleBox();
    const auto &a = app.window->actions();
    const auto enabledCommands = [&] {
        int n = 0;
        for (QAction *command : {a.modifyPuzzle, a.copyPuzzle, a.deletePuzzle, a.printPuzzle, a.puzzleWords})
            n += command->isEnabled() ? 1 : 0;
        return n;
    };
    const auto tabInto = [](QWidget *w) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w, &focus);
    };

    box->setCurrentRow(1); // a click on Berry
    EXPECT_EQ(enabledCommands(), 5);

    // Another collection: nothing is shown selected, and the list taking the focus back makes a
    // row current without selecting it.
    app.host.pickFile(app.path("OTHER.QX3"));
    a.openCollection->trigger();
    tabInto(box);
    EXPECT_TRUE(box->selectedItems().isEmpty());
    EXPECT_EQ(enabledCommands(), 0);
    for (QAction *command : {a.modifyPuzzle, a.copyPuzzle, a.deletePuzzle, a.printPuzzle, a.puzzleWords})
        command->trigger();
    app.window->deleteSelectedPuzzle();
    app.window->printSelectedPuzzle();
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(app.host.messages().size(), 2u);
    for (const auto &m : app.host.messages())
        EXPECT_EQ(m.text, QStringLiteral("No puzzle selected.  Please select a puzzle first."));
    EXPECT_EQ(app.namesIn("OTHER.QX3").size(), 2u);

    // Selecting shows in the list and enables the commands; they act on the entry shown.
    box->item(1)->setSelected(true);
    EXPECT_EQ(enabledCommands(), 5);
    app.host.answerNext(Answer::No);
    app.window->deleteSelectedPuzzle();
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("Are you sure you want to delete Damson?"));
    box->item(1)->setSelected(false); // Ctrl+click takes the selection away
    EXPECT_EQ(enabledCommands(), 0);
}

TEST(MainWindowPuzzles, PrintingNeedsABuiltPuzzle)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "Apple"}});
    PuzzleRecord unbuilt;
    unbuilt.Category.set("A");
    unbuilt.PuzzleName.set("Banana");
    ASSERT_TRUE(CollectionFile(app.path("DEFAULT.QX3")).append(unbuilt));
    app.start();
    int printed = 0;
    MainWindow::Windows windows;
    windows.printOptions = [&](MainWindow &, const PuzzleRecord &r) {
        ++printed;
        EXPECT_EQ(r.PuzzleName.str(), "Apple");
    };
    app.window->setWindows(windows);
    app.window->modifySelectedPuzzle();
    EXPECT_EQ(printed, 1);
    app.window->puzzleBox()->setCurrentRow(1);
    app.window->printSelectedPuzzle();
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(app.host.messages().back().caption, QStringLiteral("Warning"));
    EXPECT_TRUE(app.host.messages().back().text.startsWith(
        QStringLiteral("A puzzle has never been generated for this word/clue list.")));
}

TEST(MainWindowTransfer, ImportRefusesTheOpenFileInAnyLetterCase)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "Apple"}});
    app.start();
    app.host.pickFile(app.path("default.qx3"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text,
              QStringLiteral("Import File cannot be the same as the currently open file."));
    app.host.pickFile(app.path("list.txt"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("The file selected is not a valid Quorvex file."));
}

TEST(MainWindowTransfer, ImportAppendsTheChosenPuzzlesInListOrder)
{
    App app;
    app.collection("DEFAULT.QX3", {{"Mine", "Zeta"}});
    app.collection("OTHER.QX3", {{"X", "C"}, {"X", "A"}, {"X", "Skip"}, {"X", "B"}});
    app.start();
    app.host.pickFile(app.path("OTHER.QX3"));
    app.host.onModal([&](QDialog &d) {
        auto &dialog = dynamic_cast<ImportPuzzlesDialog &>(d);
        auto *list = dialog.picker()->list();
        EXPECT_EQ(items(list), (QStringList{"A", "B", "C", "Skip"}));
        auto *ok = dialog.findChild<QPushButton *>("OkButton");
        EXPECT_FALSE(ok->isEnabled());
        for (int row : {2, 0, 1})
            list->item(row)->setSelected(true);
        EXPECT_TRUE(ok->isEnabled());
        dialog.acceptEntries();
        return d.result();
    });
    app.window->showImportPuzzles();
    EXPECT_EQ(app.namesIn("DEFAULT.QX3"), (std::vector<std::string>{"Zeta", "A", "B", "C"}));
    EXPECT_EQ(app.window->puzzleBox()->currentItem()->text(), QStringLiteral("Zeta"));
    EXPECT_EQ(app.session.settings.misc.lastImportPuzzleFile, app.path("OTHER.QX3"));
}

TEST(MainWindowTransfer, OldSinglePuzzleFilesAreCheckedThenConverted)
{
    App app;
    app.collection("DEFAULT.QX3", {});
    app.start();
    const auto oldFile = [&](const QByteArray &head, int recordBytes) {
        QByteArray bytes = head;
        OldPuzzleRecord old;
        old.Name.set("Vintage");
        old.WordCount = 1;
        std::vector<uint8_t> record(OldPuzzleRecord::Size);
        old.encode(std::span<uint8_t, OldPuzzleRecord::Size>(record.data(), record.size()));
        bytes.append(reinterpret_cast<const char *>(record.data()), recordBytes);
        QFile f(app.path("OLD.QXM"));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    };
    const QString corrupt = QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted.");
    oldFile("QXZ\x03"
            "abc",
            OldPuzzleRecord::Size);
    app.host.pickFile(app.path("OLD.QXM"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text, corrupt);
    oldFile("QXM\x03"
            "abc",
            OldPuzzleRecord::Size - 1);
    app.host.pickFile(app.path("OLD.QXM"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text, corrupt);
    app.host.pickFile(app.path("MISSING.QXM"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("Puzzle could not be imported."));
    const size_t messages = app.host.messages().size();
    oldFile("QXM\x03"
            "abc",
            OldPuzzleRecord::Size);
    app.host.pickFile(app.path("OLD.QXM"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().size(), messages);
    EXPECT_EQ(app.namesIn("DEFAULT.QX3"), (std::vector<std::string>{"Vintage"}));
    EXPECT_EQ(items(app.window->categoryBox()), QStringList{"Version 2.0 Puzzles"});
    EXPECT_EQ(app.window->puzzleBox()->currentItem()->text(), QStringLiteral("Vintage"));
}

TEST(MainWindowTransfer, APuzzleHoldingAControlCharacterIsNeverImported)
{
    App app;
    app.collection("DEFAULT.QX3", {{"Mine", "Zeta"}});
    app.collection("OTHER.QX3", {{"X", "Fine"}, {"X", "Bell\x07"}});
    app.start();
    const auto before = readAll(app.path("DEFAULT.QX3"));
    // From a collection: all or nothing, though the first chosen puzzle is sound.
    app.host.pickFile(app.path("OTHER.QX3"));
    app.host.onModal([&](QDialog &d) {
        auto &dialog = dynamic_cast<ImportPuzzlesDialog &>(d);
        dialog.picker()->selectAll();
        dialog.acceptEntries();
        return d.result();
    });
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text,
              QStringLiteral("The puzzle \"Bell\" cannot be imported: its title holds the control character "
                             "U+0007.  Nothing was imported."));
    // From an old single-puzzle file: a NUL inside a word would land in the grid.
    OldPuzzleRecord old;
    old.Name.set("Vintage");
    old.WordCount = 1;
    old.Words[0].set(std::string("OCTO\0PUS", 8));
    std::vector<uint8_t> record(OldPuzzleRecord::Size);
    old.encode(std::span<uint8_t, OldPuzzleRecord::Size>(record.data(), record.size()));
    QFile f(app.path("OLD.QXM"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("QXM\0", 4) + QByteArray(reinterpret_cast<const char *>(record.data()), OldPuzzleRecord::Size));
    f.close();
    app.host.pickFile(app.path("OLD.QXM"));
    app.window->showImportPuzzles();
    EXPECT_EQ(app.host.messages().back().text,
              QStringLiteral("The puzzle \"Vintage\" cannot be imported: its word 1 holds the control character "
                             "U+0000.  Nothing was imported."));
    EXPECT_EQ(readAll(app.path("DEFAULT.QX3")), before);
}

TEST(MainWindowTransfer, ExportWritesOnlyTheChosenPuzzlesAndNeverOverTheOpenFile)
{
    App app;
    app.collection("DEFAULT.QX3", {{"A", "One"}, {"A", "Two"}, {"A", "Three"}});
    app.start();
    const auto exportTo = [&](const QString &target) {
        app.host.pickFile(target);
        app.host.onModal([&](QDialog &d) {
            auto &dialog = dynamic_cast<ExportPuzzlesDialog &>(d);
            auto *list = dialog.picker()->list();
            list->item(0)->setSelected(true); // One
            list->item(1)->setSelected(true); // Three
            dialog.exportChosen();
            return d.result();
        });
        app.window->showExportPuzzles();
    };
    exportTo(app.path("OUT.QX3"));
    EXPECT_EQ(app.namesIn("OUT.QX3"), (std::vector<std::string>{"One", "Three"}));
    exportTo(app.path("default.QX3"));
    EXPECT_EQ(app.host.messages().back().text,
              QStringLiteral("Export File cannot be the same as the currently open file."));
    EXPECT_EQ(app.namesIn("DEFAULT.QX3").size(), 3u);
}

TEST(MainWindowScreen, TheFactorFollowsTheWindowSizeTheScreenAllows)
{
    EXPECT_EQ(screenFactorFor(1280, QSize(1024, 768)), 1.0);
    EXPECT_EQ(effectiveWindowSize(1280, QSize(1024, 768)), 640);
    EXPECT_EQ(screenFactorFor(1024, QSize(1024, 768)), 1.6);
    EXPECT_EQ(screenFactorFor(800, QSize(1920, 1080)), 1.25);
    EXPECT_EQ(screenFactorFor(777, QSize(1920, 1080)), 1.0);
    EXPECT_EQ(scaledBy(632, 1.6), 1011);
    EXPECT_EQ(scaledBy(413, 1.25), 516);

    App app;
    app.session.screen = QSize(1024, 768);
    QFile ini(app.path("QXMOR3.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Misc]\nWindow Size=1280\n");
    ini.close();
    app.start();
    EXPECT_EQ(app.session.screenFactor, 1.0);
    EXPECT_TRUE(app.window->screenSizeAction(640)->isChecked());
    app.window->setWindowSize(1280);
    EXPECT_EQ(app.host.messages().back().text,
              QStringLiteral("Your current screen resolution does not support 1280 x 1024 pixels."));
    EXPECT_TRUE(app.window->screenSizeAction(640)->isChecked());
    app.window->setWindowSize(1024);
    EXPECT_EQ(app.session.screenFactor, 1.6);
    EXPECT_EQ(app.session.settings.misc.windowSize, 1024);
    EXPECT_EQ(app.window->centralWidget()->width(), 1011);
    app.window->show();
    QApplication::processEvents();
    saveScreenshot(*app.window, QStringLiteral("main_window_1.6.png"));
}

TEST(MainWindowScreen, TheBackgroundTileCoversTheClientArea)
{
    EXPECT_EQ(tileCounts(QSize(632, 413), QSize(96, 96)), QSize(7, 5));
    EXPECT_EQ(tileCounts(QSize(96, 96), QSize(96, 96)), QSize(1, 1));
    EXPECT_EQ(tileCounts(QSize(632, 413), QSize(0, 0)), QSize(0, 0));
}

TEST(MainWindowLook, UserFontsApplyAtOnceAndTheWindowLooksRight)
{
    App app;
    app.collection("DEFAULT.QX3", {{"Birds", "Owls"}, {"Birds", "Wrens"}, {"Zoo", "Lions"}});
    app.start();
    app.window->show();
    app.host.nextFont = FontChoice{QFont(QStringLiteral("Liberation Serif")), Qt::darkBlue};
    app.window->chooseUserFont(0);
    EXPECT_EQ(app.session.settings.labelFont.name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(app.session.settings.labelFont.color, 0x800000);
    saveScreenshot(*app.window, QStringLiteral("main_window_fonts.png"));
    app.window->setWindowSize(800);
    saveScreenshot(*app.window, QStringLiteral("main_window_800.png"));
}

// The Language items show the stored choice (an unknown one as the system's), store a new one for
// the next start and say so when it changes what the windows show; the file keeps the choice.
TEST(MainWindowLanguage, TheChoiceIsStoredForTheNextStartAndTheMenuShowsIt)
{
    App app;
    QFile ini(app.path("QXMOR3.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Misc]\nLanguage=xx\n");
    ini.close();
    app.start();
    const auto item = [&](const char *code) {
        return app.window->findChild<QAction *>(QStringLiteral("MenuLanguage") + QLatin1String(code));
    };
    ASSERT_TRUE(item("System") && item("de") && item("sv"));
    EXPECT_TRUE(item("System")->isChecked());
    const size_t before = app.host.messages().size();
    item("de")->trigger();
    EXPECT_EQ(app.session.settings.misc.language, QStringLiteral("de"));
    EXPECT_TRUE(item("de")->isChecked());
    ASSERT_EQ(app.host.messages().size(), before + 1);
    EXPECT_EQ(app.host.messages().back().text, QStringLiteral("Quorvex shows the new language the next time it starts."));
    item("en")->trigger(); // the windows are English already: nothing to say
    EXPECT_EQ(app.host.messages().size(), before + 1);
    app.window->saveSettings();
    app.window.reset();
    App again;
    ASSERT_TRUE(QFile::copy(app.path("QXMOR3.INI"), again.path("QXMOR3.INI")));
    again.start();
    EXPECT_EQ(again.session.settings.misc.language, QStringLiteral("en"));
    EXPECT_TRUE(again.window->findChild<QAction *>(QStringLiteral("MenuLanguageen"))->isChecked());
}
