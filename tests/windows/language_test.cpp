// The program started by a system in German or French, through the real host: the main window's
// menus, the word list editor's caption and the messages come in that language, and an English
// start afterwards is English again.

#include "app/ui/help_window.h"
#include "common/translations.h"
#include "words/ui/word_list_editor.h"

#include "support/real_host.h"
#include "support/translation_files.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <map>

using namespace qx;
using namespace qx::test;

namespace {

// What the .ts file of a language says, read without Qt's lookup.
QString translationOf(const std::vector<TsMessage> &messages, const QString &context, const QString &source)
{
    for (const TsMessage &m : messages) {
        if (m.context == context && m.source == source)
            return m.translations.value(0);
    }
    return {};
}

QString firstMenuTitle(const RealProgram &p)
{
    const auto menus = p.window->menuBar()->actions();
    return menus.isEmpty() ? QString() : menus.first()->text();
}

} // namespace

TEST(Languages, TheProgramStartsInTheSystemsLanguageThroughTheRealHost)
{
    const QString main = QStringLiteral("qx::MainWindow");
    for (const QString &code : {QStringLiteral("de"), QStringLiteral("fr")}) {
        SCOPED_TRACE(code.toStdString());
        const auto messages = readTranslations(code);
        const QString file = translationOf(messages, main, QStringLiteral("&File"));
        const QString caption = translationOf(messages, QStringLiteral("QObject"), QStringLiteral("Create New Puzzle"));
        const QString question = translationOf(messages, main, QStringLiteral("Are you sure you want to delete %1?"));
        ASSERT_FALSE(file.isEmpty() || caption.isEmpty() || question.isEmpty());
        ASSERT_NE(file, QStringLiteral("&File"));

        qputenv("LANGUAGE", code.toLatin1());
        {
            RealProgram p(true);
            EXPECT_EQ(currentLanguage(), code);
            EXPECT_EQ(firstMenuTitle(p), file);
            // Qt's own dialogs come in the same language.
            EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
            ModalAnswerer a;
            QString shown;
            a.drive([&](QWidget *editor) {
                shown = editor->windowTitle();
                dismiss(editor);
            });
            p.window->findChild<QAction *>(QStringLiteral("MenuNewPuzzle"))->trigger();
            a.wait();
            EXPECT_EQ(shown, caption);
            a.press(QStringLiteral("Escape"));
            p.window->findChild<QAction *>(QStringLiteral("MenuDeletePuzzle"))->trigger();
            a.wait();
            ASSERT_FALSE(a.boxes().empty());
            EXPECT_TRUE(a.boxes().back().text.startsWith(question.section(QStringLiteral("%1"), 0, 0)))
                << a.boxes().back().text.toStdString();
            // The help in the same language.
            p.window->actions().helpContents->trigger();
            HelpWindow *help = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                help = help ? help : qobject_cast<HelpWindow *>(w);
            ASSERT_TRUE(help);
            EXPECT_TRUE(help->browser()->source().path().endsWith(QStringLiteral("QXMOR.%1.HLP").arg(code)))
                << help->browser()->source().toString().toStdString();
            help->close();
        }
        qputenv("LANGUAGE", "en");
        RealProgram english(true);
        EXPECT_EQ(firstMenuTitle(english), QStringLiteral("&File"));
        qunsetenv("LANGUAGE");
    }
    installTranslations(QStringLiteral("en"), {});
}
