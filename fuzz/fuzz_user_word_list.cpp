// The user's word lists beside the dictionaries: any bytes read as a list of words that are
// trimmed, not empty and one line each; written back they read as the same list, through a file
// too, and every word of a list matches it whatever its letter case.

#include "fuzz_support.h"
#include "lexicon/user_word_list.h"

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList words = parseUserWordList(bytes);
    for (const QString &word : words) {
        check(!word.isEmpty() && word == word.trimmed(), "a trimmed word");
        check(!word.contains(QLatin1Char('\n')), "one line a word");
    }
    const QByteArray written = formatUserWordList(words);
    check(parseUserWordList(written) == words, "written words read back");

    const QString path = scratchFile("IncEngl.tlx");
    check(writeUserWordList(path, words).ok(), "a list is written");
    const auto read = readUserWordList(path);
    check(read.ok() && *read == words, "the file reads back");

    const WordSet set(words);
    for (const QString &word : words)
        check(set.contains(word) && set.contains(word.toCaseFolded()), "letter case does not count");
    return 0;
}
