// Adding words by hand to a built grid, without windows: which cells take letters, which runs are
// new words, where the new words go in the record and how they are numbered.
#include "builder/grid_builder.h"
#include "builder/word_order.h"
#include "words/manual_placement.h"

#include "support/built_record.h"
#include "support/crossword_check.h"
#include "support/shapes.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

// Types letters into cells from (row, col) on, as a user does, failing the test on a cell that
// does not take a letter.
void type(ManualPlacement &p, int row, int col, bool across, const QString &letters)
{
    const auto typing = p.typeWord(row, col, across, letters);
    EXPECT_EQ(typing.problem, ManualPlacement::Typing::Problem::None) << letters.toStdString();
}

NewWord clued(const LetterRun &run, const char *clue, WordCase wordCase = WordCase::Upper)
{
    return NewWord{run, clue, wordCase};
}

int entryOf(const PuzzleRecord &r, const std::string &word)
{
    for (int k = 0; k < MaxWords; ++k) {
        if (r.Words[static_cast<size_t>(k)].str() == word)
            return k;
    }
    return -1;
}

} // namespace

TEST(ManualPlacement, WordsTheBuildLeftOutStayAfterTheNewWords)
{
    // CAT and DOG share no letter: DOG is left out, and stays after WordCount with its clue.
    PuzzleRecord words;
    words.Words[0].set("CAT");
    words.Words[1].set("DOG");
    words.Clues[0].set("Purring pet");
    words.Clues[1].set("Barking pet");
    words.WordCount = 2;
    CandidateSlots candidates;
    buildCandidates(words, fullShape(5, 5), BuildOptions{1, false, false, 7, 1}, candidates);
    PuzzleRecord r = *candidates[0].record;
    r.stampSaved(candidates[0].placed);
    ASSERT_EQ(r.WordCount, 1);
    ASSERT_EQ(r.Words[1].str(), "DOG");

    // A two-letter word two rows or columns away from CAT.
    ManualPlacement p(r);
    const bool across = r.WordAcross[0] != 0;
    const int row = (r.WordPos[0] - 1) / GridSide + 1;
    const int col = (r.WordPos[0] - 1) % GridSide + 1;
    if (across)
        type(p, row > 2 ? 1 : 5, 1, true, QStringLiteral("ox"));
    else
        type(p, 1, col > 2 ? 1 : 5, false, QStringLiteral("ox"));
    const auto runs = newRuns(p.record());
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_TRUE(checkNewRuns(p.record(), runs).ok());
    addNewWords(p.record(), {clued(runs[0], "  Yoked beast  ", WordCase::FirstCapital)});

    const PuzzleRecord &out = p.record();
    EXPECT_EQ(out.WordCount, 2);
    EXPECT_EQ(out.Words[2].str(), "DOG");
    EXPECT_EQ(out.Clues[2].str(), "Barking pet");
    EXPECT_EQ(out.WordPlaced[2], 0);
    const int ox = entryOf(out, "Ox");
    ASSERT_GE(ox, 0);
    EXPECT_LT(ox, 2);
    EXPECT_EQ(out.Clues[static_cast<size_t>(ox)].str(), "Yoked beast");
    EXPECT_EQ(out.Clues[static_cast<size_t>(entryOf(out, "CAT"))].str(), "Purring pet");
    EXPECT_EQ(out.AcrossCount + out.DownCount, 2);
    expectSoundCrossword(out);
}

TEST(ManualPlacement, NewRunsAreTheLetterRunsNoPlacedWordStartsInsideTheGrid)
{
    struct Case {
        const char *name;
        PuzzleRecord record;
        std::vector<LetterRun> expected;
    };
    PuzzleRecord shrunk = builtRecord({"CAT..QX", "...YZQ.", "QQQ.Q.."}, {{"CAT", 1, 1, true}});
    shrunk.GridWidth = 5; // columns 6, 7 and row 3 hold letters left from before the shrink
    shrunk.GridHeight = 2;
    const Case cases[] = {
        {"a letter under an across word makes one down word",
         builtRecord({"CAT..", ".O...", "....."}, {{"CAT", 1, 1, true}}),
         {{cellIndex(1, 2), false, "AO"}}},
        {"letters that touch nothing make no word",
         builtRecord({"CAT..", ".....", "X...Y"}, {{"CAT", 1, 1, true}}),
         {}},
        {"only cells inside the width and height count", shrunk, {{cellIndex(2, 4), true, "YZ"}}},
        {"a run reads to the edge of the grid in use",
         builtRecord({"CAT..", "....O", "....X"}, {{"CAT", 1, 1, true}}),
         {{cellIndex(2, 5), false, "OX"}}},
        {"an across and a down run from one cell, across first",
         builtRecord({"CAT..", ".....", "...OX", "...N."}, {{"CAT", 1, 1, true}}),
         {{cellIndex(3, 4), true, "OX"}, {cellIndex(3, 4), false, "ON"}}},
        {"a word starting there in the other direction does not make a run old",
         builtRecord({"CAT..", "O....", "W...."}, {{"CAT", 1, 1, true}}),
         {{cellIndex(1, 1), false, "COW"}}},
        {"a word that is not placed makes no run old",
         builtRecord({"CAT..", "O....", "W...."}, {{"CAT", 1, 1, true}, {"COW", 1, 1, false, false}}),
         {{cellIndex(1, 1), false, "COW"}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(newRuns(c.record), c.expected) << c.name;
}

TEST(ManualPlacement, OnlyPlacedWordsProtectTheCellsAtTheirEndsInsideTheGrid)
{
    struct Case {
        const char *name;
        PuzzleRecord record;
        std::vector<std::pair<int, int>> protectedCells;
    };
    PuzzleRecord unplaced = builtRecord({".....", ".CAT.", "....."}, {{"CAT", 2, 2, true, false}});
    PuzzleRecord noPosition = builtRecord({".....", ".CAT.", "....."}, {{"CAT", 2, 2, true}});
    noPosition.WordPos[0] = 0;
    PuzzleRecord pastWordCount = builtRecord({".....", ".CAT.", "....."}, {{"CAT", 2, 2, true}});
    pastWordCount.WordCount = 0;
    PuzzleRecord shrunk = builtRecord({".CAT..", "......"}, {{"CAT", 1, 2, true}});
    shrunk.GridWidth = 4;
    const Case cases[] = {
        {"across: left and right", builtRecord({".....", ".CAT.", "....."}, {{"CAT", 2, 2, true}}), {{2, 1}, {2, 5}}},
        {"down: above and below", builtRecord({".C.", ".A.", ".T.", "..."}, {{"CAT", 1, 2, false}}), {{4, 2}}},
        {"at the edges nothing outside", builtRecord({"CAT", "...", "..."}, {{"CAT", 1, 1, true}}), {}},
        {"a word left out protects nothing", unplaced, {}},
        {"a word without a position protects nothing", noPosition, {}},
        {"a word past WordCount protects nothing", pastWordCount, {}},
        {"the grid ends at its width after a shrink", shrunk, {{1, 1}}},
    };
    for (const Case &c : cases) {
        const std::vector<bool> got = protectedCells(c.record);
        std::vector<bool> expected(GridCells + 1, false);
        for (const auto &[row, col] : c.protectedCells)
            expected[static_cast<size_t>(cellIndex(row, col))] = true;
        EXPECT_EQ(got, expected) << c.name;
        // Protected cells, letters, cells outside the shape or the grid take no letter.
        const ManualPlacement p(c.record);
        for (int row = 1; row <= GridSide; ++row) {
            for (int col = 1; col <= GridSide; ++col) {
                const int cell = cellIndex(row, col);
                const bool free = row <= c.record.heightInUse() && col <= c.record.widthInUse() &&
                                  c.record.Grid[static_cast<size_t>(cell - 1)] == ' ' &&
                                  !expected[static_cast<size_t>(cell)];
                EXPECT_EQ(p.isEditable(cell), free) << c.name << " row " << row << " column " << col;
            }
        }
    }
}

TEST(ManualPlacement, NewWordsAreNumberedAndOrderedAsTheBuilderOrdersThem)
{
    // TOE across and TE down from one new cell; RAT across and ORE down were there.
    ManualPlacement p(
        builtRecord({"RAT..", "....O", "....R", "....E", "....."}, {{"RAT", 1, 1, true}, {"ORE", 2, 5, false}}));
    orderPlacedWords(p.record(), 2);
    type(p, 4, 1, true, QStringLiteral("TOE"));
    type(p, 4, 1, false, QStringLiteral("TE"));
    const auto runs = newRuns(p.record());
    ASSERT_EQ(runs.size(), 2u);
    addNewWords(p.record(), {clued(runs[0], "Foot digit"), clued(runs[1], "Twice five", WordCase::Lower)});
    const PuzzleRecord &r = p.record();
    expectSoundCrossword(r);
    EXPECT_EQ(r.WordCount, 4);
    EXPECT_EQ(r.AcrossCount, 2);
    const int toe = entryOf(r, "TOE");
    const int te = entryOf(r, "te");
    ASSERT_GE(toe, 0);
    ASSERT_GE(te, 0);
    EXPECT_EQ(r.WordNumber[static_cast<size_t>(toe)], r.WordNumber[static_cast<size_t>(te)]);
    EXPECT_EQ(r.WordNumber[static_cast<size_t>(toe)], 3);
    EXPECT_EQ(r.Clues[static_cast<size_t>(te)].str(), "Twice five");
    // The same words ordered by the builder's own rule from any starting order give this record.
    PuzzleRecord shuffled = r;
    std::swap(shuffled.Words[0], shuffled.Words[3]);
    std::swap(shuffled.Clues[0], shuffled.Clues[3]);
    std::swap(shuffled.WordPos[0], shuffled.WordPos[3]);
    std::swap(shuffled.WordLen[0], shuffled.WordLen[3]);
    std::swap(shuffled.WordAcross[0], shuffled.WordAcross[3]);
    orderPlacedWords(shuffled, 4);
    EXPECT_EQ(shuffled, r);
}

TEST(ManualPlacement, RefusalsNameWhatIsWrong)
{
    const auto runOf = [](int length) { return LetterRun{1, true, std::string(static_cast<size_t>(length), 'A')}; };
    PuzzleRecord neverBuilt = builtRecord({"CAT.."}, {{"CAT", 1, 1, true}});
    neverBuilt.PuzzleBuilt = 0;
    PuzzleRecord full = builtRecord({"CAT.."}, {{"CAT", 1, 1, true}});
    full.WordCount = 200;
    PuzzleRecord fullWithLeftOut = builtRecord({"CAT.."}, {{"CAT", 1, 1, true}});
    fullWithLeftOut.Words[199].set("DOG"); // the last word the build left out
    PuzzleRecord twoFree = builtRecord({"CAT.."}, {{"CAT", 1, 1, true}});
    twoFree.WordCount = 150;
    twoFree.Clues[197].set("a clue without its word still holds its entry");
    using Problem = PlacementCheck::Problem;
    const struct {
        const char *name;
        const PuzzleRecord &record;
        std::vector<LetterRun> runs;
        Problem problem;
        QString text;
    } cases[] = {
        {"never built",
         neverBuilt,
         {runOf(2)},
         Problem::NeverBuilt,
         QStringLiteral("A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from "
                        "the menu and create the puzzle first")},
        {"200 words",
         full,
         {runOf(2)},
         Problem::NoFreeEntry,
         QStringLiteral("This puzzle already holds 200 words, the most a puzzle can hold.  No word can be added.")},
        {"200 entries with the words left out", fullWithLeftOut, {runOf(2)}, Problem::NoFreeEntry, {}},
        {"more new words than free entries",
         twoFree,
         {runOf(2), runOf(3), runOf(4)},
         Problem::TooFewEntries,
         QStringLiteral("The letters typed make 3 new words, but this puzzle has room for only 2 more.  Please remove "
                        "some letters.")},
        {"as many as free entries", twoFree, {runOf(2), runOf(3)}, Problem::None, {}},
        {"a run of 31 letters",
         twoFree,
         {runOf(30), runOf(31)},
         Problem::RunTooLong,
         QStringLiteral("The letters \"%1\" make a word of 31 letters, but a word holds at most 30.  Please remove "
                        "some letters.")
             .arg(QString(31, QLatin1Char('A')))},
    };
    for (const auto &c : cases) {
        const PlacementCheck check = checkNewRuns(c.record, c.runs);
        EXPECT_EQ(check.problem, c.problem) << c.name;
        if (!c.text.isEmpty()) {
            EXPECT_EQ(placementCheckText(check), c.text) << c.name;
        }
    }
    EXPECT_EQ(checkPlacementOpens(neverBuilt).problem, Problem::NeverBuilt);
    EXPECT_EQ(placementCheckCaption(checkPlacementOpens(neverBuilt)), QStringLiteral("Warning"));
    EXPECT_EQ(checkPlacementOpens(fullWithLeftOut).problem, Problem::NoFreeEntry);
}

TEST(ManualPlacement, TypedLettersAndTheStoredCase)
{
    const struct {
        QString typed;
        std::optional<uint8_t> cell;
    } letters[] = {{QString(), uint8_t(' ')},           {QStringLiteral("q"), uint8_t('Q')},
                   {QStringLiteral("Z"), uint8_t('Z')}, {QStringLiteral("é"), std::nullopt},
                   {QStringLiteral("1"), std::nullopt}, {QStringLiteral(" "), std::nullopt},
                   {QStringLiteral("Α"), std::nullopt}};
    for (const auto &l : letters)
        EXPECT_EQ(typedCell(l.typed), l.cell) << l.typed.toStdString();

    const struct {
        const char *letters;
        WordCase wordCase;
        const char *stored;
    } cases[] = {{"OX", WordCase::Upper, "OX"},
                 {"OX", WordCase::Lower, "ox"},
                 {"OX", WordCase::FirstCapital, "Ox"},
                 {"\xC9T\xC9", WordCase::Lower, "\xC9t\xC9"}, // only A..Z change
                 {"\xC9T\xC9", WordCase::FirstCapital, "\xC9t\xC9"}};
    for (const auto &c : cases)
        EXPECT_EQ(casedWord(c.letters, c.wordCase), c.stored) << c.letters;
    EXPECT_EQ(wordCaseFrom(2), WordCase::Lower);
    EXPECT_EQ(wordCaseFrom(0), WordCase::FirstCapital);
}
