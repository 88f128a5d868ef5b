#include "builder/grid_builder.h"

#include "builder/build_attempt.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace qx {

uint64_t seedFromClock()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

namespace {

// Enters an attempt into the candidates; among equal scores the earlier attempt keeps the better slot.
void rank(const AttemptResult &attempt, const PuzzleRecord &saved, CandidateSlots &candidates)
{
    int into = -1;
    for (int s = 0; s < 4; ++s) {
        if (attempt.score > candidates[s].score) {
            into = s;
            break;
        }
    }
    if (into < 0)
        return;
    for (int s = 3; s > into; --s)
        std::swap(candidates[s], candidates[s - 1]);
    *candidates[into].record = attempt.record(saved);
    candidates[into].placed = attempt.placedFlags();
    candidates[into].score = attempt.score;
}

QString attemptText(int n)
{
    return QObject::tr("Creation Attempt #%1").arg(n);
}

// Hands out attempt numbers to the workers and collects their results for ranking in order.
class AttemptQueue {
public:
    explicit AttemptQueue(int attempts) : m_attempts(attempts) {}

    // The next attempt to run, or 0 when there is none.
    int take()
    {
        if (m_stop.load())
            return 0;
        const int n = m_next.fetch_add(1) + 1;
        return n <= m_attempts ? n : 0;
    }

    void put(std::unique_ptr<AttemptResult> result)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done.emplace(result->attempt, std::move(result));
        }
        m_ready.notify_all();
    }

    std::unique_ptr<AttemptResult> waitFor(int attempt)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_done.count(attempt) != 0; });
        auto result = std::move(m_done[attempt]);
        m_done.erase(attempt);
        return result;
    }

    void stop() { m_stop.store(true); }

private:
    const int m_attempts;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::map<int, std::unique_ptr<AttemptResult>> m_done;
};

} // namespace

BuildOutcome Build(const PuzzleRecord &working, const ShapeRecord &shape, const BuildOptions &options,
                   CandidateSlots &candidates, BuildObserver *observer)
{
    const int attempts = std::max(options.attempts, 1);
    const bool reporting = observer != nullptr && attempts > 1;
    const int total = working.wordsInUse();
    for (auto &slot : candidates)
        slot.score = 0;

    // Attempts start from this copy; the caller's record is never touched.
    const PuzzleRecord saved = working;
    const AttemptOptions attemptOptions{options.shrink, options.quickBuild};

    int threads = options.threads > 0 ? options.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, attempts);

    AttemptQueue queue(attempts);
    auto work = [&] {
        AttemptRunner runner(saved, shape, attemptOptions);
        while (const int n = queue.take()) {
            auto result = std::make_unique<AttemptResult>();
            result->attempt = n;
            SplitMix64 rng = SplitMix64::forAttempt(options.seed, n);
            runner.run(rng, *result);
            queue.put(std::move(result));
        }
    };
    std::vector<std::jthread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work);

    BuildOutcome outcome;
    int counter = 0;
    while (true) {
        ++counter;
        if (reporting)
            observer->progress(attemptText(counter), QString());
        const auto result = queue.waitFor(counter);
        rank(*result, saved, candidates);
        outcome.attemptsRanked = counter;
        if (reporting)
            observer->attemptsDone(counter, attempts);
        // All four candidates hold every word: the remaining attempts cannot do better.
        if (candidates[3].score == total)
            counter = attempts;
        if (reporting && observer->abortRequested()) {
            outcome.aborted = true;
            break;
        }
        if (counter >= attempts)
            break;
    }
    // Attempts already running finish and are dropped; no new one starts.
    queue.stop();
    workers.clear();

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

} // namespace qx
