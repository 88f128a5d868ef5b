// What the keyboard and Qt's own choosers do under the real host: accelerators reach the control
// their letter promises, Escape closes the help, and a font dialog keeps the stored family unless
// the user picks another.
#include "app/ui/help_window.h"
#include "words/ui/word_list_import_dialog.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

// The captions of the controls an accelerator reaches: buttons holding it, and labels whose letter
// it is (they pass the focus to their buddy).
QStringList holders(QWidget *window, QKeySequence key)
{
    QStringList out;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        if (b->shortcut() == key)
            out << b->text();
    }
    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (l->buddy() && QKeySequence::mnemonic(l->text()) == key)
            out << l->text();
    }
    return out;
}

} // namespace

// Key presses do not reach the mnemonics of the offscreen platform, so what is checked is that each
// accelerator names one control, the one its letter promises.
TEST(RealHostKeys, AcceleratorsReachOneControlAndEscapeClosesTheHelp)
{
    Scene s;
    ModalAnswerer a;
    a.setFallback(QStringLiteral("No"));
    const QKeySequence altT(Qt::ALT | Qt::Key_T), altO(Qt::ALT | Qt::Key_O), altA(Qt::ALT | Qt::Key_A);

    // Alt+T in the word list editor is "&Thesaurus", not the title box.
    a.drive([&](QWidget *editor) {
        EXPECT_EQ(holders(editor, altT), QStringList{QStringLiteral("&Thesaurus")});
        dismiss(editor);
    });
    s.command("MenuModifyPuzzle");
    a.wait();

    // In the import window Alt+O opens a file while there is none, and presses Ok once there is;
    // Alt+A picks "&As Words and Clues" first, then selects all.
    const QString words = s.printed.file(QStringLiteral("weather.txt"));
    QFile f(words);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RAIN\nSNOW\n");
    f.close();
    a.drive([&](QWidget *editor) {
        clickButton(editor, QStringLiteral("ImportClue"));
        dismiss(editor);
    });
    a.drive([&](QWidget *import) {
        EXPECT_EQ(holders(import, altO), QStringList{QStringLiteral("&Open File")});
        EXPECT_EQ(holders(import, altA), QStringList{QStringLiteral("&As Words and Clues")});
        clickButton(import, QStringLiteral("OpenFile"));
        EXPECT_EQ(holders(import, altO), QStringList{QStringLiteral("&Ok")});
        EXPECT_EQ(holders(import, altA), QStringList{QStringLiteral("Select &All")});
        dismiss(import);
    });
    a.chooseFile(words);
    s.command("MenuNewPuzzle");
    a.wait();

    // Escape closes the help, which is a window of its own, not a dialog.
    s.p.window->actions().helpContents->trigger();
    HelpWindow *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        help = help ? help : qobject_cast<HelpWindow *>(w);
    ASSERT_TRUE(help && help->isVisible());
    activate(help);
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST(RealHostChoices, AFontDialogKeepsTheStoredFamilyUnlessTheUserPicksAnother)
{
    const QString absent = QStringLiteral("Quorvex Absent Sans");
    const struct {
        const char *name;
        QString picked; // empty: only the size changes
        QString stored;
    } cases[] = {
        {"a family that is not installed, only the size changed", {}, absent},
        {"another family picked", QStringLiteral("Liberation Serif"), QStringLiteral("Liberation Serif")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QtUiHost host;
        ModalAnswerer a;
        a.drive([&](QWidget *modal) {
            auto *fonts = qobject_cast<QFontDialog *>(modal);
            ASSERT_TRUE(fonts);
            EXPECT_NE(fonts->currentFont().family(), absent) << "the dialog shows a family it has";
            QFont font = fonts->currentFont();
            if (!c.picked.isEmpty())
                font.setFamily(c.picked);
            font.setPointSize(14);
            fonts->setCurrentFont(font);
            fonts->accept();
        });
        a.drive([](QWidget *modal) {
            ASSERT_TRUE(qobject_cast<QColorDialog *>(modal));
            qobject_cast<QDialog *>(modal)->accept();
        });
        QFont initial(absent);
        initial.setPointSize(10);
        const auto chosen = host.chooseFont(nullptr, FontChoice{initial, Qt::black});
        a.wait();
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->font.family(), c.stored);
        EXPECT_EQ(chosen->font.pointSize(), 14);
    }
}
