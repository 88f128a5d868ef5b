// The grid builder. Attempts per second for 50, 100 and 200 words on 15x15, 25x25 and 49x49
// squares: the literal reference, the real builder on one thread and on every CPU, counting the
// attempts that actually ran, and what the second and later CPUs gain. Also the whole build a user
// waits for: 999 attempts of 200 words on a 49x49 shape. The thorough search has its own benchmark.

#include "builder/grid_builder.h"
#include "builder/reference_builder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
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
        attempts +=
            qx::Build(record, shape, qx::BuildOptions{AttemptsPerBuild, true, false, seed++, threads}, candidates)
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
                qx::Build(record, shape, qx::BuildOptions{AttemptsPerBuild, true, false, seed, run ? 0 : 1}, candidates)
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

// The user's wait for the largest build: 999 attempts of 200 words on 49x49, every CPU.
void Build999Attempts200Words49x49(benchmark::State &state)
{
    const auto record = randomWords(200, 49);
    const auto shape = qx::squareShape(49);
    qx::CandidateSlots candidates;
    for (auto _ : state) {
        const auto outcome = qx::Build(record, shape, qx::BuildOptions{999, true, false, 2026, 0}, candidates);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["threads"] = AllCpus;
    state.counters["best"] = candidates[0].score;
}
BENCHMARK(Build999Attempts200Words49x49)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
