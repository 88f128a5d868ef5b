#pragma once
// One attempt of the grid builder: order the words longest first, place them in passes, trim,
// finish the cells, compact, number and order the words, shift. The attempt works on compact
// arrays and keeps, for each final word position, which stored word and clue stand there; the
// full record is made only for attempts that enter a candidate slot.

#include "builder/left_out.h"
#include "builder/split_mix.h"
#include "builder/thorough_search.h"
#include "builder/word_order.h"
#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace qx {

struct AttemptOptions {
    bool shrink = false;
    bool quickBuild = false;
};

struct AttemptResult {
    using Entry = WordEntry;

    int attempt = 0;
    int score = 0;     // words placed
    int total = 0;     // words in the list
    int crossings = 0; // squares two words share
    int boxArea = 0;   // squares of the box around every letter, before any trimming
    // The order of the candidates: words placed, and for the thorough search then crossings, then
    // the smaller box. Higher is better; among equal keys the earlier attempt is better.
    int64_t rankKey = 0;
    int16_t gridWidth = 0;
    int16_t gridHeight = 0;
    int16_t acrossCount = 0;
    int16_t downCount = 0;
    std::array<uint8_t, GridCells> grid{};
    std::array<Entry, MaxWords> entries{};
    // By stored word (0-based); filled only when the attempt was asked to explain itself.
    std::array<LeftOut, MaxWords> leftOut{};
    bool explained = false;

    // The working record as the attempt left it.
    PuzzleRecord record(const PuzzleRecord &saved) const;
    // The placed flags after compaction: score ones, then zeros.
    std::array<uint8_t, MaxWords> placedFlags() const;
    // Why each word was left out, by its position in record(); the blockers named likewise.
    std::array<LeftOut, MaxWords> leftOutByPosition() const;
};

// Runs one attempt from the saved record. The random draws are those of the documented
// algorithm in its order: the first direction of every word processed, and the start row or
// column of each try of the first word.
class AttemptRunner {
public:
    AttemptRunner(const PuzzleRecord &saved, const ShapeRecord &shape, AttemptOptions options);

    // With explainAbove >= 0, an attempt whose rank key is above it also says why each word it
    // left out was left out.
    void run(SplitMix64 &rng, AttemptResult &out, int64_t explainAbove = -1);

    // Finishes a grid the thorough search found as an attempt finishes its own (trimming, numbering,
    // ordering, shifting), and says why each word it left out was left out.
    void adopt(const ThoroughGrid &found, AttemptResult &out);

private:
    // The steps of run(), in order.
    void orderLongestFirst();
    void clearGrid();
    void placeInPasses(SplitMix64 &rng);
    void placeWord(int k, bool firstWord, SplitMix64 &rng);
    void trimEmptyEdges(int &width, int &height) const;
    void finishCells();
    int compactAndNumber();              // returns the words placed
    int orderAcrossFirst(int wordCount); // returns the across words
    void shiftToCorner(int wordCount, int &width, int &height);
    // The steps after the placement, shared with adopted grids; `centred` grids shift up and left.
    void finish(AttemptResult &out, int64_t explainAbove, bool centred);

    struct Word {
        std::array<uint8_t, 30> s{}; // grid form: no spaces, capitals
        int length = 0;              // cells it occupies
        int stored = 0;              // stored text length, spaces included: the sort key
    };

    void setOrder(const std::array<uint8_t, MaxWords> &order);

    // Why the words left out were left out, against the grid the passes left.
    void explainLeftOut(AttemptResult &out) const;
    LeftOut whyLeftOut(const Word &w) const;
    int wordAt(int x, bool across) const; // the placed word (stored, 0-based) through cell x, or -1
    int longestRun() const;

    bool tryAcross(int k, int required, bool firstWord, SplitMix64 &rng);
    bool tryDown(int k, int required, bool firstWord, SplitMix64 &rng);
    // The crossings of the word at first cell f, or -1 when a check fails.
    int testAcross(int f, const Word &w) const;
    int testDown(int f, const Word &w) const;
    struct Candidates {
        std::array<uint8_t, GridCells + 1> hits{};                   // letters each start position shares
        std::array<uint64_t, (GridCells + 64) / 64 + 1> bits{};      // every candidate
        std::array<uint64_t, (GridCells + 64) / 64 + 1> twoOrMore{}; // those sharing two letters or more
        bool ready = false;
        bool exact = true;          // hits are the shared letters, not just "worth a look"
        bool sweptLevelTwo = false; // every candidate was tried at level 2 and failed
        int firstWithOneCrossing = 0;
        void reset();
    };

    void collect(const Word &w, int lastColumn, int lastRow, int step, Candidates &into);
    void collectSince(const Word &w, int lastColumn, int lastRow, int step, size_t since, Candidates &into);
    int firstCandidate(const Word &w, int required, int lastColumn, int lastRow, int step);
    void write(int k, int f, int step);

    const PuzzleRecord &m_saved;
    AttemptOptions m_options;
    int m_total = 0;
    int m_width = 0;
    int m_height = 0;
    std::array<uint8_t, GridCells + 1> m_shape{}; // 1-based cell index
    std::array<Word, MaxWords> m_words{};
    int m_longestRun = 0; // squares in the longest row or column run of the shape

    // Per attempt.
    std::array<uint8_t, GridCells + 1> m_grid{};
    std::array<AttemptResult::Entry, MaxWords> m_entries{};
    // For each direction, the letters a word of that direction could still cross, by byte value:
    // an across word only crosses a letter whose left and right neighbours are empty, a down word
    // one whose upper and lower neighbours are. A placement that must cross something only looks
    // at positions through such a letter it shares. Cells only fill, so a letter never returns to
    // a list it has left.
    struct CrossableCells {
        std::array<std::array<int16_t, GridCells>, 256> cells;
        std::array<int16_t, 256> count{};
        std::array<int16_t, GridCells + 1> slot{}; // where the cell stands in its letter's list, or -1
        void clear();
        void add(int x, uint8_t letter);
        void remove(int x, uint8_t letter);
        bool has(int x) const { return slot[x] >= 0; }
    };
    void noteFilled(int x);
    std::unique_ptr<std::array<CrossableCells, 2>> m_crossable; // across, down
    Candidates m_across;
    Candidates m_down;
    std::vector<int16_t> m_log;                // cells in the order they were filled
    std::array<int, MaxWords> m_lastFailure{}; // length of the log when word k last failed, or -1
    int m_triedUpTo = -1;                      // that length for the word being tried
    // The rows and columns the letters placed so far span.
    int m_top = 0, m_bottom = 0, m_left = 0, m_right = 0;
    bool m_firstWordAcross = false;
};

} // namespace qx
