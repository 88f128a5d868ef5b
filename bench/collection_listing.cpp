// Opening a collection lists every puzzle by reading only its category and name. This measures
// a reload of 5,000 puzzles in 12 categories, and the main window's sorted lists built from it.

#include "store/collection_file.h"
#include "store/collection_view.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;

    explicit Fixture(int puzzles)
    {
        path = dir.path() + QStringLiteral("/BIG.QX3");
        const qx::CollectionFile file(path);
        file.createEmpty();
        qx::PuzzleRecord r;
        for (int n = 0; n < puzzles; ++n) {
            r.Category.set("Category " + std::to_string(n % 12));
            r.PuzzleName.set("Puzzle number " + std::to_string((n * 7919) % puzzles));
            file.append(r);
        }
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
        view.reload(file);
        benchmark::DoNotOptimize(view);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CollectionViewReload)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
