#pragma once
// The grid builder: runs the requested number of attempts on the working record and keeps the four
// that placed the most words as candidates. Attempts run in parallel, each with its own generator,
// and are ranked strictly in attempt order, so one thread and many give the same four candidates.

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
    int threads = 0; // 0: one per core
};

struct CandidateSlot {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
    std::array<uint8_t, MaxWords> placed{};
    int score = 0; // words placed; 0 for an empty slot
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
    int attemptsRanked = 0;
    bool aborted = false;
};

// The seed of a build the user starts: from the clock.
uint64_t seedFromClock();

// Fills the four slots from the working record and the shape. The working record is not changed.
// Progress texts go to the observer only when more than one attempt is asked for.
BuildOutcome Build(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                   CandidateSlots &candidates, BuildObserver *observer = nullptr);

} // namespace qx
