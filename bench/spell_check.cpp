// A spell check as the word list editor runs it: open a language's dictionary with the user's
// lists, then check a full puzzle of 200 words whose clues are 150 characters each. The target is
// under half a second, dictionary load included. The other figures split it into the load, the
// check alone and the suggestions for one misspelt word, and add a thesaurus lookup and the
// thesaurus's suggestions for a word it lacks.

#include "lexicon/spell_check.h"
#include "lexicon/spell_engine.h"
#include "lexicon/thesaurus_engine.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

const QString ShareDir = QStringLiteral(QUORVEX_SHARE_DIR);

// 200 rows of right words, each with a clue of 150 characters of right words and punctuation.
std::vector<qx::SpellRow> puzzleRows()
{
    static const QStringList words = {
        QStringLiteral("garden"), QStringLiteral("river"),   QStringLiteral("window"), QStringLiteral("yellow"),
        QStringLiteral("planet"), QStringLiteral("kitchen"), QStringLiteral("orange"), QStringLiteral("winter"),
        QStringLiteral("bridge"), QStringLiteral("captain"), QStringLiteral("silver"), QStringLiteral("mountain"),
        QStringLiteral("basket"), QStringLiteral("thunder"), QStringLiteral("forest"), QStringLiteral("pencil"),
    };
    static const QStringList clueWords = {
        QStringLiteral("a"),     QStringLiteral("place"), QStringLiteral("where"),  QStringLiteral("people"),
        QStringLiteral("often"), QStringLiteral("find"),  QStringLiteral("large"),  QStringLiteral("quiet"),
        QStringLiteral("water"), QStringLiteral("and"),   QStringLiteral("trees,"), QStringLiteral("(color)"),
        QStringLiteral("near"),  QStringLiteral("the"),   QStringLiteral("old"),    QStringLiteral("house;"),
    };
    std::vector<qx::SpellRow> rows;
    for (int k = 0; k < 200; ++k) {
        // Whole words while they fit, then "a " to the full 150 characters, ended by a full stop.
        QString clue;
        for (int i = k;; ++i) {
            const QString &next = clueWords[i % clueWords.size()];
            if (clue.size() + next.size() + 1 > 150)
                break;
            clue += next + QLatin1Char(' ');
        }
        while (clue.size() < 150)
            clue += clue.size() % 2 ? QLatin1Char(' ') : QLatin1Char('a');
        clue[149] = QLatin1Char('.');
        rows.push_back({words[k % words.size()], clue});
    }
    return rows;
}

// Answers nothing: every word of the puzzle is right.
struct Silent : qx::SpellCheckUser {
    qx::SpellAnswer refused(const QString &, const QStringList &) override { return {}; }
    void noSuggestions(const QString &) override {}
    void addFailed(const qx::FileError &) override {}
};

std::shared_ptr<qx::SpellEngine> openEngine(int language)
{
    auto engine = qx::SpellEngine::open(ShareDir, language);
    if (!engine)
        std::abort();
    return *engine;
}

// Load and check together, the figure the target is about (American, as the puzzle's words are).
void SpellCheckPuzzleWithLoad(benchmark::State &state)
{
    const auto rows = puzzleRows();
    for (auto _ : state) {
        const auto engine = openEngine(1);
        auto checked = rows;
        Silent user;
        if (qx::spellCheckRows(*engine, checked, true, user) != qx::SpellCheckEnd::AllFound)
            std::abort();
    }
}
BENCHMARK(SpellCheckPuzzleWithLoad)->Unit(benchmark::kMillisecond);

// Opening each language's dictionary: 1 American .. 8 Swedish.
void SpellDictionaryLoad(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(openEngine(static_cast<int>(state.range(0))));
}
BENCHMARK(SpellDictionaryLoad)->DenseRange(1, 8)->Unit(benchmark::kMillisecond);

void SpellCheckPuzzleOnly(benchmark::State &state)
{
    const auto engine = openEngine(1);
    const auto rows = puzzleRows();
    for (auto _ : state) {
        auto checked = rows;
        Silent user;
        benchmark::DoNotOptimize(qx::spellCheckRows(*engine, checked, true, user));
    }
}
BENCHMARK(SpellCheckPuzzleOnly)->Unit(benchmark::kMillisecond);

void SpellSuggestions(benchmark::State &state)
{
    const auto engine = openEngine(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->suggest(QStringLiteral("recieve")));
}
BENCHMARK(SpellSuggestions)->Unit(benchmark::kMillisecond);

std::shared_ptr<qx::ThesaurusEngine> openThesaurus()
{
    auto engine = qx::ThesaurusEngine::open(ShareDir + QStringLiteral("/thesdbam.cth"),
                                            ShareDir + QStringLiteral("/thesdbam.idx"));
    if (!engine)
        std::abort();
    return *engine;
}

void ThesaurusLookup(benchmark::State &state)
{
    const auto engine = openThesaurus();
    for (auto _ : state)
        benchmark::DoNotOptimize(qx::lookUpWord(*engine, QStringLiteral("happy")));
}
BENCHMARK(ThesaurusLookup)->Unit(benchmark::kMicrosecond);

// The first call reads the index; later ones only compare.
void ThesaurusSuggestions(benchmark::State &state)
{
    const auto engine = openThesaurus();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->suggestions(QStringLiteral("hapyness")));
}
BENCHMARK(ThesaurusSuggestions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
