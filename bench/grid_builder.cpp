// The grid builder. Attempts per second for 50, 100 and 200 words on 15x15, 25x25 and 49x49
// squares: the literal reference, the real builder on one thread and on every CPU, counting the
// attempts that actually ran, and what the second and later CPUs gain. Then the two ways of
// building on the common English word lists beside this file, against best fit's targets, and
// the search for the smallest square. Also the whole build a user waits for: 999 attempts of 200
// words on a 49x49 shape.

#include "builder/grid_builder.h"
#include "builder/grid_stats.h"
#include "builder/reference_builder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

// Words with English letter frequencies, 3 to 12 letters, the same on every run.
qx::PuzzleRecord randomWords(int words, int side)
{
    static const char *letters =
        "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSHHHHHHRRRRRRDDDDLLLLUUUCCCMMWWFFGGYYPPBVK";
    std::mt19937 rng(static_cast<unsigned>(words * 1000 + side));
    qx::PuzzleRecord r;
    r.WordCount = static_cast<int16_t>(words);
    r.GridWidth = static_cast<int16_t>(side);
    r.GridHeight = static_cast<int16_t>(side);
    const int longest = std::min(12, side);
    for (int k = 0; k < words; ++k) {
        const int length = std::uniform_int_distribution<int>(3, longest)(rng);
        std::string w;
        for (int i = 0; i < length; ++i)
            w.push_back(letters[rng() % std::strlen(letters)]);
        r.Words[k].set(w);
        r.Clues[k].set("clue");
    }
    return r;
}

// One of the word lists beside this file: one word a line, '#' starts a comment.
qx::PuzzleRecord commonWords(int words, int side)
{
    std::ifstream in(std::string(QUORVEX_BENCH_DIR) + "/words_" + std::to_string(words) + ".txt");
    if (!in)
        throw std::runtime_error("missing word list words_" + std::to_string(words) + ".txt");
    qx::PuzzleRecord r;
    r.GridWidth = r.GridHeight = static_cast<int16_t>(side);
    std::string line;
    int k = 0;
    while (std::getline(in, line) && k < qx::MaxWords) {
        if (line.empty() || line[0] == '#')
            continue;
        r.Words[k].set(line);
        r.Clues[k++].set("clue");
    }
    r.WordCount = static_cast<int16_t>(k);
    return r;
}

const int AllCpus = qx::usableCpus();

// Both sides run the very same attempts: builds of 64 attempts from the same seeds.
constexpr int AttemptsPerBuild = 64;

void Reference(benchmark::State &state)
{
    const auto record = randomWords(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto shape = qx::squareShape(static_cast<int>(state.range(1)));
    std::array<qx::test::ReferenceSlot, 4> candidates;
    uint64_t seed = 1;
    int64_t attempts = 0;
    for (auto _ : state) {
        attempts += qx::test::referenceBuild(record, shape, AttemptsPerBuild, true, false, seed++, candidates);
        benchmark::DoNotOptimize(candidates[0].score);
    }
    state.counters["attempts/s"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
}

void RealBuilder(benchmark::State &state, int threads)
{
    const auto record = randomWords(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto shape = qx::squareShape(static_cast<int>(state.range(1)));
    qx::CandidateSlots candidates;
    uint64_t seed = 1;
    int64_t attempts = 0;
    for (auto _ : state) {
        attempts += qx::buildCandidates(record, shape, qx::BuildOptions{AttemptsPerBuild, true, false, seed++, threads},
                                        candidates)
                        .attemptsRun;
        benchmark::DoNotOptimize(candidates[0].score);
    }
    state.counters["attempts/s"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
    state.counters["best"] = candidates[0].score;
}

void RealOneThread(benchmark::State &state)
{
    RealBuilder(state, 1);
}
void RealAllThreads(benchmark::State &state)
{
    RealBuilder(state, 0);
}

// The same builds on one thread and on every CPU, timed in turn: "gain" is how many times more
// attempts per second every CPU gives than one (ideally the number of CPUs).
void ThreadGain(benchmark::State &state)
{
    const auto record = randomWords(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto shape = qx::squareShape(static_cast<int>(state.range(1)));
    qx::CandidateSlots candidates;
    std::array<double, 2> seconds{};
    std::array<int64_t, 2> attempts{};
    uint64_t seed = 1;
    for (auto _ : state) {
        for (int run = 0; run < 2; ++run) {
            const auto start = std::chrono::steady_clock::now();
            attempts[run] +=
                qx::buildCandidates(record, shape, qx::BuildOptions{AttemptsPerBuild, true, false, seed, run ? 0 : 1},
                                    candidates)
                    .attemptsRun;
            seconds[run] += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        ++seed;
    }
    state.counters["cpus"] = AllCpus;
    state.counters["gain"] = (attempts[1] / seconds[1]) / (attempts[0] / seconds[0]);
}

void Sizes(benchmark::internal::Benchmark *b)
{
    for (int words : {50, 100, 200})
        for (int side : {15, 25, 49})
            b->Args({words, side});
    b->ArgNames({"words", "side"})->UseRealTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(Reference)->Apply(Sizes);
BENCHMARK(RealOneThread)->Apply(Sizes);
BENCHMARK(RealAllThreads)->Apply(Sizes);
BENCHMARK(ThreadGain)->Apply(Sizes);

// The two ways of building on the common word lists, on every CPU: words placed, crossings per
// word and fill (letters per square of their box) of the best candidate, and the seconds a build
// takes. Best fit's targets: "target" words placed in under a second of wall time.
struct ListCase {
    int words;
    int side;
    int target;
};
constexpr ListCase ListCases[] = {{200, 49, 170}, {200, 31, 80}, {100, 25, 48}, {20, 15, 15}};
// Best fit's attempts in a build of these targets.
constexpr int BestFitAttempts = 100;

void CommonWords(benchmark::State &state, bool bestFit)
{
    const ListCase &c = ListCases[state.range(0)];
    const auto record = commonWords(c.words, c.side);
    const auto shape = qx::squareShape(c.side);
    qx::CandidateSlots candidates;
    qx::BuildOptions options;
    options.attempts = bestFit ? BestFitAttempts : 999;
    options.bestFit = bestFit;
    double placed = 0, crossings = 0, fill = 0, worst = c.words;
    int builds = 0;
    for (auto _ : state) {
        options.seed = static_cast<uint64_t>(++builds);
        qx::buildCandidates(record, shape, options, candidates);
        const auto stats = qx::gridStats(*candidates[0].record);
        placed += stats.placed;
        worst = std::min<double>(worst, stats.placed);
        crossings += stats.crossingsPerWord();
        fill += stats.fillPercent();
    }
    state.counters["words"] = c.words;
    state.counters["side"] = c.side;
    state.counters["placed"] = placed / builds;
    state.counters["fewest"] = worst;
    state.counters["crossings/word"] = crossings / builds;
    state.counters["fill%"] = fill / builds;
    if (bestFit) {
        state.counters["target"] = c.target;
        state.counters["met"] = worst >= c.target ? 1 : 0;
    }
}

void PartBuilder999(benchmark::State &state)
{
    CommonWords(state, false);
}
void BestFit(benchmark::State &state)
{
    CommonWords(state, true);
}
BENCHMARK(PartBuilder999)->DenseRange(0, 3)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BestFit)->DenseRange(0, 3)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The smallest square that holds the 50 common words, found with best fit (target: under two
// seconds).
void SmallestSquare50Words(benchmark::State &state)
{
    const auto record = commonWords(50, 49);
    qx::CandidateSlots candidates;
    qx::ShapeRecord square;
    qx::BuildOptions options;
    options.attempts = BestFitAttempts;
    qx::SquareOutcome outcome;
    for (auto _ : state) {
        ++options.seed;
        outcome = qx::BuildSmallestSquare(record, options, candidates, square);
    }
    state.counters["side"] = outcome.side;
    state.counters["all placed"] = outcome.everyWordPlaced ? 1 : 0;
}
BENCHMARK(SmallestSquare50Words)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The user's wait for the largest build: 999 attempts of 200 words on 49x49, every CPU.
void Build999Attempts200Words49x49(benchmark::State &state)
{
    const auto record = randomWords(200, 49);
    const auto shape = qx::squareShape(49);
    qx::CandidateSlots candidates;
    for (auto _ : state) {
        const auto outcome =
            qx::buildCandidates(record, shape, qx::BuildOptions{999, true, false, 2026, 0}, candidates);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["threads"] = AllCpus;
    state.counters["best"] = candidates[0].score;
}
BENCHMARK(Build999Attempts200Words49x49)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
