#pragma once
// The grid builder: runs the requested number of attempts on the working record and keeps the four
// that placed the most words as candidates. Attempts run in parallel, each with its own generator;
// each worker keeps its own four best and they are merged at the end by score, then attempt
// number, which is what ranking the attempts one after the other gives, so one thread and many
// give the same four candidates.

#include "builder/left_out.h"
#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace qx {

struct BuildOptions {
    int attempts = 1; // 1..999
    bool shrink = false;
    bool quickBuild = false;
    uint64_t seed = 0;
    int threads = 0; // 0: one per CPU this process may run on
    // Each word takes the best of every legal position (most crossings, then the smallest grid),
    // rather than the first position found.
    bool bestFit = false;
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
    // when four attempts placed every word, or those before an abort.
    int attemptsRanked = 0;
    // The attempts that actually ran; with several threads a few may run past an early stop.
    int attemptsRun = 0;
    bool aborted = false;
};

// Where the build for the smallest square ended.
struct SquareOutcome {
    BuildOutcome build; // of the square chosen
    int side = 0;       // 0 when no square holds the longest word
    bool everyWordPlaced = false;
};

// Builds with best fit in squares from the longest word's length up to 49 and keeps the smallest
// square whose best candidate holds every word, or else the square whose best candidate holds the
// most (the smaller one among equals). The candidates are that square's; `square` becomes its
// shape. The observer's second line names the square being tried.
SquareOutcome BuildSmallestSquare(const PuzzleRecord &working, const BuildOptions &options, CandidateSlots &candidates,
                                  ShapeRecord &square, BuildObserver *observer = nullptr);

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
BuildOutcome buildCandidates(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                             CandidateSlots &candidates, BuildObserver *observer = nullptr);

} // namespace qx
