#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"
#include "common/ui/record_list_box.h"
#include "layout/layout_defaults.h"
#include "layout/ui/layout_library_dialog.h"
#include "report/ui/print_options_dialog.h"
#include "words/ui/word_list_editor.h"

#include "support/program_fixture.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(ProgramWindows, HelpMenuItemsOpenTheirWindows)
{
    Program p;
    QStringList titles;
    for (int i = 0; i < 5; ++i)
        p.host.onModal([&](QDialog &d) {
            titles << d.windowTitle();
            return int(QDialog::Accepted);
        });
    const auto &actions = p.window->actions();
    for (QAction *a : {actions.about, actions.userManual, actions.tips, actions.puzzleShape, actions.jpegFactor}) {
        ASSERT_TRUE(a->isEnabled()) << a->text().toStdString();
        a->trigger();
    }
    EXPECT_EQ(titles, (QStringList{"About", "User Manual Notice", "Tip of the Day", "Shapes", "JPEG Factor"}));
    EXPECT_EQ(actions.puzzleShape->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(actions.jpegFactor->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
}

TEST(ProgramWindows, TheTipOfTheDayComesAtTheFirstActivationOnlyWhenWanted)
{
    Program p;
    int shown = 0;
    p.host.onModal([&](QDialog &) {
        ++shown;
        return int(QDialog::Accepted);
    });
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(p.window.get(), &activate);
    QApplication::sendEvent(p.window.get(), &activate);
    QApplication::processEvents();
    EXPECT_EQ(shown, 1);

    Program quiet;
    quiet.session.settings.misc.showTips = false;
    QApplication::sendEvent(quiet.window.get(), &activate);
    QApplication::processEvents();
}

TEST(ProgramWindows, PrintPuzzleOpensThePrintOptions)
{
    Program p;
    const QString samples = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
    p.session.settings.misc.lastCollection = samples;
    p.window->loadInPuzzles();
    p.window->selectFirstPuzzle();
    QString title;
    p.host.onModal([&](QDialog &d) {
        title = d.windowTitle();
        return int(QDialog::Rejected);
    });
    p.window->actions().printPuzzle->trigger();
    EXPECT_EQ(title, QStringLiteral("Reports"));
    EXPECT_TRUE(p.window->actions().clueHeaders->isEnabled());
}

// The layout library opens from the main window to look after the layouts, and from the word
// list editor and the print options to choose one; the choice lands only where it was asked for.
TEST(ProgramWindows, TheLayoutLibraryOpensFromItsThreePlaces)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    PageLayout answers = builtInDefaultLayout();
    answers.LayoutName.set("Answers");
    answers.PaperName.set("A4");
    ASSERT_TRUE(p.session.layoutLibrary().file().createEmpty()); // instead of the shipped layouts
    ASSERT_TRUE(p.session.layoutLibrary().append(answers));
    const QString chosenText = QStringLiteral("Answers (A4)  <<DEFAULT>>");
    // Drives the library window opened next: chooses the entry and presses Select when it can.
    auto chooseInLibrary = [&](bool *selectable) {
        p.host.onModal([&, selectable](QDialog &d) {
            auto &library = dynamic_cast<LayoutLibraryDialog &>(d);
            library.show(); // the scripted host runs windows without showing them
            EXPECT_EQ(library.windowTitle(), QStringLiteral("Puzzle Page Layouts"));
            library.shapeBox()->setCurrentItem(library.shapeBox()->findItems(chosenText, Qt::MatchExactly).value(0));
            *selectable = library.controls().select->isEnabled();
            if (*selectable)
                library.controls().select->click();
            else
                library.controls().exit->click();
            return d.result();
        });
    };

    const auto &actions = p.window->actions();
    ASSERT_TRUE(actions.pageLayout->isEnabled());
    EXPECT_EQ(actions.pageLayout->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    bool selectable = true;
    chooseInLibrary(&selectable);
    actions.pageLayout->trigger();
    EXPECT_FALSE(selectable);

    // The word list editor copies the layout into the puzzle being edited.
    p.host.onModal([&](QDialog &d) {
        auto &editor = dynamic_cast<WordListEditor &>(d);
        QPushButton *change = editor.button(QStringLiteral("ChangeLayout"));
        EXPECT_TRUE(change->isEnabled());
        change->click();
        return int(QDialog::Rejected);
    });
    chooseInLibrary(&selectable);
    actions.newPuzzle->trigger();
    EXPECT_TRUE(selectable);
    EXPECT_EQ(p.session.current->Layout.LayoutName.str(), "Answers");

    // The print options take it for this printing only.
    p.session.settings.misc.lastCollection = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
    p.window->loadInPuzzles();
    p.window->selectFirstPuzzle();
    const auto stored = p.session.collectionFile().read(*p.session.collection.selectedRecord());
    ASSERT_TRUE(stored);
    std::string printedWith;
    p.host.onModal([&](QDialog &d) {
        auto &options = dynamic_cast<PrintOptionsDialog &>(d);
        options.controls().changeLayout->click();
        printedWith = options.working().Layout.LayoutName.str();
        return int(QDialog::Rejected);
    });
    chooseInLibrary(&selectable);
    actions.printPuzzle->trigger();
    EXPECT_EQ(printedWith, "Answers");
    EXPECT_EQ(p.session.collectionFile().read(*p.session.collection.selectedRecord())->Layout.LayoutName.str(),
              stored->Layout.LayoutName.str());
}
