#include "builder/grid_builder.h"
#include "builder/split_mix.h"
#include "common/upper_case_letter.h"

#include "support/crossword_check.h"
#include "support/shapes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

using namespace qx;
using qx::test::expectSoundCrossword;
using qx::test::fullShape;

namespace {

PuzzleRecord wordList(const std::vector<std::string> &words, int width, int height)
{
    PuzzleRecord r;
    r.WordCount = static_cast<int16_t>(words.size());
    r.GridWidth = static_cast<int16_t>(width);
    r.GridHeight = static_cast<int16_t>(height);
    for (size_t k = 0; k < words.size(); ++k) {
        r.Words[k].set(words[k]);
        r.Clues[k].set("Clue for " + words[k]);
    }
    return r;
}

struct RecordingObserver final : BuildObserver {
    std::vector<std::pair<QString, QString>> lines;
    int abortAfter = -1;
    int done = 0;
    bool beeped = false;
    std::optional<size_t> abortedBeforeLine; // lines there were when the abort was reported
    void progress(const QString &a, const QString &b) override { lines.emplace_back(a, b); }
    bool abortRequested() override { return abortAfter >= 0 && done >= abortAfter; }
    void attemptsDone(int d, int) override { done = d; }
    void completed() override { beeped = true; }
    void aborted() override { abortedBeforeLine = lines.size(); }
};

} // namespace

TEST(UpperCaseLetter, CapitalisesPlainAndAccentedSmallLetters)
{
    EXPECT_EQ(UpperCaseLetter('a'), 'A');
    EXPECT_EQ(UpperCaseLetter('z'), 'Z');
    EXPECT_EQ(UpperCaseLetter(0xE9), 0xC9); // é
    EXPECT_EQ(UpperCaseLetter(0xE0), 0xC0);
    EXPECT_EQ(UpperCaseLetter(0xFE), 0xDE);
    EXPECT_EQ(UpperCaseLetter(0xF7), 0xF7); // ÷
    EXPECT_EQ(UpperCaseLetter(0xFF), 0xFF); // ÿ
    EXPECT_EQ(UpperCaseLetter('A'), 'A');
    EXPECT_EQ(UpperCaseLetter('1'), '1');
}

TEST(SplitMix64, DrawsTheStandardSequence)
{
    SplitMix64 rng(0);
    EXPECT_EQ(rng.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(rng.next(), 0x6E789E6AA1B965F4ull);
    // Attempt k starts at the k-th output of the seed's own generator, so neighbouring seeds share
    // no attempt.
    for (const uint64_t seed : {uint64_t(0), uint64_t(41), ~uint64_t(0)}) {
        SplitMix64 seeds(seed);
        for (int k = 1; k <= 5; ++k) {
            SplitMix64 expected(seeds.next());
            SplitMix64 attempt = SplitMix64::forAttempt(seed, k);
            EXPECT_EQ(attempt.next(), expected.next()) << "seed " << seed << " attempt " << k;
        }
    }
    EXPECT_NE(SplitMix64::forAttempt(41, 2).next(), SplitMix64::forAttempt(42, 1).next());
}

TEST(GridBuilder, OneWordIsAlwaysPlaced)
{
    const auto shape = fullShape(9, 9);
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        CandidateSlots candidates;
        Build(wordList({"PUZZLE"}, 9, 9), shape, BuildOptions{1, false, false, seed, 1}, candidates);
        ASSERT_EQ(candidates[0].score, 1);
        const PuzzleRecord &r = *candidates[0].record;
        const int f = r.WordPos[0];
        // At the leftmost column of its row when across, in the top rows that fit when down.
        if (r.WordAcross[0]) {
            EXPECT_EQ((f - 1) % 50 + 1, 1);
        } else {
            EXPECT_LE((f - 1) / 50 + 1, 4);
        }
        expectSoundCrossword(r);
        EXPECT_EQ(candidates[1].score, 0);
    }
}

TEST(GridBuilder, AWordWithoutACommonLetterIsLeftOut)
{
    CandidateSlots candidates;
    Build(wordList({"ABC", "XYZ"}, 10, 10), fullShape(10, 10), BuildOptions{5, false, false, 7, 2}, candidates);
    for (const auto &candidate : candidates) {
        EXPECT_EQ(candidate.score, 1);
        EXPECT_EQ(candidate.record->WordCount, 1);
        EXPECT_EQ(candidate.placed[0], 1);
        EXPECT_EQ(candidate.placed[1], 0);
        EXPECT_EQ(candidate.record->Words[1].str(), "XYZ"); // kept after the count
    }
}

TEST(GridBuilder, InnerSpacesAndLetterCaseInTheGridOnly)
{
    const auto shape = fullShape(12, 12);
    CandidateSlots candidates;
    Build(wordList({"new york", "caf\xE9", "\xFFw\xF7"}, 12, 12), shape, BuildOptions{1, false, false, 3, 1},
          candidates);
    const PuzzleRecord &r = *candidates[0].record;
    for (int k = 0; k < r.WordCount; ++k) {
        if (r.Words[k].str() == "new york") {
            EXPECT_EQ(r.WordLen[k], 7);
            const int f = r.WordPos[k];
            EXPECT_EQ(r.Grid[f - 1], 'N');
        }
    }
    expectSoundCrossword(r);
}

TEST(GridBuilder, DuplicatesAndPrefixesNeverShareCellsInOneDirection)
{
    const auto shape = fullShape(15, 15);
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        CandidateSlots candidates;
        Build(wordList({"CATALOG", "CAT", "CAT", "TALC", "GOAT", "COAT", "LOG"}, 15, 15), shape,
              BuildOptions{3, seed % 2 == 0, false, seed, 2}, candidates);
        for (const auto &candidate : candidates) {
            if (candidate.score > 0)
                expectSoundCrossword(*candidate.record);
        }
    }
}

TEST(GridBuilder, ShrinkOffKeepsTheShapeSizeAndShrinkOnTrims)
{
    const auto shape = fullShape(20, 20);
    const auto list = wordList({"ALPHA", "BRAVO", "ABBA"}, 20, 20);
    CandidateSlots plain, shrunk;
    Build(list, shape, BuildOptions{1, false, false, 11, 1}, plain);
    Build(list, shape, BuildOptions{1, true, false, 11, 1}, shrunk);
    EXPECT_EQ(plain[0].record->GridWidth, 20);
    EXPECT_EQ(plain[0].record->GridHeight, 20);
    EXPECT_LT(shrunk[0].record->GridWidth * shrunk[0].record->GridHeight, 400);
    // After the shift the first row or column holds a letter.
    const PuzzleRecord &r = *shrunk[0].record;
    bool topRow = false, leftColumn = false;
    for (int c = 1; c <= 50; ++c)
        topRow |= r.Grid[c - 1] != ' ' && r.Grid[c - 1] != 0;
    for (int row = 1; row <= 50; ++row)
        leftColumn |= r.Grid[(row - 1) * 50] != ' ' && r.Grid[(row - 1) * 50] != 0;
    EXPECT_TRUE(topRow || leftColumn);
}

TEST(GridBuilder, StopsEarlyOnceFourCandidatesHoldEveryWord)
{
    RecordingObserver observer;
    CandidateSlots candidates;
    const auto outcome = Build(wordList({"ONE", "TWO"}, 9, 9), fullShape(9, 9), BuildOptions{50, false, false, 5, 2},
                               candidates, &observer);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_GE(outcome.attemptsRanked, 4);
    EXPECT_LT(outcome.attemptsRanked, 50);
    for (const auto &candidate : candidates)
        EXPECT_EQ(candidate.score, 2);
    EXPECT_EQ(observer.lines.front().first, QStringLiteral("Creation Attempt #1"));
    EXPECT_EQ(observer.lines.back().first, QStringLiteral("Creation Attempt #50"));
    EXPECT_EQ(observer.lines.back().second, QStringLiteral("Completed"));
    EXPECT_TRUE(observer.beeped);
}

TEST(GridBuilder, AbortStopsAfterTheRunningAttemptAndKeepsItsResults)
{
    RecordingObserver observer;
    observer.abortAfter = 2;
    CandidateSlots candidates;
    const auto outcome = Build(wordList({"ABC", "XYZ"}, 9, 9), fullShape(9, 9), BuildOptions{100, false, false, 5, 2},
                               candidates, &observer);
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.attemptsRanked, 2);
    EXPECT_EQ(observer.lines.back().first, QStringLiteral("Aborted on creation Attempt #2"));
    EXPECT_EQ(observer.abortedBeforeLine, observer.lines.size() - 1);
    EXPECT_FALSE(observer.beeped);
    EXPECT_EQ(candidates[0].score, 1);
    EXPECT_EQ(candidates[1].score, 1);
    EXPECT_EQ(candidates[2].score, 0);
}

TEST(GridBuilder, OneAttemptReportsNothing)
{
    RecordingObserver observer;
    CandidateSlots candidates;
    Build(wordList({"ONE"}, 9, 9), fullShape(9, 9), BuildOptions{1, false, false, 5, 1}, candidates, &observer);
    EXPECT_TRUE(observer.lines.empty());
}

TEST(GridBuilder, ThreadCountDoesNotChangeTheCandidates)
{
    std::vector<std::string> words;
    const char *pool[] = {"ORANGE", "BANANA", "APPLE", "GRAPE",  "LEMON",  "MANGO",  "PEAR",
                          "PLUM",   "MELON",  "KIWI",  "CHERRY", "PAPAYA", "GUAVA",  "LIME",
                          "DATE",   "FIG",    "OLIVE", "PEACH",  "QUINCE", "APRICOT"};
    for (const char *w : pool)
        words.emplace_back(w);
    const auto shape = fullShape(17, 17);
    CandidateSlots one, many;
    Build(wordList(words, 17, 17), shape, BuildOptions{40, true, false, 99, 1}, one);
    Build(wordList(words, 17, 17), shape, BuildOptions{40, true, false, 99, 4}, many);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(one[s].score, many[s].score);
        EXPECT_EQ(one[s].record->bytes(), many[s].record->bytes());
        expectSoundCrossword(*one[s].record);
    }
}

namespace {

// The word left out at `word`'s place in a candidate, or nullptr when it was placed.
const LeftOut *leftOutOf(const CandidateSlot &candidate, const std::string &word)
{
    const PuzzleRecord &r = *candidate.record;
    for (int k = candidate.score; k < 200 && !r.Words[k].str().empty(); ++k) {
        if (r.Words[k].str() == word)
            return &candidate.leftOut[k];
    }
    return nullptr;
}

} // namespace

TEST(GridBuilder, EveryWordLeftOutSaysWhy)
{
    // A 9x9 square cut by its middle row and column holds no run longer than 4.
    std::initializer_list<std::pair<int, int>> cross = {{5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6},
                                                        {5, 7}, {5, 8}, {5, 9}, {1, 5}, {2, 5}, {3, 5},
                                                        {4, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}};
    const struct {
        std::vector<std::string> words;
        ShapeRecord shape;
        std::string word;
        QString why;
        bool firstFitPlacesAnything = true;
    } cases[] = {
        // The first-fit builder starts with the longest word, so only the thorough search places
        // anything here.
        {{"ABCD", "ABCDEFG"}, fullShape(9, 9, cross), "ABCDEFG", "Longer than any row or column of the shape.", false},
        {{"ABCDE", "XYZ"}, fullShape(10, 10), "XYZ", "No letter in common with the words placed."},
        // One row: the only position through the A starts beside the B before it. The words differ
        // enough in length that the thorough search too places the longer one first.
        {{"BBBBABBBB", "AC"},
         fullShape(9, 1),
         "AC",
         "Every position crossing a placed word is blocked; the first by \"BBBBABBBB\"."},
        // Only the middle row of three is in the shape: the first position, down through the B,
        // starts in the row above.
        {{"ABCDE", "XB"},
         fullShape(5, 3, {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5}}),
         "XB",
         "Every position crossing a placed word is blocked; the first by the edge of the shape."},
    };
    for (const auto &c : cases) {
        for (const bool thorough : {false, true}) {
            SCOPED_TRACE(c.word + (thorough ? " thorough" : ""));
            CandidateSlots candidates;
            BuildOptions options{3, false, false, 5, 2, thorough, 0.01};
            Build(wordList(c.words, c.shape.ShapeWidth, c.shape.ShapeHeight), c.shape, options, candidates);
            ASSERT_EQ(candidates[0].score > 0, thorough || c.firstFitPlacesAnything);
            for (const auto &candidate : candidates) {
                if (candidate.score == 0)
                    continue;
                const LeftOut *why = leftOutOf(candidate, c.word);
                ASSERT_NE(why, nullptr);
                EXPECT_EQ(leftOutText(*why, *candidate.record), c.why);
            }
        }
    }
}

TEST(GridBuilder, AWordAQuickBuildStoppedBeforeIsNotTried)
{
    // Each word crosses only the one after it in this list, and they come longest first: the
    // second word needs the third, placed in the second pass, which a quick build does not follow.
    const auto list = wordList({"AAAAAAAAA", "YWWWWWWW", "ZYYYYYY", "AQQQZ"}, 30, 30);
    int notTried = 0;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        for (const bool quick : {false, true}) {
            CandidateSlots candidates;
            Build(list, fullShape(30, 30), BuildOptions{1, false, quick, seed, 1}, candidates);
            const LeftOut *why = leftOutOf(candidates[0], "YWWWWWWW");
            if (why && why->reason == LeftOutReason::NotTried) {
                EXPECT_TRUE(quick);
                EXPECT_EQ(leftOutText(*why, *candidates[0].record), "Not tried: the attempt stopped early.");
                ++notTried;
            }
        }
    }
    EXPECT_GT(notTried, 5);
}

namespace {

// Every placed word can be reached from every other through the letters they share.
bool inOnePiece(const PuzzleRecord &r)
{
    const int n = r.WordCount;
    std::map<int, std::vector<int>> wordsAt;
    for (int k = 0; k < n; ++k) {
        for (int i = 0; i < r.WordLen[k]; ++i)
            wordsAt[r.WordPos[k] + i * (r.WordAcross[k] ? 1 : 50)].push_back(k);
    }
    std::set<int> reached{0};
    std::vector<int> todo{0};
    while (!todo.empty() && n > 0) {
        const int k = todo.back();
        todo.pop_back();
        for (int i = 0; i < r.WordLen[k]; ++i) {
            for (const int other : wordsAt[r.WordPos[k] + i * (r.WordAcross[k] ? 1 : 50)]) {
                if (reached.insert(other).second)
                    todo.push_back(other);
            }
        }
    }
    return n == 0 || static_cast<int>(reached.size()) == n;
}

std::vector<std::string> randomWords(uint64_t seed, const std::string &alphabet, int count, int longest)
{
    SplitMix64 rng(seed);
    std::vector<std::string> words;
    for (int k = 0; k < count; ++k) {
        std::string w;
        const int length = 2 + rng.below(longest - 1);
        for (int i = 0; i < length; ++i)
            w.push_back(alphabet[static_cast<size_t>(rng.below(static_cast<int>(alphabet.size())))]);
        words.push_back(w);
    }
    return words;
}

} // namespace

// The search takes words out and puts them back thousands of times; small alphabets make words
// cross everywhere, so taking one out often leaves letters side by side or splits the grid.
TEST(ThoroughSearch, MakesSoundGridsInOnePieceThatReplayOnAnyThreadCount)
{
    const std::vector<std::string> fruit = {"ORANGE", "BANANA",  "APPLE", "GRAPE",    "LEMON",   "MANGO",
                                            "PEAR",   "PLUM",    "MELON", "KIWI",     "CHERRY",  "PAPAYA",
                                            "GUAVA",  "LIME",    "DATE",  "FIG",      "OLIVE",   "PEACH",
                                            "QUINCE", "APRICOT", "JAZZ",  "NEW YORK", "caf\xE9", "PEAR"};
    const struct {
        std::vector<std::string> words;
        ShapeRecord shape;
        bool shrink;
    } cases[] = {
        {fruit, fullShape(15, 15), false},
        {fruit, fullShape(21, 17, {{9, 11}, {3, 3}}), true},
        {randomWords(1, "ABC", 60, 7), fullShape(13, 13), false},
        {randomWords(2, "AEIRST", 120, 9), fullShape(20, 20, {{10, 10}, {10, 11}, {5, 5}}), true},
        {randomWords(3, "ABCDEFGH", 200, 12), fullShape(30, 30), false},
    };
    for (const auto &c : cases) {
        const auto list = wordList(c.words, c.shape.ShapeWidth, c.shape.ShapeHeight);
        CandidateSlots one, many;
        BuildOptions options{1, c.shrink, false, 77, 1, true, 0.05};
        Build(list, c.shape, options, one);
        options.threads = 3;
        Build(list, c.shape, options, many);
        for (int s = 0; s < 4; ++s) {
            if (one[s].score == 0)
                continue;
            EXPECT_EQ(one[s].record->bytes(), many[s].record->bytes());
            expectSoundCrossword(*one[s].record);
            EXPECT_TRUE(inOnePiece(*one[s].record));
            // Better first: more words, then more crossings.
            if (s > 0) {
                EXPECT_GE(one[s - 1].score, one[s].score);
            }
            // Every word left out says why.
            for (int k = one[s].score; k < list.WordCount; ++k)
                EXPECT_NE(one[s].leftOut[k].reason, LeftOutReason::None);
        }
    }
}

TEST(ThoroughSearch, NeverPlacesFewerWordsThanManyAttemptsAndStopsOnceNothingIsLeftToGain)
{
    const struct {
        std::vector<std::string> words;
        int side;
    } cases[] = {
        {randomWords(4, "EEETAOINSHRDLUCMFYWGPB", 40, 9), 15},
        {randomWords(5, "EEETAOINSHRDLU", 80, 11), 21},
        {{"CROSSWORD", "WORDS", "ROW", "SOD", "DOC", "COW"}, 12},
    };
    for (const auto &c : cases) {
        const auto list = wordList(c.words, c.side, c.side);
        CandidateSlots firstFit, thorough;
        Build(list, fullShape(c.side, c.side), BuildOptions{200, false, false, 3, 2}, firstFit);
        const BuildOutcome outcome =
            Build(list, fullShape(c.side, c.side), BuildOptions{1, false, false, 3, 2, true, 0.2}, thorough);
        EXPECT_GE(thorough[0].score, firstFit[0].score);
        if (thorough[0].score == list.WordCount) {
            EXPECT_LT(outcome.steps, 400'000);
        }
    }
}

TEST(ThoroughSearch, ReportsItsProgressAndAbortKeepsTheBestGridSoFar)
{
    const auto list = wordList(randomWords(6, "EEETAOINSHRDLU", 150, 11), 25, 25);
    for (const bool abort : {false, true}) {
        RecordingObserver observer;
        observer.abortAfter = abort ? 100 : -1; // of 1000
        CandidateSlots candidates;
        const BuildOutcome outcome =
            Build(list, fullShape(25, 25), BuildOptions{1, false, false, 8, 2, true, 0.5}, candidates, &observer);
        EXPECT_EQ(outcome.aborted, abort);
        EXPECT_EQ(observer.abortedBeforeLine.has_value(), abort);
        EXPECT_EQ(observer.beeped, !abort);
        ASSERT_GT(candidates[0].score, 0);
        expectSoundCrossword(*candidates[0].record);
        EXPECT_EQ(observer.lines.front().first, QStringLiteral("Thorough Search"));
        EXPECT_EQ(observer.lines.back().first,
                  abort ? QStringLiteral("Aborted with %1 of 150 words placed").arg(candidates[0].score)
                        : QStringLiteral("Thorough Search"));
        EXPECT_EQ(observer.lines.back().second, abort ? QString() : QStringLiteral("Completed"));
        // A line per round names the most words placed so far.
        EXPECT_TRUE(std::any_of(observer.lines.begin(), observer.lines.end(), [](const auto &line) {
            return line.second.endsWith(QStringLiteral(" of 150 words"));
        }));
    }
}

TEST(GridBuilder, SmallestSquareHoldsEveryWordOrTheMost)
{
    const struct {
        std::vector<std::string> words;
        int longestSide; // the square found is at most this
        bool everyWord;
    } cases[] = {
        {{"CROSSWORD", "WORDS", "ROW", "SOD", "DOC"}, 11, true},
        {{"ABCDEFGHIJKL", "XYZ"}, 49, false}, // no common letter: 12 is as good as any square
    };
    for (const auto &c : cases) {
        CandidateSlots candidates;
        ShapeRecord square;
        BuildOptions options{20, false, false, 3, 2, false, 0.1};
        const SquareOutcome outcome = BuildSmallestSquare(wordList(c.words, 49, 49), options, candidates, square);
        EXPECT_EQ(outcome.everyWordPlaced, c.everyWord);
        // The square chosen was tried, and so was the one below it unless it is the smallest.
        const auto tried = [&](int side) {
            return std::any_of(outcome.tried.begin(), outcome.tried.end(),
                               [&](const SquareTrial &t) { return t.side == side; });
        };
        EXPECT_TRUE(tried(outcome.side));
        EXPECT_TRUE(outcome.side == 12 - (c.everyWord ? 3 : 0) || tried(outcome.side - 1));
        EXPECT_GE(outcome.side, 12 - (c.everyWord ? 3 : 0));
        EXPECT_LE(outcome.side, c.everyWord ? c.longestSide : 12);
        EXPECT_EQ(square.ShapeWidth, outcome.side);
        EXPECT_EQ(candidates[0].record->GridWidth, outcome.side);
        EXPECT_EQ(candidates[0].score == static_cast<int>(c.words.size()), c.everyWord);
        expectSoundCrossword(*candidates[0].record);
    }
}
