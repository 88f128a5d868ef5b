// Suggested clues as the word list editor asks for them: open WordNet and the thesaurus, then
// suggest clues for 200 words. The target is well under a second, opening included. The other
// figures split it into the opening alone, the suggestions alone, and one language's synonym clues.

#include "lexicon/clue_suggestions.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstdlib>

namespace {

const QString ShareDir = QStringLiteral(QUORVEX_SHARE_DIR);

// 200 random dictionary words of the builder benchmarks: many are rare, inflected or not in
// WordNet, which is the slower path (base forms, then the thesaurus).
QStringList words200()
{
    QFile f(QStringLiteral(QUORVEX_BENCH_DIR "/lists/random_200_a.txt"));
    if (!f.open(QIODevice::ReadOnly))
        std::abort();
    QStringList words;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            words << QString::fromUtf8(line.trimmed());
    if (words.size() != 200)
        std::abort();
    return words;
}

std::shared_ptr<qx::ClueSuggester> openSuggester(int thesaurus)
{
    auto suggester = qx::ClueSuggester::open(ShareDir, thesaurus);
    if (!suggester)
        std::abort();
    return *suggester;
}

// Opening and 200 words together: what a click on "Suggest Clues" costs. Counts the words that got
// a suggestion.
void SuggestCluesFor200WordsWithOpening(benchmark::State &state)
{
    const QStringList words = words200();
    int found = 0;
    for (auto _ : state) {
        const auto suggester = openSuggester(1);
        found = 0;
        for (const QString &word : words)
            found += suggester->suggest(word).isEmpty() ? 0 : 1;
    }
    state.counters["with_suggestion"] = found;
}
BENCHMARK(SuggestCluesFor200WordsWithOpening)->Unit(benchmark::kMillisecond);

void ClueSuggesterOpening(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(openSuggester(int(state.range(0))));
}
BENCHMARK(ClueSuggesterOpening)->Arg(1)->Arg(4)->Arg(7)->Unit(benchmark::kMillisecond);

void SuggestCluesFor200WordsOnly(benchmark::State &state)
{
    const QStringList words = words200();
    const auto suggester = openSuggester(1);
    for (auto _ : state)
        for (const QString &word : words)
            benchmark::DoNotOptimize(suggester->suggest(word));
}
BENCHMARK(SuggestCluesFor200WordsOnly)->Unit(benchmark::kMillisecond);

// Synonym clues from the German thesaurus, the largest of the other languages'.
void GermanSynonymClues(benchmark::State &state)
{
    const auto suggester = openSuggester(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(suggester->suggest(QStringLiteral("HAUS")));
}
BENCHMARK(GermanSynonymClues)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
