// "Manual Word Addition" and "Add A Clue" through the scripted host: letters typed into the grid,
// the clues asked, the puzzle saved and reselected; and what the window refuses.
#include "store/collection_file.h"
#include "store/settings.h"
#include "words/ui/add_a_clue_dialog.h"
#include "words/ui/manual_placement_dialog.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_editor.h"

#include "support/built_record.h"
#include "support/crossword_check.h"
#include "support/program_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

using namespace qx;
using namespace qx::test;

namespace {

void saveShot(QWidget &w, const QString &name)
{
    const QString dir = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(dir + QLatin1Char('/') + name));
}

// CAT across and ARE down in a 6 x 5 grid with one square outside the shape.
PuzzleRecord farm()
{
    PuzzleRecord r =
        builtRecord({"CAT..#", ".R....", ".E....", "......", "......"}, {{"CAT", 1, 1, true}, {"ARE", 1, 2, false}});
    r.Category.set("Animals");
    r.PuzzleName.set("Farm");
    r.AcrossCount = 1;
    r.DownCount = 1;
    r.WordNumber = {1, 2};
    return r;
}

// A collection holding the puzzle as record 0, and the window's context on it.
struct Placement {
    TempDir dir;
    QString path = dir.file(QStringLiteral("FARM.QX3"));
    PuzzleRecord working;
    int wordCase = 3;
    Settings settings;
    ScriptedUiHost host;
    std::vector<std::string> reselected;
    PuzzlePlace place;

    explicit Placement(const PuzzleRecord &record) : working(record)
    {
        EXPECT_TRUE(CollectionFile(path).append(record));
        place = PuzzlePlace::read(0, CollectionFile(path).file().read(0).value());
    }
    PlacementContext context(double factor = 1.0)
    {
        DialogLook look;
        look.screenFactor = factor;
        return PlacementContext{
            look,     wordCase,
            working,  path,
            place,    [this](const std::string &category, const std::string &name) {
                                    reselected = {category, name}; },
            &settings};
    }
    // Answers the next "Add A Clue" with a clue and a case button, leaving it by Escape.
    void answerClue(const QString &expectedWord, const QString &clue, WordCase wordCase, const QString &shot = {})
    {
        host.onModal([this, expectedWord, clue, wordCase, shot](QDialog &d) {
            auto &ask = dynamic_cast<AddAClueDialog &>(d);
            ask.show();
            EXPECT_EQ(ask.windowTitle(), QStringLiteral("Add A Clue"));
            EXPECT_EQ(ask.myWord()->text(), expectedWord);
            // It opens on the case chosen last.
            EXPECT_TRUE(ask.caseButton(wordCaseFrom(this->wordCase))->isChecked());
            // F1..F12 type the international characters into the clue, as in the editor.
            EXPECT_EQ(ask.actions().size(), 12);
            ask.caseButton(wordCase)->click();
            QTest::keyClicks(ask.theClue(), clue);
            if (!shot.isEmpty())
                saveShot(ask, shot);
            QTest::keyClick(&ask, Qt::Key_Escape);
            EXPECT_EQ(ask.result(), QDialog::Accepted);
            return ask.result();
        });
    }
};

QPoint centre(const ManualPlacementDialog &d, int row, int col)
{
    return d.cellRect(cellIndex(row, col)).center();
}

} // namespace

TEST(ManualPlacementWindow, TypedLettersBecomeWordsWithTheirCluesAndAreSaved)
{
    for (const double factor : {1.0, 1.6}) {
        Placement t(farm());
        ManualPlacementDialog d(t.context(factor), t.host);
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Manual Word Addition"));
        EXPECT_FALSE(d.theLetter()->isVisible());

        // A click on a free cell opens the letter box over it; Enter accepts the letter.
        QTest::mouseClick(d.puzzImage(), Qt::LeftButton, {}, centre(d, 3, 3));
        ASSERT_TRUE(d.theLetter()->isVisible());
        EXPECT_TRUE(d.acceptButton()->isVisible());
        EXPECT_EQ(d.theLetter()->geometry(), d.cellRect(cellIndex(3, 3)));
        QTest::keyClicks(d.theLetter(), QStringLiteral("w"));
        QTest::keyClick(d.theLetter(), Qt::Key_Return);
        EXPECT_EQ(d.placement().cell(cellIndex(3, 3)), 'W');
        EXPECT_FALSE(d.theLetter()->isVisible());

        // Protected cells, letters and squares outside the shape take no letter.
        for (const auto &[row, col] : {std::pair{1, 4}, {4, 2}, {1, 1}, {1, 6}}) {
            QTest::mouseClick(d.puzzImage(), Qt::LeftButton, {}, centre(d, row, col));
            EXPECT_FALSE(d.theLetter()->isVisible()) << row << "," << col;
        }

        // A wrong letter is refused and keeps the box; Reject takes a letter back.
        ASSERT_TRUE(d.startTyping(cellIndex(5, 5)));
        d.theLetter()->setText(QStringLiteral("1"));
        EXPECT_FALSE(d.onAcceptClicked());
        EXPECT_EQ(t.host.messages().back().text, QStringLiteral("Puzzle letter must be between A and Z."));
        EXPECT_TRUE(d.theLetter()->isVisible());
        d.theLetter()->setText(QStringLiteral("q"));
        d.onRejectClicked();
        EXPECT_EQ(d.placement().cell(cellIndex(5, 5)), ' ');

        // Ok with a letter still in the box commits it: EWE through the E of ARE.
        ASSERT_TRUE(d.startTyping(cellIndex(3, 4)));
        d.theLetter()->setText(QStringLiteral("e"));
        const QString factorName = QString::number(factor);
        saveShot(d, QStringLiteral("manual_word_addition_%1.png").arg(factorName));
        t.answerClue(QStringLiteral("EWE"), QStringLiteral("  Female sheep "), WordCase::Lower,
                     QStringLiteral("add_a_clue_%1.png").arg(factorName));
        d.onOkButtonClicked();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_TRUE(d.saved());
        EXPECT_EQ(t.wordCase, 2);

        const auto saved = CollectionFile(t.path).read(0);
        ASSERT_TRUE(saved);
        EXPECT_EQ(*saved, t.working);
        EXPECT_EQ(saved->WordCount, 3);
        EXPECT_EQ(saved->Words[1].str(), "ewe");
        EXPECT_EQ(saved->Clues[1].str(), "Female sheep");
        EXPECT_EQ(saved->WordNumber[1], 3);
        expectSoundCrossword(*saved);
        EXPECT_EQ(t.reselected, (std::vector<std::string>{"Animals", "Farm"}));
    }
}

TEST(ManualPlacementWindow, RefusalsChangeNothing)
{
    // Nothing typed, or a lone letter: no change, nothing written.
    for (const bool loneLetter : {false, true}) {
        Placement t(farm());
        const auto before = readAll(t.path);
        ManualPlacementDialog d(t.context(), t.host);
        d.show();
        if (loneLetter) {
            ASSERT_TRUE(d.startTyping(cellIndex(5, 5)));
            d.theLetter()->setText(QStringLiteral("Z"));
        }
        d.onOkButtonClicked();
        EXPECT_EQ(t.host.messages().back().caption, QStringLiteral("Notice"));
        EXPECT_EQ(t.host.messages().back().text, QStringLiteral("No changes to the puzzle were detected."));
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(readAll(t.path), before);
    }

    // A puzzle never built, or one whose entries are all taken, does not open.
    PuzzleRecord neverBuilt = farm();
    neverBuilt.PuzzleBuilt = 0;
    PuzzleRecord full = farm();
    full.WordCount = 200;
    for (const auto &[record, caption] : {std::pair{neverBuilt, "Warning"}, {full, "Error"}}) {
        Placement t(record);
        const auto before = readAll(t.path);
        EXPECT_FALSE(runManualPlacement(nullptr, t.context(), t.host));
        ASSERT_EQ(t.host.messages().size(), 1u);
        EXPECT_EQ(t.host.messages().back().caption, QString::fromLatin1(caption));
        EXPECT_EQ(t.host.messages().back().text, placementCheckText(checkPlacementOpens(record)));
        EXPECT_EQ(readAll(t.path), before);
    }

    // More new words than free entries: the message, the window stays open with the letters.
    PuzzleRecord nearlyFull = farm();
    nearlyFull.Words[198].set("DOG"); // a word the build left out, in entry 199
    {
        Placement t(nearlyFull);
        const auto before = readAll(t.path);
        ManualPlacementDialog d(t.context(), t.host);
        d.show();
        for (const auto &[row, col, letter] : {std::tuple{4, 1, "O"}, {5, 1, "X"}, {4, 4, "A"}, {4, 5, "B"}}) {
            ASSERT_TRUE(d.startTyping(cellIndex(row, col)));
            d.theLetter()->setText(QString::fromLatin1(letter));
            ASSERT_TRUE(d.onAcceptClicked());
        }
        d.onOkButtonClicked();
        EXPECT_EQ(t.host.messages().back().text,
                  QStringLiteral("The letters typed make 2 new words, but this puzzle has room for only 1 more.  "
                                 "Please remove some letters."));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.placement().cell(cellIndex(4, 1)), 'O');
        EXPECT_EQ(readAll(t.path), before);
        EXPECT_EQ(t.working, nearlyFull);
    }

    // A collection that cannot be written: one error box, the file and the working record as they were.
    {
        Placement t(farm());
        const auto before = readAll(t.path);
        ManualPlacementDialog d(t.context(), t.host);
        d.show();
        ASSERT_TRUE(QFile::remove(t.path));
        ASSERT_TRUE(QDir().mkdir(t.path)); // a folder where the file was
        ASSERT_TRUE(d.startTyping(cellIndex(5, 1)));
        d.theLetter()->setText(QStringLiteral("O"));
        ASSERT_TRUE(d.onAcceptClicked());
        ASSERT_TRUE(d.startTyping(cellIndex(5, 2)));
        d.theLetter()->setText(QStringLiteral("X"));
        t.answerClue(QStringLiteral("OX"), QStringLiteral("Yoked beast"), WordCase::Upper);
        const size_t shown = t.host.messages().size();
        d.onOkButtonClicked();
        ASSERT_EQ(t.host.messages().size(), shown + 1);
        EXPECT_EQ(t.host.messages().back().caption, QStringLiteral("Error"));
        EXPECT_FALSE(d.saved());
        EXPECT_EQ(t.working, farm());
        EXPECT_TRUE(t.reselected.empty());
    }
}

TEST(ManualPlacementWindow, OpenedFromTheEditorKeepsItsCluesAndRefreshesItsGrid)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    const QString path = p.session.collectionPath();
    PuzzleRecord record = farm();
    record.Words[2].set("DOG"); // left out by the build
    record.Clues[2].set("Barking pet");
    ASSERT_TRUE(CollectionFile(path).append(record));
    p.window->loadInPuzzles();
    p.window->selectFirstPuzzle();
    ASSERT_TRUE(p.window->actions().puzzleWords->isEnabled());

    p.host.onModal([&](QDialog &d) {
        auto &editor = dynamic_cast<WordListEditor &>(d);
        editor.show();
        QPushButton *addWords = editor.button(QStringLiteral("AddWordsButton"));
        EXPECT_TRUE(addWords->isVisible() && addWords->isEnabled());
        // A clue edited and not saved goes with the puzzle that placement saves.
        editor.wordsCluesGrid()->item(0, WordGrid::ClueColumn)->setText(QStringLiteral("Mouser"));
        p.host.onModal([&](QDialog &inner) {
            auto &placement = dynamic_cast<ManualPlacementDialog &>(inner);
            placement.show();
            EXPECT_TRUE(placement.startTyping(cellIndex(5, 1)));
            placement.theLetter()->setText(QStringLiteral("O"));
            EXPECT_TRUE(placement.onAcceptClicked());
            EXPECT_TRUE(placement.startTyping(cellIndex(5, 2)));
            placement.theLetter()->setText(QStringLiteral("X"));
            p.host.onModal([](QDialog &ask) {
                dynamic_cast<AddAClueDialog &>(ask).theClue()->setText(QStringLiteral("Yoked beast"));
                ask.accept();
                return ask.result();
            });
            placement.onOkButtonClicked();
            return placement.result();
        });
        addWords->click();
        // The grid shows the saved puzzle: the new word placed, DOG still there and not placed.
        WordGrid *grid = editor.wordsCluesGrid();
        QStringList words;
        for (int row = 0; row < 4; ++row)
            words << grid->text(row, WordGrid::UColumn) + grid->text(row, WordGrid::WordColumn);
        EXPECT_EQ(words, (QStringList{"xCAT", "xOx", "xARE", "DOG"}));
        editor.onCancelClicked(); // saved already: no question
        return editor.result();
    });
    const size_t shown = p.host.messages().size();
    p.window->actions().modifyPuzzle->trigger();
    EXPECT_EQ(p.host.messages().size(), shown);
    const auto saved = CollectionFile(path).read(0);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Clues[0].str(), "Mouser");
    EXPECT_EQ(saved->Words[3].str(), "DOG");
    EXPECT_EQ(saved->Clues[3].str(), "Barking pet");
    expectSoundCrossword(*saved);

    // From the main window, a puzzle never built gets the main window's warning.
    PuzzleRecord unbuilt = farm();
    unbuilt.PuzzleBuilt = 0;
    ASSERT_TRUE(CollectionFile(path).replace(0, unbuilt));
    p.window->actions().puzzleWords->trigger();
    EXPECT_EQ(p.host.messages().back().caption, QStringLiteral("Warning"));
    EXPECT_TRUE(p.host.messages().back().text.startsWith(
        QStringLiteral("A puzzle has never been generated for this word/clue list.")));
}

TEST(ManualPlacementWindow, EscapeTakesBackTheLetterTypedAndALoneLetterIsSavedWithTheWords)
{
    Placement t(farm());
    ManualPlacementDialog d(t.context(), t.host);
    d.show();
    ASSERT_TRUE(d.startTyping(cellIndex(5, 5)));
    QTest::keyClicks(d.theLetter(), QStringLiteral("z"));
    QTest::keyClick(d.theLetter(), Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    EXPECT_FALSE(d.theLetter()->isVisible());
    EXPECT_EQ(d.placement().cell(cellIndex(5, 5)), ' ');

    for (const auto &[col, letter] : {std::pair{5, "Z"}, {1, "O"}, {2, "X"}}) {
        ASSERT_TRUE(d.startTyping(cellIndex(5, col)));
        d.theLetter()->setText(QString::fromLatin1(letter));
        ASSERT_TRUE(d.onAcceptClicked());
    }
    t.answerClue(QStringLiteral("OX"), QStringLiteral("Yoked beast"), WordCase::Upper);
    d.onOkButtonClicked();
    const auto saved = CollectionFile(t.path).read(0);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->WordCount, 3);
    EXPECT_EQ(saved->cell(5, 5), 'Z');
}
