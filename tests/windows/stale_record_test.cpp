// Two programs on one collection, through the real host: the windows act on a puzzle by the record
// number they read, while quorvex-cli, a separate process, deletes a puzzle before it. Without the
// check under the lock, Save wrote the edited puzzle over the one that had moved into its place.
#include "words/ui/word_list_editor.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

// The other program: the command line built beside the tests, as a process of its own.
int runCommandLine(const QStringList &arguments)
{
    QProcess cli;
    cli.start(QStringLiteral(QUORVEX_BINARY_DIR "/quorvex-cli"), arguments);
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return -1;
    return cli.exitCode();
}

// Selects the puzzle with this record number in the main window's lists, as a click would.
void selectRecord(MainWindow &w, int record)
{
    for (int c = 0; c < w.categoryBox()->count(); ++c) {
        w.categoryBox()->setCurrentRow(c);
        for (int r = 0; r < w.puzzleBox()->count(); ++r) {
            if (w.puzzleBox()->item(r)->data(Qt::UserRole).toInt() == record) {
                w.puzzleBox()->setCurrentRow(r);
                return;
            }
        }
    }
}

QStringList listedNames(const Session &session)
{
    QStringList names;
    for (const auto &entry : session.collection.index().PuzzleIndexList)
        names << QString::fromStdString(entry.name);
    return names;
}

} // namespace

TEST(StaleRecord, ASaveOrDeleteAfterAnotherProgramChangedTheCollectionIsRefusedAndTheEditsStay)
{
    Scene s;
    s.p.session.settings.misc.showTips = false; // the main window is activated here
    MainWindow &main = *s.p.window;
    const QString path = s.p.collection();
    const CollectionFile file(path);
    std::vector<uint8_t> six;
    for (int n = 0; n < 6; ++n) {
        const auto record = file.file().read(n);
        ASSERT_TRUE(record);
        six.insert(six.end(), record->begin(), record->end());
    }
    ASSERT_TRUE(file.file().writeAll(six));
    main.loadInPuzzles();
    const QStringList names = listedNames(s.p.session);
    ASSERT_EQ(names.size(), 6);
    selectRecord(main, 3);
    ASSERT_EQ(s.p.session.collection.selectedRecord(), 3);

    const QString refusal = QStringLiteral("%1 was changed by another program.  ").arg(path);
    const QString edited = QStringLiteral("Edited in the window");
    std::vector<uint8_t> afterDelete;
    ModalAnswerer answers;
    answers.drive([&](QWidget *window) {
        auto *editor = qobject_cast<WordListEditor *>(window);
        ASSERT_TRUE(editor);
        editor->titleEdit()->setText(edited);
        ASSERT_EQ(runCommandLine({QStringLiteral("delete"), path, QStringLiteral("0")}), 0);
        afterDelete = readAll(path);
        clickButton(window, QStringLiteral("SaveButton")); // the refusal is answered inside
        EXPECT_EQ(QApplication::activeModalWidget(), window) << "the editor stays open";
        EXPECT_EQ(editor->titleEdit()->text(), edited) << "with what was typed";
        EXPECT_EQ(readAll(path), afterDelete) << "and the collection as the other program left it";
        dismiss(window);
    });
    answers.press(QStringLiteral("OK")).press(QStringLiteral("No")); // the refusal, then "Save changes?"
    s.command("MenuModifyPuzzle");
    answers.wait();
    ASSERT_EQ(answers.boxes().size(), 2u) << answers.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(answers.boxes()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(answers.boxes()[0].text,
              refusal + QStringLiteral("Your puzzle was not saved; reopen the collection to see the change."));
    EXPECT_EQ(answers.boxes()[1].text, QStringLiteral("Puzzle has been modified.  Save changes?"));
    EXPECT_EQ(readAll(path), afterDelete);

    // The main window, active again, lists what the other program left.
    activate(&main);
    EXPECT_TRUE(spinUntil([&] { return listedNames(s.p.session) == names.mid(1); }, std::chrono::milliseconds(5000)))
        << listedNames(s.p.session).join(QLatin1Char(',')).toStdString();

    // While the window is active another program deletes again: Delete refuses the puzzle selected
    // by its old number, and the lists show the change.
    selectRecord(main, 2);
    ASSERT_EQ(s.p.session.collection.selectedRecord(), 2);
    ASSERT_EQ(runCommandLine({QStringLiteral("delete"), path, QStringLiteral("0")}), 0);
    const auto afterSecondDelete = readAll(path);
    ModalAnswerer deleting;
    deleting.press(QStringLiteral("Yes")).press(QStringLiteral("OK"));
    s.command("MenuDeletePuzzle");
    deleting.wait();
    ASSERT_EQ(deleting.boxes().size(), 2u) << deleting.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(deleting.boxes()[1].text,
              refusal + QStringLiteral("The puzzle was not deleted; the lists now show the change."));
    EXPECT_EQ(readAll(path), afterSecondDelete);
    EXPECT_EQ(listedNames(s.p.session), names.mid(2));
}
