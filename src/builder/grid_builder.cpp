#include "builder/grid_builder.h"

#include "builder/build_attempt.h"
#include "builder/thorough_search.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <sched.h>

namespace qx {

uint64_t seedFromClock()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int usableCpus()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        return std::max(CPU_COUNT(&set), 1);
    return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1);
}

namespace {

// The order of the candidates: the higher rank key first, the earlier attempt among equal keys.
bool ranksBefore(int64_t key, int attempt, int64_t otherKey, int otherAttempt)
{
    return key > otherKey || (key == otherKey && attempt < otherAttempt);
}

// The four best attempts of one worker, best first. Attempts that placed no word never enter.
class FourBest {
public:
    // Takes the attempt in `result` when it ranks among the four; `result` then holds the one it
    // displaced (or a fresh buffer), ready for the next attempt.
    void offer(std::unique_ptr<AttemptResult> &result)
    {
        if (result->score < 1)
            return;
        int into = 4;
        while (into > 0 && (!m_kept[into - 1] || ranksBefore(result->rankKey, result->attempt,
                                                             m_kept[into - 1]->rankKey, m_kept[into - 1]->attempt)))
            --into;
        if (into == 4)
            return;
        std::unique_ptr<AttemptResult> out = std::move(m_kept[3]);
        for (int s = 3; s > into; --s)
            m_kept[s] = std::move(m_kept[s - 1]);
        m_kept[into] = std::move(result);
        result = out ? std::move(out) : std::make_unique<AttemptResult>();
    }

    // An attempt of this worker enters only with a higher key than this (attempts come in
    // increasing order, so an equal key comes too late).
    int64_t entryKey() const { return m_kept[3] ? m_kept[3]->rankKey : 0; }

    const AttemptResult *find(int attempt) const
    {
        for (const auto &kept : m_kept) {
            if (kept && kept->attempt == attempt)
                return kept.get();
        }
        return nullptr;
    }

private:
    std::array<std::unique_ptr<AttemptResult>, 4> m_kept;
};

// The attempt numbers and rank keys of the four best, as the candidate slots will hold them:
// ranked one after the other, an attempt enters only above a strictly lower key.
class RankedKeys {
public:
    void rank(int attempt, int64_t key)
    {
        int into = -1;
        for (int s = 0; s < 4 && into < 0; ++s) {
            if (key > m_key[s])
                into = s;
        }
        if (into < 0)
            return;
        for (int s = 3; s > into; --s) {
            m_key[s] = m_key[s - 1];
            m_attempt[s] = m_attempt[s - 1];
        }
        m_key[into] = key;
        m_attempt[into] = attempt;
    }
    bool filled(int s) const { return m_key[s] > 0; }
    int attempt(int s) const { return m_attempt[s]; }

private:
    std::array<int64_t, 4> m_key{};
    std::array<int, 4> m_attempt{};
};

QString attemptText(int n)
{
    return QObject::tr("Creation Attempt #%1").arg(n);
}

// The attempts of one build, shared by its workers.
class AttemptPool {
public:
    AttemptPool(const PuzzleRecord &saved, const ShapeRecord &shape, AttemptOptions options, uint64_t seed,
                int attempts, int total, bool signalEach)
        : m_saved(saved), m_shape(shape), m_options(options), m_seed(seed), m_attempts(attempts), m_total(total),
          m_signalEach(signalEach), m_scores(static_cast<size_t>(attempts) + 1, -1),
          m_keys(static_cast<size_t>(attempts) + 1, 0),
          m_done(std::make_unique<std::atomic<bool>[]>(static_cast<size_t>(attempts) + 1))
    {
    }

    // Runs attempts until none is left or the build stops; `best` keeps this worker's four best.
    void work(FourBest &best)
    {
        AttemptRunner runner(m_saved, m_shape, m_options);
        auto result = std::make_unique<AttemptResult>();
        while (const int n = take()) {
            result->attempt = n;
            SplitMix64 rng = SplitMix64::forAttempt(m_seed, n);
            // Only an attempt that may become a candidate says why it left words out.
            runner.run(rng, *result, best.entryKey());
            m_scores[static_cast<size_t>(n)] = static_cast<int16_t>(result->score);
            m_keys[static_cast<size_t>(n)] = result->rankKey;
            // Four attempts that placed every word are as good as any later one can be when only
            // the words count: attempts already taken still finish, but no new one starts.
            if (result->score == m_total && m_full.fetch_add(1) + 1 >= 4)
                m_stop.store(true);
            best.offer(result);
            m_done[static_cast<size_t>(n)].store(true, std::memory_order_release);
            if (m_signalEach) {
                {
                    const std::lock_guard lock(m_mutex);
                }
                m_ready.notify_all();
            }
        }
    }

    // Waits until attempt n has run.
    void waitFor(int n)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_done[static_cast<size_t>(n)].load(std::memory_order_acquire); });
    }

    void stop() { m_stop.store(true); }

    // Once attempt n has run: its words placed (-1 until then) and its rank key.
    int score(int n) const { return m_scores[static_cast<size_t>(n)]; }
    int64_t key(int n) const { return m_keys[static_cast<size_t>(n)]; }
    int attempts() const { return m_attempts; }

    // Attempt n again, for a candidate its worker did not keep.
    std::unique_ptr<AttemptResult> rerun(int n) const
    {
        AttemptRunner runner(m_saved, m_shape, m_options);
        auto result = std::make_unique<AttemptResult>();
        result->attempt = n;
        SplitMix64 rng = SplitMix64::forAttempt(m_seed, n);
        runner.run(rng, *result, 0);
        return result;
    }

private:
    int take()
    {
        if (m_stop.load())
            return 0;
        const int n = m_next.fetch_add(1) + 1;
        return n <= m_attempts ? n : 0;
    }

    const PuzzleRecord &m_saved;
    const ShapeRecord &m_shape;
    const AttemptOptions m_options;
    const uint64_t m_seed;
    const int m_attempts;
    const int m_total;
    const bool m_signalEach;
    std::vector<int16_t> m_scores; // per attempt; -1 until it has run
    std::vector<int64_t> m_keys;
    std::unique_ptr<std::atomic<bool>[]> m_done;
    std::atomic<int> m_next{0};
    std::atomic<int> m_full{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_ready;
};

} // namespace

namespace {

QString wordsPlacedText(int placed, int total)
{
    return QObject::tr("%1 of %2 words").arg(placed).arg(total);
}

// The thorough search, its grids finished as attempts are and put in the slots. With
// `allPlacedEnds`, the search ends once a grid holds every word (the smallest square's trials).
BuildOutcome buildThorough(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                           CandidateSlots &candidates, BuildObserver *observer, bool allPlacedEnds, bool finalLines)
{
    const int total = working.wordsInUse();
    for (auto &slot : candidates)
        slot.score = 0;
    const PuzzleRecord saved = working;
    std::atomic<bool> abort{false};
    ThoroughProgress progress;
    int shownPlaced = 0;
    if (observer) {
        progress.abort = &abort;
        progress.report = [&](int64_t done, int64_t budget, int bestPlaced) {
            shownPlaced = bestPlaced;
            observer->progress(QObject::tr("Thorough Search"), wordsPlacedText(bestPlaced, total));
            observer->attemptsDone(static_cast<int>(1000 * done / std::max<int64_t>(budget, 1)), 1000);
            if (observer->abortRequested())
                abort.store(true);
        };
        observer->progress(QObject::tr("Thorough Search"), QString());
    }
    const ThoroughOutcome found = searchThoroughly(
        saved, shape, ThoroughOptions{options.effort, options.seed, options.threads, allPlacedEnds, options.timeLimit},
        progress);
    AttemptRunner runner(saved, shape, AttemptOptions{options.shrink, false});
    auto result = std::make_unique<AttemptResult>();
    for (size_t s = 0; s < found.grids.size(); ++s) {
        runner.adopt(found.grids[s], *result);
        CandidateSlot &slot = candidates[s];
        *slot.record = result->record(saved);
        slot.placed = result->placedFlags();
        slot.score = result->score;
        slot.leftOut = result->leftOutByPosition();
    }
    BuildOutcome outcome;
    outcome.attemptsRanked = outcome.attemptsRun = 1;
    outcome.aborted = found.aborted;
    outcome.steps = found.steps;
    if (observer && finalLines) {
        const int placed = found.grids.empty() ? shownPlaced : found.grids.front().placed;
        if (found.aborted) {
            observer->aborted();
            observer->progress(QObject::tr("Aborted with %1 placed").arg(wordsPlacedText(placed, total)), QString());
        } else {
            observer->progress(QObject::tr("Thorough Search"), QObject::tr("Completed"));
            observer->completed();
        }
    }
    return outcome;
}

} // namespace

BuildOutcome Build(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                   CandidateSlots &candidates, BuildObserver *observer)
{
    if (options.thorough)
        return buildThorough(working, shape, options, candidates, observer, false, true);
    const int attempts = std::max(options.attempts, 1);
    const bool reporting = observer != nullptr && attempts > 1;
    const int total = working.wordsInUse();
    for (auto &slot : candidates)
        slot.score = 0;

    // Attempts start from this copy; the caller's record is never touched.
    const PuzzleRecord saved = working;
    const AttemptOptions attemptOptions{options.shrink, options.quickBuild};
    const int threads = std::clamp(options.threads > 0 ? options.threads : usableCpus(), 1, attempts);

    AttemptPool pool(saved, shape, attemptOptions, options.seed, attempts, total, reporting);
    std::vector<FourBest> best(static_cast<size_t>(threads));
    BuildOutcome outcome;
    // The attempts that count: all that ran, or those up to an abort.
    int rankedUpTo = attempts;
    int counter = 0; // the attempt the progress text names
    {
        std::vector<std::jthread> workers;
        // Without a window to keep informed, the calling thread is one of the workers.
        const int helpers = reporting ? threads : threads - 1;
        for (int t = 0; t < helpers; ++t)
            workers.emplace_back([&pool, &best, t] { pool.work(best[static_cast<size_t>(t)]); });
        if (!reporting) {
            pool.work(best.back());
        } else {
            int full = 0;
            while (true) {
                ++counter;
                observer->progress(attemptText(counter), QString());
                pool.waitFor(counter);
                full += pool.score(counter) == total ? 1 : 0;
                outcome.attemptsRanked = counter;
                observer->attemptsDone(counter, attempts);
                // All four candidates hold every word: the remaining attempts cannot do better.
                if (full >= 4)
                    counter = attempts;
                if (observer->abortRequested()) {
                    outcome.aborted = true;
                    rankedUpTo = outcome.attemptsRanked;
                    break;
                }
                if (counter >= attempts)
                    break;
            }
            // Attempts already running finish and are dropped; no new one starts.
            pool.stop();
        }
    }

    RankedKeys keys;
    int full = 0;
    for (int n = 1; n <= attempts; ++n) {
        const int score = pool.score(n);
        if (score < 0)
            continue;
        ++outcome.attemptsRun;
        if (n > rankedUpTo)
            continue;
        if (score > 0)
            keys.rank(n, pool.key(n));
        if (!reporting && score == total && ++full == 4 && outcome.attemptsRanked == 0)
            outcome.attemptsRanked = n;
    }
    if (outcome.attemptsRanked == 0)
        outcome.attemptsRanked = attempts;

    for (int s = 0; s < 4 && keys.filled(s); ++s) {
        const int attempt = keys.attempt(s);
        const AttemptResult *kept = nullptr;
        for (const FourBest &b : best) {
            if ((kept = b.find(attempt)))
                break;
        }
        // A worker keeps its four best of every attempt it ran; after an abort one of those it
        // displaced with an attempt past the abort may be needed, and attempts replay exactly.
        std::unique_ptr<AttemptResult> again;
        if (!kept) {
            again = pool.rerun(attempt);
            kept = again.get();
        }
        CandidateSlot &slot = candidates[static_cast<size_t>(s)];
        *slot.record = kept->record(saved);
        slot.placed = kept->placedFlags();
        slot.score = kept->score;
        slot.leftOut = kept->leftOutByPosition();
    }

    if (reporting) {
        if (outcome.aborted) {
            observer->aborted();
            observer->progress(QObject::tr("Aborted on creation Attempt #%1").arg(counter), QString());
        } else {
            observer->progress(attemptText(counter), QObject::tr("Completed"));
            observer->completed();
        }
    }
    return outcome;
}

namespace {

// Passes a square's search on to the window with the square named in the first line, and keeps
// the final lines for the end of the whole search.
class SquareObserver final : public BuildObserver {
public:
    explicit SquareObserver(BuildObserver &window) : m_window(window) {}

    int side = 0;

    void progress(const QString &, const QString &line2) override
    {
        m_window.progress(QObject::tr("Square %1 \u00d7 %1").arg(side), line2);
    }
    bool abortRequested() override { return m_window.abortRequested(); }
    void attemptsDone(int done, int asked) override { m_window.attemptsDone(done, asked); }

private:
    BuildObserver &m_window;
};

// Squares of more letters than this many times their squares are not tried first: the densest
// grids of ordinary words fill a little under half their square.
constexpr double FirstSquareFill = 0.5;

} // namespace

ShapeRecord smallestSquarePlaceholder()
{
    return squareShape(30, SmallestSquareName);
}

SquareOutcome BuildSmallestSquare(const PuzzleRecord &working, const BuildOptions &options, CandidateSlots &candidates,
                                  ShapeRecord &square, BuildObserver *observer)
{
    const int total = working.wordsInUse();
    int longest = 1, letters = 0;
    for (int k = 0; k < total; ++k) {
        int length = 0;
        for (const char ch : working.Words[static_cast<size_t>(k)].str())
            length += ch != ' ' ? 1 : 0;
        longest = std::max(longest, length);
        letters += length;
    }
    const int smallest = std::max(longest, int(ShapeRecord::MinExtent));
    std::optional<SquareObserver> relay;
    if (observer)
        relay.emplace(*observer);

    SquareOutcome outcome;
    for (auto &slot : candidates)
        slot.score = 0;
    if (smallest > ShapeRecord::MaxExtent)
        return outcome;
    CandidateSlots trial;
    auto record = std::make_unique<PuzzleRecord>(working);
    // One square's search; the best square so far keeps its candidates.
    auto tryside = [&](int side, double effort) {
        record->GridWidth = record->GridHeight = static_cast<int16_t>(side);
        const ShapeRecord shape = squareShape(side);
        if (relay)
            relay->side = side;
        BuildOptions thorough = options;
        thorough.thorough = true;
        thorough.effort = effort;
        thorough.seed = options.seed + static_cast<uint64_t>(side);
        const BuildOutcome built =
            buildThorough(*record, shape, thorough, trial, relay ? &*relay : nullptr, true, false);
        const int placed = trial[0].score;
        outcome.tried.push_back({side, placed});
        // Among squares holding as many words the smaller wins.
        if (outcome.side == 0 || placed > candidates[0].score ||
            (placed == candidates[0].score && side < outcome.side)) {
            std::swap(trial, candidates);
            outcome.build = built;
            outcome.side = side;
            square = shape;
        }
        outcome.build.aborted = built.aborted;
        return placed == total;
    };

    // A square found quickly: short searches from the square the letters could fill, growing
    // faster and faster until one holds every word.
    const double quick = options.effort / 4;
    int side = std::clamp(static_cast<int>(std::ceil(std::sqrt(letters / FirstSquareFill))), smallest,
                          int(ShapeRecord::MaxExtent));
    int holding = 0; // the smallest square found to hold every word
    for (int grow = 1;; grow *= 2) {
        if (tryside(side, quick)) {
            holding = side;
            break;
        }
        if (outcome.build.aborted || side == ShapeRecord::MaxExtent)
            break;
        side = std::min(side + grow, int(ShapeRecord::MaxExtent));
    }
    // Then downwards with the full effort, until a square does not hold every word.
    if (holding > 0) {
        for (side = holding - 1; side >= smallest && !outcome.build.aborted; --side) {
            if (!tryside(side, options.effort))
                break;
        }
    }
    outcome.everyWordPlaced = candidates[0].score == total;
    if (observer) {
        if (outcome.build.aborted) {
            observer->aborted();
            observer->progress(QObject::tr("Aborted on square %1 \u00d7 %1").arg(outcome.side), QString());
        } else {
            observer->progress(QObject::tr("Square %1 \u00d7 %1").arg(outcome.side), QObject::tr("Completed"));
            observer->completed();
        }
    }
    return outcome;
}

QString squaresTriedText(const SquareOutcome &outcome, int total)
{
    QStringList sizes;
    for (const SquareTrial &trial : outcome.tried) {
        sizes << (trial.placed == total
                      ? QObject::tr("%1 \u00d7 %1 every word").arg(trial.side)
                      : QObject::tr("%1 \u00d7 %1 %2").arg(trial.side).arg(wordsPlacedText(trial.placed, total)));
    }
    return QObject::tr("Squares tried: %1.").arg(sizes.join(QStringLiteral(", ")));
}

} // namespace qx
