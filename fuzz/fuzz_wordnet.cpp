// The WordNet reader over any bytes: the input is cut at NUL bytes into the twelve files (the four
// indexes, the four data files, the four exception lists). Looking up words, the fixed ones and the
// first word of each index line, never crashes; every clue made from what is found is at most 150
// characters, can be stored, and holds no word of its answer.

#include "common/storable_text.h"
#include "fuzz_support.h"
#include "lexicon/clue_suggestions.h"
#include "lexicon/wordnet.h"

#include <QRegularExpression>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> parts = bytes.split('\0');
    WordNet::Files files;
    for (qsizetype k = 0; k < parts.size() && k < 3 * WordNet::PartCount; ++k) {
        auto &into = k < 4 ? files.index : k < 8 ? files.data : files.exceptions;
        into[size_t(k % 4)] = parts[k];
    }
    QStringList words{QStringLiteral("cloud"), QStringLiteral("clouds"), QStringLiteral("geese"),
                      QStringLiteral("solar system"), QString()};
    for (const QByteArray &line : files.index[0].split('\n').mid(0, 20))
        words << QString::fromLatin1(line.left(line.indexOf(' ')));

    const auto wordNet = WordNet::fromFiles(files);
    const ClueSuggester suggester(wordNet, nullptr, QStringLiteral("Synonym: "));
    for (const QString &word : words) {
        for (const WordNet::Sense &sense : wordNet->senses(word))
            check(sense.part >= WordNet::Noun && sense.part <= WordNet::Adverb, "a part of speech");
        (void)wordNet->baseForms(word);
        const AnswerForms answer(word, [&wordNet](const QString &w) { return wordNet->baseForms(w); });
        for (const QString &clue : suggester.suggest(word)) {
            check(clue.size() <= MaxSuggestedClueLength, "a clue fits its cell");
            check(!firstUnstorable(clue), "a clue can be stored");
            for (const QString &piece : clue.split(QRegularExpression(QStringLiteral("[^\\p{L}\\p{N}]+"))))
                check(piece.isEmpty() || !answer.matches(piece), "a clue never holds its answer");
        }
    }
    return 0;
}
