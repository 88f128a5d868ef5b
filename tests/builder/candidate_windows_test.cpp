#include "builder/candidate_picture.h"
#include "builder/ui/build_progress_dialog.h"
#include "builder/ui/candidates_dialog.h"
#include "store/collection_file.h"

#include "support/scripted_ui_host.h"
#include "support/shapes.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

PuzzleRecord wordList(const std::vector<std::string> &words)
{
    PuzzleRecord r;
    r.Category.set("Birds");
    r.PuzzleName.set("Garden");
    r.WordCount = static_cast<int16_t>(words.size());
    r.GridWidth = r.GridHeight = 13;
    for (size_t k = 0; k < words.size(); ++k)
        r.Words[k].set(words[k]);
    return r;
}

struct Fixture {
    TempDir dir;
    ScriptedUiHost host;
    ShapeRecord shape = fullShape(13, 13);
    PuzzleRecord working;
    CandidateSlots candidates;
    std::string reselected;

    explicit Fixture(const std::vector<std::string> &words, int attempts = 1) : working(wordList(words))
    {
        Build(working, shape, BuildOptions{attempts, false, false, 17, 1}, candidates);
    }

    SaveTarget target()
    {
        return SaveTarget{dir.file("OUT.QX3"), {}, [this](const std::string &category, const std::string &name) {
                              reselected = category + "/" + name;
                          }};
    }

    std::unique_ptr<CandidatesDialog> window(double factor = 1.0)
    {
        DialogLook look;
        look.screenFactor = factor;
        auto w = std::make_unique<CandidatesDialog>(look, working, candidates, shape, target(), host);
        w->show();
        return w;
    }
};

void saveShot(QWidget &w, const QString &name)
{
    const QString dir = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");
    QDir().mkpath(dir);
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(dir + QLatin1Char('/') + name));
}

void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

TEST(CandidatePicture, CellsAreSquareAndTheFontFitsThem)
{
    EXPECT_EQ(candidateCellSize(QSize(191, 191), 15, 15), 11);
    EXPECT_EQ(candidateCellSize(QSize(191, 191), 30, 10), 5);
    EXPECT_EQ(candidateFontSize(2), 4);
    EXPECT_LT(candidateFontSize(11), 20);
    EXPECT_EQ(candidateFontSize(400), 20);
    PuzzleRecord r = wordList({"A"});
    r.Grid.fill(' ');
    const QImage empty = drawCandidate(r, 0, fullShape(13, 13), QSize(50, 50), Qt::gray);
    EXPECT_EQ(empty.pixelColor(25, 25), QColor(Qt::gray));
    const QImage open = drawCandidate(r, 1, fullShape(13, 13), QSize(191, 191), Qt::gray);
    EXPECT_EQ(open.pixelColor(5, 5), QColor(Qt::black)); // an open square without a letter
}

TEST(CandidateWindow, OneAttemptShowsOneGridSelectedAndSavesWithoutAQuestion)
{
    Fixture f({"ROBIN", "OWL", "WREN"});
    auto w = f.window();
    EXPECT_EQ(w->selectedSlot(), 1);
    EXPECT_TRUE(w->slotCaption(1)->isVisible());
    for (int k = 2; k <= 4; ++k)
        EXPECT_FALSE(w->slotCaption(k)->isVisible());
    w->onPuzzImageClicked(3); // an empty slot: nothing to select
    EXPECT_EQ(w->selectedSlot(), 1);
    EXPECT_EQ(w->includedCaption()->text(), QStringLiteral("3 Included Words"));
    EXPECT_EQ(w->excludedCaption()->text(), QStringLiteral("0 Excluded Words"));
    saveShot(*w, QStringLiteral("created_puzzle_1.0.png"));
    w->onSaveClicked();
    EXPECT_TRUE(f.host.messages().empty());
    EXPECT_TRUE(w->saved());
    EXPECT_EQ(f.reselected, "Birds/Garden");
    const auto saved = CollectionFile(f.dir.file("OUT.QX3")).read(0);
    EXPECT_EQ(saved->PuzzleBuilt, 1);
    EXPECT_EQ(saved->VersionTag.str(), "3.1");
    EXPECT_EQ(saved->WordPlaced[2], 1);
}

TEST(CandidateWindow, LeftOutWordsAskFirstAndNoKeepsTheWindowOpen)
{
    Fixture f({"ABC", "XYZ"}, 3);
    auto w = f.window(1.6);
    EXPECT_EQ(w->includedCaption()->text(), QStringLiteral("1 Included Word"));
    EXPECT_EQ(w->excludedCaption()->text(), QStringLiteral("1 Excluded Word"));
    EXPECT_EQ(w->excludedWords()->item(0)->text(), QStringLiteral("XYZ"));
    saveShot(*w, QStringLiteral("created_puzzle_1.6.png"));
    f.host.answerNext(Answer::No);
    w->onSaveClicked();
    EXPECT_EQ(f.host.messages().back().text,
              QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
    EXPECT_FALSE(w->saved());
    EXPECT_EQ(f.working.PuzzleBuilt, 1); // the working record already holds the declined grid
    EXPECT_FALSE(QFile::exists(f.dir.file("OUT.QX3")));
    f.host.answerNext(Answer::Yes);
    w->onSaveClicked();
    EXPECT_TRUE(w->saved());
}

TEST(CandidateWindow, AFileThatCannotBeWrittenIsReported)
{
    Fixture f({"ROBIN"});
    DialogLook look;
    SaveTarget target{f.dir.file("no/such/dir/OUT.QX3"), {}, {}};
    CandidatesDialog w(look, f.working, f.candidates, f.shape, target, f.host);
    w.show();
    w.onSaveClicked();
    EXPECT_EQ(f.host.messages().back().text, QStringLiteral("Unable to save puzzle."));
    EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST(CandidateWindow, ADoubleClickEnlargesTheGrid)
{
    Fixture f({"ROBIN", "OWL"}, 5);
    auto w = f.window();
    QString title;
    f.host.onModal([&](QDialog &d) {
        title = d.windowTitle();
        d.show();
        saveShot(d, QStringLiteral("blow_it_up.png"));
        return int(QDialog::Accepted);
    });
    w->onPuzzImageDoubleClicked(2);
    EXPECT_EQ(title, QStringLiteral("Second Best Fit"));
}

TEST(ProgressDialog, RunsTheBuildAndEndsWithOk)
{
    const PuzzleRecord list = wordList({"ROBIN", "OWL", "WREN", "STARLING", "SPARROW"});
    const ShapeRecord shape = fullShape(13, 13);
    CandidateSlots candidates;
    DialogLook look;
    BuildProgressDialog dialog(look, list, shape, BuildOptions{30, false, false, 3, 2}, candidates);
    dialog.show();
    waitFor([&] { return dialog.finished(); });
    ASSERT_TRUE(dialog.finished());
    QApplication::processEvents();
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(dialog.line1(), QStringLiteral("Creation Attempt #30"));
    EXPECT_EQ(dialog.line2(), QStringLiteral("Completed"));
    EXPECT_FALSE(dialog.aborted());
    EXPECT_GT(candidates[0].score, 0);
    saveShot(dialog, QStringLiteral("creation_attempts.png"));
    dialog.onCancelClicked();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ProgressDialog, AbortStopsAfterTheRunningAttempt)
{
    std::vector<std::string> words;
    for (int k = 0; k < 120; ++k)
        words.push_back(std::string(1 + k % 9, static_cast<char>('A' + k % 5)) + "E");
    PuzzleRecord list = wordList(words);
    list.GridWidth = list.GridHeight = 40;
    const ShapeRecord shape = fullShape(40, 40);
    CandidateSlots candidates;
    DialogLook look;
    BuildProgressDialog dialog(look, list, shape, BuildOptions{999, false, false, 3, 1}, candidates);
    dialog.show();
    // Abort before the worker has begun: however the machine schedules the threads, the build then
    // stops after its first attempt instead of racing through all of them.
    dialog.onCancelClicked();
    waitFor([&] { return dialog.finished(); });
    QApplication::processEvents();
    EXPECT_TRUE(dialog.outcome().aborted);
    EXPECT_TRUE(dialog.aborted());
    EXPECT_LT(dialog.outcome().attemptsRanked, 999);
    EXPECT_EQ(dialog.line1(), QStringLiteral("Aborted on creation Attempt #%1").arg(dialog.outcome().attemptsRanked));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("&Ok"));
    saveShot(dialog, QStringLiteral("creation_attempts_aborted.png"));
}

TEST(CandidateWindow, ASaveIntoADamagedCollectionShowsOneErrorBoxAndChangesNothing)
{
    Fixture f({"ROBIN", "OWL", "WREN"});
    const QString path = f.dir.file("OUT.QX3");
    const std::vector<uint8_t> notes{'n', 'o', 't', 'e', 's', '\n'};
    writeAll(path, notes);
    auto w = f.window();
    w->onSaveClicked();
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(f.host.messages()[0].text,
              path + QStringLiteral(" is damaged or is not a puzzle collection.  Nothing was saved."));
    EXPECT_FALSE(w->saved());
    EXPECT_EQ(readAll(path), notes);
}

TEST(CandidateWindow, AWordLeftOutSaysWhyAndEachGridGivesItsFill)
{
    for (const double factor : {1.0, 1.6}) {
        Fixture f({"ROBIN", "OWL", "XYZ"}, 3);
        auto w = f.window(factor);
        w->setNote(QStringLiteral("Smallest square: 13 \u00d7 13, every word placed."));
        EXPECT_TRUE(w->noteLabel()->isVisible());
        const QString caption = w->slotCaption(1)->text();
        EXPECT_TRUE(caption.startsWith(QStringLiteral("Best Fit: 2 of 3 words\n1.0 crossings per word, ")) &&
                    caption.endsWith(QStringLiteral("% fill")))
            << caption.toStdString();
        EXPECT_TRUE(w->leftOutReason()->text().isEmpty());
        w->excludedWords()->setCurrentRow(0);
        EXPECT_EQ(w->leftOutReason()->text(), QStringLiteral("No letter in common with the words placed."));
        saveShot(*w, QStringLiteral("created_puzzle_reason_%1.png").arg(factor));
        w->onPuzzImageClicked(2); // another grid: the lists and the line start again
        EXPECT_TRUE(w->leftOutReason()->text().isEmpty());
        w->setNote(QString());
        EXPECT_FALSE(w->noteLabel()->isVisible());
    }
}

TEST(ProgressDialog, TheSearchForTheSmallestSquareNamesEachSquare)
{
    const PuzzleRecord list = wordList({"CROSSWORD", "WORDS", "ROW", "SOD", "DOC"});
    CandidateSlots candidates;
    DialogLook look;
    BuildProgressDialog dialog(look, list, fullShape(13, 13), BuildOptions{10, false, false, 3, 2}, candidates, nullptr,
                               true);
    dialog.show();
    waitFor([&] { return dialog.finished(); });
    ASSERT_TRUE(dialog.squareOutcome().has_value());
    const int side = dialog.squareOutcome()->side;
    EXPECT_TRUE(dialog.squareOutcome()->everyWordPlaced);
    EXPECT_GE(side, 9);
    EXPECT_EQ(candidates[0].record->GridWidth, side);
    EXPECT_EQ(dialog.line1(), QStringLiteral("Square %1 \u00d7 %1").arg(side));
    EXPECT_EQ(dialog.line2(), QStringLiteral("Completed"));
}
