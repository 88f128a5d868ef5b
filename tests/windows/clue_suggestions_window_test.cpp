// "Suggest Clues" in the word list editor through the real host: the window opens inside the
// editor's modal loop with one row per word, Cancel changes nothing, an edited and accepted clue
// lands in its row, and a selection of rows asks for those rows, clue or not.

#include "lexicon/ui/clue_suggestions_dialog.h"
#include "lexicon/wordnet.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_editor.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace qx::test {
namespace {

const QString RainGloss = QStringLiteral("Water falling in drops from vapor condensed in the atmosphere");

TEST(SuggestCluesWindow, SuggestsForRowsWithoutCluesCancelKeepsThemAcceptWritesThem)
{
    Scene s;
    if (!WordNet::presentIn(s.p.session.paths.programDir))
        GTEST_SKIP() << "WordNet (Debian wordnet-base) is not installed";
    ModalAnswerer a;
    a.setFallback(QStringLiteral("No"));
    a.drive([&a](QWidget *window) {
        auto *editor = qobject_cast<WordListEditor *>(window);
        ASSERT_TRUE(editor);
        WordGrid *grid = editor->wordsCluesGrid();
        const auto cell = [grid](int row, int column) { return grid->text(row, column); };
        grid->item(0, WordGrid::WordColumn)->setText(QStringLiteral("RAIN"));
        grid->item(1, WordGrid::WordColumn)->setText(QStringLiteral("THUNDER"));
        grid->item(1, WordGrid::ClueColumn)->setText(QStringLiteral("Loud noise"));
        grid->item(2, WordGrid::WordColumn)->setText(QStringLiteral("QQXQZZ"));
        grid->setCurrentCell(0, WordGrid::WordColumn);
        QDir().mkpath(QStringLiteral(QUORVEX_BINARY_DIR "/screenshots"));
        editor->grab().save(QStringLiteral(QUORVEX_BINARY_DIR "/screenshots/word_list_editor_suggest_clues.png"));

        // Rows with a word and no clue; the first suggestion chosen. Cancel leaves the grid alone.
        a.drive([](QWidget *modal) {
            auto *dialog = qobject_cast<ClueSuggestionsDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Suggest Clues"));
            ASSERT_EQ(dialog->table()->rowCount(), 2);
            EXPECT_EQ(dialog->table()->item(0, 0)->text(), QStringLiteral("RAIN"));
            EXPECT_EQ(dialog->clueBox(0)->currentText(), RainGloss);
            EXPECT_GT(dialog->clueBox(0)->count(), 1);
            EXPECT_EQ(dialog->clueBox(1)->currentText(), QString());
            dialog->clueBox(0)->setEditText(QStringLiteral("Changed, then cancelled"));
            clickButton(dialog, QStringLiteral("CancelButton"));
        });
        clickButton(editor, QStringLiteral("SuggestClues"));
        EXPECT_EQ(cell(0, WordGrid::ClueColumn), QString());

        // The second suggestion chosen from the drop-down, then edited, and accepted.
        QString second;
        a.drive([&second](QWidget *modal) {
            auto *dialog = qobject_cast<ClueSuggestionsDialog *>(modal);
            ASSERT_TRUE(dialog);
            dialog->clueBox(0)->setCurrentIndex(1);
            second = dialog->clueBox(0)->currentText();
            dialog->clueBox(0)->setEditText(second + QStringLiteral(" (2)"));
            clickButton(dialog, QStringLiteral("AcceptButton"));
        });
        clickButton(editor, QStringLiteral("SuggestClues"));
        EXPECT_FALSE(second.isEmpty());
        EXPECT_EQ(cell(0, WordGrid::ClueColumn), second + QStringLiteral(" (2)"));
        EXPECT_EQ(cell(1, WordGrid::ClueColumn), QStringLiteral("Loud noise"));
        EXPECT_EQ(cell(2, WordGrid::ClueColumn), QString());

        // A selected row is offered even with its clue, which stays in its drop-down.
        grid->selectRow(1);
        a.drive([](QWidget *modal) {
            auto *dialog = qobject_cast<ClueSuggestionsDialog *>(modal);
            ASSERT_TRUE(dialog);
            ASSERT_EQ(dialog->table()->rowCount(), 1);
            QComboBox *box = dialog->clueBox(0);
            EXPECT_EQ(box->itemText(box->count() - 1), QStringLiteral("Loud noise"));
            EXPECT_NE(box->currentText(), QStringLiteral("Loud noise"));
            EXPECT_FALSE(box->currentText().contains(QStringLiteral("thunder"), Qt::CaseInsensitive));
            clickButton(dialog, QStringLiteral("AcceptButton"));
        });
        clickButton(editor, QStringLiteral("SuggestClues"));
        EXPECT_NE(cell(1, WordGrid::ClueColumn), QStringLiteral("Loud noise"));
        EXPECT_FALSE(cell(1, WordGrid::ClueColumn).isEmpty());
        dismiss(editor);
    });
    s.command("MenuNewPuzzle");
    a.wait();
}

} // namespace
} // namespace qx::test
