// What the keyboard and Qt's own choosers do under the real host: accelerators reach the control
// their letter promises, Escape closes the help, and a font dialog keeps the stored family unless
// the user picks another.
#include "app/ui/help_window.h"
#include "words/ui/word_list_import_dialog.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(RealHostKeys, AcceleratorsReachTheirControlsAndEscapeClosesTheHelp)
{
    Scene s;
    ModalAnswerer a;
    a.setFallback(QStringLiteral("No"));

    // Alt+T in the word list editor is "&Thesaurus", not the title box.
    QString opened;
    a.drive([&](QWidget *editor) {
        activate(editor);
        auto *grid = editor->findChild<QTableWidget *>();
        grid->setCurrentCell(0, 2);
        grid->setFocus();
        QTest::keyClick(editor, Qt::Key_T, Qt::AltModifier);
        EXPECT_NE(QApplication::focusWidget(), editor->findChild<QLineEdit *>(QStringLiteral("Title")));
        dismiss(editor);
    });
    a.drive([&](QWidget *thesaurus) {
        opened = thesaurus->windowTitle();
        dismiss(thesaurus);
    });
    s.command("MenuModifyPuzzle");
    a.wait();
    EXPECT_TRUE(opened.startsWith(QStringLiteral("Thesaurus"))) << opened.toStdString();

    // In the import window Alt+O opens a file while there is none, and presses Ok once there is;
    // Alt+A picks "&As Words and Clues" first, then selects all.
    const QString words = s.printed.file(QStringLiteral("weather.txt"));
    QFile f(words);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RAIN\nSNOW\n");
    f.close();
    bool imported = false;
    a.drive([&](QWidget *editor) {
        activate(editor);
        clickButton(editor, QStringLiteral("ImportClue"));
        imported = editor->findChild<QTableWidget *>()->item(0, 2)->text() == QLatin1String("RAIN");
        dismiss(editor);
    });
    a.drive([&](QWidget *window) {
        auto *import = qobject_cast<WordListImportDialog *>(window);
        ASSERT_TRUE(import);
        activate(import);
        QTest::keyClick(import, Qt::Key_A, Qt::AltModifier);
        EXPECT_TRUE(import->modes().asWordsAndClues->isChecked());
        import->modes().asWords->setChecked(true);
        QTest::keyClick(import, Qt::Key_O, Qt::AltModifier); // the file dialog, answered below
        ASSERT_EQ(import->list()->count(), 2);
        QTest::keyClick(import, Qt::Key_A, Qt::AltModifier);
        EXPECT_EQ(import->list()->selectedItems().size(), 2);
        QTest::keyClick(import, Qt::Key_O, Qt::AltModifier);
        EXPECT_FALSE(import->isVisible());
    });
    a.chooseFile(words);
    s.command("MenuNewPuzzle");
    a.wait();
    EXPECT_TRUE(imported);

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
