// Opening a collection lists every puzzle by reading only its category and name. This measures
// a reload of 5,000 puzzles in 12 categories, and the main window's sorted lists built from it.

#include "store/collection_file.h"
#include "store/collection_view.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;

    explicit Fixture(int puzzles)
    {
        path = dir.path() + QStringLiteral("/BIG.QX3");
        // Written in one go: every append rewrites the whole file.
        std::vector<uint8_t> bytes;
        qx::PuzzleRecord r;
        for (int n = 0; n < puzzles; ++n) {
            r.Category.set("Category " + std::to_string(n % 12));
            r.PuzzleName.set("Puzzle number " + std::to_string((n * 7919) % puzzles));
            const auto record = r.bytes();
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        if (!qx::CollectionFile(path).file().writeAll(bytes))
            std::abort();
    }
};

void CollectionReload(benchmark::State &state)
{
    static Fixture fixture(static_cast<int>(state.range(0)));
    const qx::CollectionFile file(fixture.path);
    for (auto _ : state) {
        auto index = file.reload();
        benchmark::DoNotOptimize(index);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CollectionReload)->Arg(5000)->Unit(benchmark::kMillisecond);

void CollectionViewReload(benchmark::State &state)
{
    static Fixture fixture(static_cast<int>(state.range(0)));
    const qx::CollectionFile file(fixture.path);
    for (auto _ : state) {
        qx::CollectionView view;
        if (!view.reload(file))
            std::abort();
        benchmark::DoNotOptimize(view);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CollectionViewReload)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
