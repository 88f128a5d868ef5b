#pragma once
// One attempt of the grid builder: order the words longest first, place them in passes, trim,
// finish the cells, compact, number and order the words, shift. The attempt works on compact
// arrays and keeps, for each final word position, which stored word and clue stand there; the
// full record is made only for attempts that enter a candidate slot.

#include "builder/split_mix.h"
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
    int score = 0; // words placed
    int total = 0; // words in the list
    int16_t gridWidth = 0;
    int16_t gridHeight = 0;
    int16_t acrossCount = 0;
    int16_t downCount = 0;
    std::array<uint8_t, GridCells> grid{};
    std::array<Entry, MaxWords> entries{};

    // The working record as the attempt left it.
    PuzzleRecord record(const PuzzleRecord &saved) const;
    // The placed flags after compaction: score ones, then zeros.
    std::array<uint8_t, MaxWords> placedFlags() const;
};

// Runs one attempt from the saved record. The random draws are those of the documented
// algorithm in its order: the first direction of every word processed, and the start row or
// column of each try of the first word.
class AttemptRunner {
public:
    AttemptRunner(const PuzzleRecord &saved, const ShapeRecord &shape, AttemptOptions options);

    void run(SplitMix64 &rng, AttemptResult &out);

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

    struct Word {
        std::array<uint8_t, 30> s{}; // grid form: no spaces, capitals
        int length = 0;              // cells it occupies
        int stored = 0;              // stored text length, spaces included: the sort key
    };

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

    // Per attempt.
    std::array<uint8_t, GridCells + 1> m_grid{};
    std::array<AttemptResult::Entry, MaxWords> m_entries{};
    // The cells holding each byte value, so that a placement that must cross something only looks
    // at positions through a letter it shares.
    std::unique_ptr<std::array<std::array<int16_t, GridCells>, 256>> m_cellsOf;
    std::array<int16_t, 256> m_cellCount{};
    Candidates m_across;
    Candidates m_down;
    std::vector<int16_t> m_log;                // cells in the order they were filled
    std::array<int, MaxWords> m_lastFailure{}; // length of the log when word k last failed, or -1
    int m_triedUpTo = -1;                      // that length for the word being tried
    bool m_firstWordAcross = false;
};

} // namespace qx
