#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"

#include "support/program_fixture.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(ProgramWindows, HelpMenuItemsOpenTheirWindows)
{
    Program p;
    QStringList titles;
    for (int i = 0; i < 4; ++i)
        p.host.onModal([&](QDialog &d) {
            titles << d.windowTitle();
            return int(QDialog::Accepted);
        });
    const auto &actions = p.window->actions();
    for (QAction *a : {actions.about, actions.userManual, actions.tips, actions.puzzleShape}) {
        ASSERT_TRUE(a->isEnabled()) << a->text().toStdString();
        a->trigger();
    }
    EXPECT_EQ(titles, (QStringList{"About", "User Manual Notice", "Tip of the Day", "Shapes"}));
    EXPECT_EQ(actions.puzzleShape->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    // Commands whose windows are not part of the program yet stay disabled.
    EXPECT_FALSE(actions.jpegFactor->isEnabled());
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
    p.session.settings.misc.lastGroup = samples;
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
