#pragma once
// The thorough mode of the grid builder: a search rather than a set of independent attempts. Each
// of a fixed number of chains builds a grid greedily (every word at its best position: most
// crossings, then the smallest box) and then improves it over and over: it takes a group of words
// out (the words around a spot, the words that cross only once, a few at random, or the words in
// the way of a word left out), puts them and the words left out back, and keeps the result when
// it holds as many words as before (more is better; among equals more crossings, then the smaller
// box). Every chain keeps the best grid it saw.
//
// Work is counted in placement steps (positions tested), so a seed replays the same grids on any
// machine; the chains are shared out among the threads, and the thread count decides only how many
// run at once, never what they find. A time limit, several times the effort, only cuts a search
// short on a machine far slower than expected (or under heavy load).

#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace qx {

// One grid the search found: where each stored word lies, or that it was left out.
struct ThoroughGrid {
    struct Word {
        int16_t pos = 0; // first cell, 1-based, 50 cells a row
        uint8_t across = 0;
        uint8_t placed = 0;
    };
    std::array<Word, MaxWords> words{};
    int placed = 0;
    int crossings = 0; // squares two words share
    int boxArea = 0;   // squares of the box around every letter
    int chain = 0;     // which chain found it: the order among equal grids

    // Higher is better: the words placed, then the crossings, then the smaller box.
    int64_t rankKey() const { return (int64_t(placed) << 32) | (int64_t(crossings) << 16) | (0xFFFF - boxArea); }
};

struct ThoroughOptions {
    // Seconds the search takes on two cores of an ordinary desktop machine; the search does as many
    // placement steps as that machine does in this time.
    double effort = 1.0;
    uint64_t seed = 0;
    int threads = 0; // 0: one per usable CPU
    // The smallest square's trial sizes only ask whether every word fits: the first chain that
    // places every word ends the whole search.
    bool stopWhenAllPlaced = false;
    // Wall seconds after which the search stops whatever its steps; 0: three times the effort and
    // a second more.
    double timeLimit = 0;
};

// What a running search reports, and how it is asked to stop. Called from the worker threads.
struct ThoroughProgress {
    // Steps done so far of the budget, and the most words one chain has placed so far.
    std::function<void(int64_t done, int64_t budget, int bestPlaced)> report;
    std::atomic<bool> *abort = nullptr;
};

struct ThoroughOutcome {
    // The best grid of each chain, best first (at most four).
    std::vector<ThoroughGrid> grids;
    int64_t steps = 0;
    bool aborted = false;
    bool cutShort = false; // the time limit ended it before the steps ran out
};

// The chains a search runs, whatever the thread count.
inline constexpr int ThoroughChains = 4;

// The placement steps one second of effort buys.
int64_t thoroughStepsFor(double effortSeconds);

// Searches for the best grids of the record's words (1..WordCount) in the shape's cells within the
// record's width and height.
ThoroughOutcome searchThoroughly(const PuzzleRecord &saved, const ShapeRecord &shape, const ThoroughOptions &options,
                                 const ThoroughProgress &progress = {});

} // namespace qx
