// Attempts per second of the grid builder for 50, 100 and 200 words on 15x15, 25x25 and 49x49
// squares: the literal reference, the real builder on one thread, and on every core. Also the
// whole build a user waits for: 999 attempts of 200 words on a 49x49 shape.

#include "builder/grid_builder.h"
#include "builder/reference_builder.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <thread>

namespace {

// Words with English letter frequencies, 3 to 12 letters, the same on every run.
qx::PuzzleRecord wordList(int words, int side)
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

qx::ShapeRecord square(int side)
{
    qx::ShapeRecord s;
    s.ShapeWidth = s.ShapeHeight = static_cast<int16_t>(side);
    s.ShapeCells.fill(0);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            s.ShapeCells[qx::ShapeRecord::cellIndex(r, c)] = 1;
    return s;
}

// Both sides run the very same attempts: a build of 64 attempts from the same seeds.
constexpr int AttemptsPerBuild = 64;

void Reference(benchmark::State &state)
{
    const auto record = wordList(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto shape = square(static_cast<int>(state.range(1)));
    std::array<qx::test::ReferenceSlot, 4> candidates;
    uint64_t seed = 1;
    for (auto _ : state) {
        qx::test::referenceBuild(record, shape, AttemptsPerBuild, true, false, seed++, candidates);
        benchmark::DoNotOptimize(candidates[0].score);
    }
    state.counters["attempts/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * AttemptsPerBuild), benchmark::Counter::kIsRate);
}

void RealBuilder(benchmark::State &state, int threads)
{
    const auto record = wordList(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto shape = square(static_cast<int>(state.range(1)));
    const int attempts = AttemptsPerBuild;
    qx::CandidateSlots candidates;
    uint64_t seed = 1;
    for (auto _ : state) {
        qx::Build(record, shape, qx::BuildOptions{attempts, true, false, seed++, threads}, candidates);
        benchmark::DoNotOptimize(candidates[0].score);
    }
    state.counters["attempts/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * attempts), benchmark::Counter::kIsRate);
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

// The user's wait for the largest build: 999 attempts of 200 words on 49x49, every core.
void Build999Attempts200Words49x49(benchmark::State &state)
{
    const auto record = wordList(200, 49);
    const auto shape = square(49);
    qx::CandidateSlots candidates;
    for (auto _ : state) {
        const auto outcome = qx::Build(record, shape, qx::BuildOptions{999, true, false, 2026, 0}, candidates);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["threads"] = std::thread::hardware_concurrency();
    state.counters["best"] = candidates[0].score;
}
BENCHMARK(Build999Attempts200Words49x49)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
