// Making a crossword through the windows, end to end, offscreen.
#include "app/session.h"
#include "app/ui/main_window.h"
#include "app/ui/program_windows.h"
#include "app/ui/startup.h"
#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "shapes/shape_record.h"
#include "shapes/ui/shape_list_panel.h"
#include "store/collection_file.h"
#include "words/ui/word_list_editor.h"

#include "support/crossword_check.h"
#include "support/file_faults.h"
#include "support/program_fixture.h"
#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

void setCell(WordListEditor &w, int row, int column, const QString &text)
{
    w.wordsCluesGrid()->item(row, column)->setText(text);
}

int runProgress(QDialog &d)
{
    auto &progress = dynamic_cast<BuildProgressDialog &>(d);
    progress.show();
    QElapsedTimer timer;
    timer.start();
    while (!progress.finished() && timer.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
    EXPECT_EQ(progress.cancelButton()->text(), QStringLiteral("&Ok"));
    progress.cancelBuild();
    return progress.result();
}

} // namespace

TEST(MakingACrossword, NewCollectionNewPuzzleBuildSaveModifyAndCopy)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    // A new, empty collection; the question offers the first puzzle at once.
    p.host.pickFile(p.startup.file(QStringLiteral("CLASS.QX3")));
    p.host.answerNext(Answer::Yes);
    p.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WordListEditor &>(d);
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Create New Puzzle"));
        w.titleEdit()->setText(QStringLiteral("Garden Birds"));
        w.categoryBox()->setCurrentText(QStringLiteral("Birds"));
        const QStringList words = {"ROBIN", "WREN", "STARLING", "SPARROW", "BLACKBIRD", "THRUSH", "FINCH"};
        for (int k = 0; k < words.size(); ++k) {
            setCell(w, k * 2, 2, words[k]); // every other row: empty rows close up
            setCell(w, k * 2, 3, QStringLiteral("Clue for ") + words[k]);
        }
        w.attemptsEdit()->setText(QStringLiteral("25"));
        saveScreenshot(w, QStringLiteral("word_list_editor.png"));
        w.buildPuzzle();
        return w.result();
    });
    p.host.onModal(runProgress);
    p.host.onModal([&](QDialog &d) {
        auto &created = dynamic_cast<CandidatesDialog &>(d);
        created.show();
        EXPECT_EQ(created.selectedSlot(), 1);
        saveScreenshot(created, QStringLiteral("created_puzzle_end_to_end.png"));
        p.host.answerNext(Answer::Yes); // in case a word was left out
        created.saveCandidate();
        return created.result();
    });
    p.window->createCollection();
    ASSERT_EQ(p.window->categoryBox()->count(), 1);
    EXPECT_EQ(p.window->puzzleBox()->currentItem()->text(), QStringLiteral("Garden Birds"));
    const auto saved = p.session.collectionFile().read(0);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->PuzzleBuilt, 1);
    EXPECT_EQ(saved->Category.str(), "Birds");
    EXPECT_GE(saved->WordCount, 5);
    expectSoundCrossword(*saved);
    EXPECT_EQ(p.session.settings.createOptions.attempts, 25);

    // Modify its clues: only clues can change, and leaving unchanged asks nothing.
    p.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WordListEditor &>(d);
        w.show();
        EXPECT_FALSE(w.wordsCluesGrid()->item(0, 2)->flags() & Qt::ItemIsEditable);
        EXPECT_FALSE(w.button(QStringLiteral("CreateIt"))->isEnabled());
        EXPECT_EQ(w.wordsCluesGrid()->item(0, 1)->text(), QStringLiteral("x"));
        w.closeAskingToSave();
        return w.result();
    });
    p.window->actions().modifyPuzzle->trigger();
    const size_t questions = p.host.messages().size();
    p.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WordListEditor &>(d);
        w.show();
        setCell(w, 0, 3, QStringLiteral("A changed clue"));
        w.savePuzzle();
        return w.result();
    });
    p.window->actions().modifyPuzzle->trigger();
    EXPECT_EQ(p.host.messages().size(), questions);
    EXPECT_EQ(p.session.collectionFile().read(0)->Clues[0].str(), "A changed clue");
    EXPECT_EQ(p.session.collectionFile().count(), 1);

    // Copy it: a new record named by the copy rule.
    p.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WordListEditor &>(d);
        w.show();
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Create New Puzzle (copy of existing puzzle)"));
        EXPECT_EQ(w.titleEdit()->text(), QStringLiteral("Garden Birds (2)"));
        w.attemptsEdit()->setText(QStringLiteral("1"));
        w.buildPuzzle();
        return w.result();
    });
    p.host.onModal([&](QDialog &d) {
        auto &created = dynamic_cast<CandidatesDialog &>(d);
        created.show();
        p.host.answerNext(Answer::Yes);
        created.saveCandidate();
        return created.result();
    });
    p.window->actions().copyPuzzle->trigger();
    EXPECT_EQ(p.session.collectionFile().count(), 2);
    EXPECT_EQ(p.window->puzzleBox()->currentItem()->text(), QStringLiteral("Garden Birds (2)"));
}

TEST(MakingACrossword, ANewUsersFirstCreatePlacesAllTwentyFiveWordsOfAnOrdinaryList)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"), true);
    p.session.current->resetForNewPuzzle(p.session.layoutForNewPuzzle());
    WordListContext context{{},
                            p.session.settings,
                            *p.session.current,
                            p.session.currentShape,
                            *p.session.candidates,
                            p.session.shapeLibrary().path(),
                            p.startup.file("X.QX3"),
                            p.session.currentPlace,
                            {},
                            {}};
    WordListEditor w(context, p.host, QString());
    w.show();
    EXPECT_EQ(w.attemptsEdit()->text(), QStringLiteral("100"));
    EXPECT_EQ(w.findChild<ShapeListPanel *>()->selectedRecord(), SmallestSquareMarker);
    const QStringList weather = {"RAIN",    "SNOW",      "WIND",     "CLOUD",      "STORM", "THUNDER",  "LIGHTNING",
                                 "HAIL",    "FOG",       "SLEET",    "DRIZZLE",    "FROST", "SUNSHINE", "RAINBOW",
                                 "TORNADO", "HURRICANE", "BREEZE",   "MIST",       "DEW",   "ICE",      "FORECAST",
                                 "CLIMATE", "BLIZZARD",  "HUMIDITY", "THERMOMETER"};
    ASSERT_EQ(weather.size(), 25);
    w.titleEdit()->setText(QStringLiteral("Weather"));
    w.categoryBox()->setCurrentText(QStringLiteral("Science"));
    for (int k = 0; k < weather.size(); ++k) {
        setCell(w, k, 2, weather[k]);
        setCell(w, k, 3, QStringLiteral("A kind of weather: ") + weather[k].toLower());
    }
    // The longest of them show whole in the word column.
    for (const QString &word : {QStringLiteral("THUNDERSTORMS"), QStringLiteral("PRECIPITATION")}) {
        setCell(w, 0, 2, word);
        QStyleOptionViewItem option;
        option.initFrom(w.wordsCluesGrid());
        const QModelIndex cell = w.wordsCluesGrid()->model()->index(0, 2);
        EXPECT_LE(w.wordsCluesGrid()->itemDelegate()->sizeHint(option, cell).width(),
                  w.wordsCluesGrid()->columnWidth(2))
            << word.toStdString();
    }
    setCell(w, 0, 2, weather[0]);
    int placed = 0;
    p.host.onModal(runProgress);
    p.host.onModal([&](QDialog &d) {
        placed = (*p.session.candidates)[0].score;
        return d.result();
    });
    w.buildPuzzle();
    EXPECT_EQ(placed, 25);
}

TEST(WordListEditor, ChecksPointAtTheRowAndLeavingAChangedPuzzleAsks)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    p.session.current->resetForNewPuzzle(p.session.layoutForNewPuzzle());
    WordListContext context{{},
                            p.session.settings,
                            *p.session.current,
                            p.session.currentShape,
                            *p.session.candidates,
                            p.session.shapeLibrary().path(),
                            p.startup.file("X.QX3"),
                            p.session.currentPlace,
                            {},
                            {}};
    WordListEditor w(context, p.host, QString());
    w.show();
    w.titleEdit()->setText(QStringLiteral("T"));
    w.categoryBox()->setCurrentText(QStringLiteral("C"));
    setCell(w, 0, 2, QStringLiteral("OWL"));
    setCell(w, 2, 2, QStringLiteral("ABCDEFGHIJKLMNOP"));
    w.attemptsEdit()->setText(QStringLiteral("1"));
    w.buildPuzzle();
    EXPECT_EQ(p.host.messages().back().text, QStringLiteral("Word is greater than puzzle dimension size of 15 "
                                                            "characters in \"ABCDEFGHIJKLMNOP\"."));
    EXPECT_EQ(w.wordsCluesGrid()->currentRow(), 2);
    w.attemptsEdit()->setText(QStringLiteral("0"));
    w.buildPuzzle();
    EXPECT_EQ(p.host.messages().back().text, QStringLiteral("Attempts must be between 1 and 999.  Please correct."));

    // F1 types international character 1 (code 0225, a with acute) into the focused field.
    QApplication::setActiveWindow(&w);
    w.titleEdit()->setFocus();
    w.typeInternationalCharacter(1);
    EXPECT_EQ(w.titleEdit()->text(), QStringLiteral("T\u00e1"));

    w.wordsCluesGrid()->setCurrentCell(0, 2);
    w.deleteClue();
    EXPECT_EQ(w.wordsCluesGrid()->item(1, 2)->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    p.host.answerNext(Answer::Yes);
    w.deleteAllClues();
    w.deleteAllClues();
    EXPECT_EQ(p.host.messages().back().text, QStringLiteral("All words are already cleared."));
}

TEST(WordListEditor, AnExistingPuzzleCountsALayoutChangeAsAChange)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    const auto built = CollectionFile(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3")).read(0);
    ASSERT_TRUE(built);
    *p.session.current = *built;
    const QString file = p.startup.file(QStringLiteral("ONE.QX3"));
    ASSERT_TRUE(CollectionFile(file).append(*built));
    p.session.currentPlace = PuzzlePlace::read(0, CollectionFile(file).file().read(0).value());
    DialogLook look;
    look.screenFactor = 1.6;
    WordListContext context{look,
                            p.session.settings,
                            *p.session.current,
                            p.session.currentShape,
                            *p.session.candidates,
                            p.session.shapeLibrary().path(),
                            file,
                            p.session.currentPlace,
                            {},
                            {}};
    WordListEditor w(context, p.host, QStringLiteral("Modify Existing Puzzle"));
    w.show();
    saveScreenshot(w, QStringLiteral("word_list_editor_1.6.png"));
    EXPECT_FALSE(w.changed());
    p.session.current->Layout.ObjectCount = static_cast<int16_t>(p.session.current->Layout.ObjectCount - 1);
    EXPECT_TRUE(w.changed());
    p.host.answerNext(Answer::Cancel);
    w.closeAskingToSave();
    EXPECT_EQ(p.host.messages().back().text, QStringLiteral("Puzzle has been modified.  Save changes?"));
    EXPECT_EQ(p.host.messages().back().buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(w.isVisible());
}

TEST(WordListEditor, AFailedSaveShowsOneErrorBoxAndLeavesTheCollectionAsItWas)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    const auto built = CollectionFile(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3")).read(0);
    ASSERT_TRUE(built);
    const QString file = p.startup.file(QStringLiteral("ONE.QX3"));
    const struct {
        const char *fault;
        bool damaged;
        QString text;
    } faults[] = {
        {"damaged", true, file + QStringLiteral(" is damaged or is not a puzzle collection.  Nothing was saved.")},
        {"size limit", false, file + QStringLiteral(": ") + systemErrorText(EFBIG)},
    };
    for (const auto &fault : faults) {
        SCOPED_TRACE(fault.fault);
        QFile::remove(file);
        ASSERT_TRUE(CollectionFile(file).append(*built));
        auto bytes = readAll(file);
        if (fault.damaged) {
            bytes.resize(bytes.size() + 10, 0);
            writeAll(file, bytes);
        }
        *p.session.current = *built;
        p.session.currentPlace = PuzzlePlace::read(0, CollectionFile(file).file().read(0).value());
        const DialogLook look;
        WordListContext context{look,
                                p.session.settings,
                                *p.session.current,
                                p.session.currentShape,
                                *p.session.candidates,
                                p.session.shapeLibrary().path(),
                                file,
                                p.session.currentPlace,
                                {},
                                {}};
        WordListEditor w(context, p.host, QStringLiteral("Modify Existing Puzzle"));
        w.show();
        setCell(w, 0, 3, QStringLiteral("A clue that is never saved"));
        p.host.clear();
        {
            std::optional<FileSizeLimit> limit;
            if (!fault.damaged)
                limit.emplace(1000); // a full disk: the new file cannot be written
            w.savePuzzle();
        }
        ASSERT_EQ(p.host.messages().size(), 1u);
        EXPECT_EQ(p.host.messages()[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(p.host.messages()[0].text, fault.text);
        EXPECT_EQ(readAll(file), bytes);
        EXPECT_TRUE(w.isVisible()) << "the editor stays open with what was typed";
        EXPECT_EQ(w.wordsCluesGrid()->item(0, 3)->text(), QStringLiteral("A clue that is never saved"));
    }
}

TEST(MakingACrossword, ThoroughSearchInTheSmallestSquare)
{
    Program p(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex"));
    p.host.pickFile(p.startup.file(QStringLiteral("SQUARE.QX3")));
    p.host.answerNext(Answer::Yes);
    p.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WordListEditor &>(d);
        w.show();
        // The search for the smallest square heads the shape list; a new puzzle starts on a shape.
        QListWidget *shapes = w.shapes()->shapeBox();
        EXPECT_EQ(shapes->item(0)->text(), QStringLiteral("<Smallest Square>"));
        EXPECT_NE(shapes->currentRow(), 0);
        w.titleEdit()->setText(QStringLiteral("Tight"));
        w.categoryBox()->setCurrentText(QStringLiteral("Words"));
        const QStringList words = {"CROSSWORD", "WORDS", "ROW", "SOD", "DOC", "CORD"};
        for (int k = 0; k < words.size(); ++k)
            setCell(w, k, 2, words[k]);
        w.attemptsEdit()->setText(QStringLiteral("8"));
        EXPECT_EQ(w.thorough()->text(), QStringLiteral("T&horough"));
        w.thorough()->setChecked(true);
        EXPECT_TRUE(p.session.settings.createOptions.thorough);
        // The effort the user sees is the one kept in the settings.
        EXPECT_EQ(w.effort()->value(), 1);
        w.effort()->setValue(2);
        EXPECT_EQ(p.session.settings.createOptions.thoroughEffort, 2);
        w.effort()->setValue(1);
        shapes->setCurrentRow(0);
        w.shapes()->showChosenShape();
        EXPECT_FALSE(w.shapes()->modifyButton()->isEnabled());
        saveScreenshot(w, QStringLiteral("word_list_editor_thorough.png"));
        w.buildPuzzle();
        return w.result();
    });
    p.host.onModal(runProgress);
    p.host.onModal([&](QDialog &d) {
        auto &created = dynamic_cast<CandidatesDialog &>(d);
        created.show();
        EXPECT_TRUE(created.noteLabel()->text().startsWith(QStringLiteral("Smallest square: ")));
        EXPECT_TRUE(created.noteLabel()->text().contains(QStringLiteral("Squares tried: ")));
        saveScreenshot(created, QStringLiteral("created_puzzle_smallest_square.png"));
        p.host.answerNext(Answer::Yes);
        created.saveCandidate();
        return created.result();
    });
    p.window->createCollection();
    const auto saved = p.session.collectionFile().read(0);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->WordCount, 6);
    EXPECT_EQ(saved->GridWidth, saved->GridHeight);
    EXPECT_GE(saved->GridWidth, 9);
    EXPECT_LE(saved->GridWidth, 12);
    expectSoundCrossword(*saved);
}
