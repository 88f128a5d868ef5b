#pragma once
// The grid builder: runs the requested number of attempts on the working record and keeps the four
// that placed the most words as candidates. Attempts run in parallel, each with its own generator;
// each worker keeps its own four best and they are merged at the end by score, then attempt
// number, which is what ranking the attempts one after the other gives, so one thread and many
// give the same four candidates. The thorough mode searches instead (thorough_search.h) for as
// long as its effort allows.

#include "builder/left_out.h"
#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace qx {

struct BuildOptions {
    int attempts = 1; // 1..999
    bool shrink = false;
    bool quickBuild = false;
    uint64_t seed = 0;
    int threads = 0; // 0: one per CPU this process may run on
    // Search for the grid with the most words (then the most crossings, then the smallest box)
    // instead of running the attempts; the attempts and the quick build do not apply.
    bool thorough = false;
    double effort = 1.0;  // the thorough search's budget: seconds on two cores of an ordinary machine
    double timeLimit = 0; // wall seconds that cut the search short; 0: three times the effort and one more
};

struct CandidateSlot {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
    std::array<uint8_t, MaxWords> placed{};
    int score = 0; // words placed; 0 for an empty slot
    // Why each word after the placed ones was left out, by word position in the record.
    std::array<LeftOut, MaxWords> leftOut{};
};

using CandidateSlots = std::array<CandidateSlot, 4>;

// What a window shows while a build runs, and how it asks for the build to stop.
class BuildObserver {
public:
    virtual ~BuildObserver() = default;
    // The progress lines ("Creation Attempt #3", and "Completed" at the end).
    virtual void progress(const QString &line1, const QString &line2) = 0;
    // Read between attempts; once true, no further attempt is ranked.
    virtual bool abortRequested() = 0;
    // attempts ranked so far, of the attempts asked for
    virtual void attemptsDone(int done, int asked)
    {
        (void)done;
        (void)asked;
    }
    // The build ran to its end (not aborted): the default beep.
    virtual void completed() {}
    // The build stopped on the user's request; comes before the progress lines that say so.
    virtual void aborted() {}
};

struct BuildOutcome {
    // The attempts a build one attempt after the other would have ranked: all asked for, fewer
    // when four attempts placed every word, or those before an abort. 1 for a thorough search.
    int attemptsRanked = 0;
    // The attempts that actually ran; with several threads a few may run past an early stop.
    int attemptsRun = 0;
    bool aborted = false;
    int64_t steps = 0; // the thorough search's placement steps
};

// One square the search for the smallest square tried.
struct SquareTrial {
    int side = 0;
    int placed = 0; // the most words a grid of that square held
};

// Where the build for the smallest square ended.
struct SquareOutcome {
    BuildOutcome build; // of the square chosen
    int side = 0;       // 0 when no square holds the longest word
    bool everyWordPlaced = false;
    std::vector<SquareTrial> tried; // in the order they were tried
};

// Finds the smallest square that holds every word with the thorough search: short searches from a
// square the letters could fill, growing until one holds every word, then a full search at each
// smaller square until one does not. Without a square that holds every word, the square whose
// best grid holds the most (the smaller one among equals) is chosen. The candidates are that
// square's; `square` becomes its shape. The observer's first line names the square being tried.
SquareOutcome BuildSmallestSquare(const PuzzleRecord &working, const BuildOptions &options, CandidateSlots &candidates,
                                  ShapeRecord &square, BuildObserver *observer = nullptr);

// "Squares tried: 22 × 22 every word, 21 × 21 18 of 20 words." for the candidate window and the
// command line.
QString squaresTriedText(const SquareOutcome &outcome, int total);

// What stands for the smallest square until the build has found it: a square of the longest word
// a puzzle can hold (30 letters), so that every word passes the length checks and no warning about
// large shapes is given.
ShapeRecord smallestSquarePlaceholder();

// The seed of a build the user starts: from the clock.
uint64_t seedFromClock();

// The CPUs this process may run on (its affinity mask), at least 1.
int usableCpus();

// Fills the four slots from the working record and the shape. The working record is not changed.
// Progress texts go to the observer only when more than one attempt is asked for.
BuildOutcome Build(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                   CandidateSlots &candidates, BuildObserver *observer = nullptr);

} // namespace qx
