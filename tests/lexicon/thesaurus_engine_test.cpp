// Meanings, synonyms, antonyms and suggestions from the thesauri, and the entries and keys the
// lookup window shows them by.

#include "lexicon/languages.h"
#include "lexicon/thesaurus_engine.h"

#include "lexicon/lexicon_data.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace qx::test {
namespace {

// Writes a thesaurus in MyThes's format: the data file holds, after the encoding's line, each
// word's line "word|meanings" and its meaning lines; the index the words in byte order with the
// offsets of their lines.
void writeThesaurus(const QString &dat, const QString &idx, const char *encoding,
                    const std::map<QByteArray, std::vector<QByteArray>> &entries)
{
    QByteArray data = QByteArray(encoding) + '\n';
    QByteArray index = QByteArray(encoding) + '\n' + QByteArray::number(qsizetype(entries.size())) + '\n';
    for (const auto &[word, meanings] : entries) {
        index += word + '|' + QByteArray::number(data.size()) + '\n';
        data += word + '|' + QByteArray::number(qsizetype(meanings.size())) + '\n';
        for (const QByteArray &m : meanings)
            data += m + '\n';
    }
    for (const auto &[path, bytes] : {std::pair{dat, data}, std::pair{idx, index}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
}

std::shared_ptr<ThesaurusEngine> openInDir(const QString &dir, int code)
{
    const ThesaurusFiles &files = thesaurusFiles(code);
    auto engine = ThesaurusEngine::open(dir + QLatin1Char('/') + QLatin1String(files.dataFile),
                                        dir + QLatin1Char('/') + QLatin1String(files.indexFile));
    EXPECT_TRUE(engine.ok());
    return engine.ok() ? *engine : nullptr;
}

TEST(ThesaurusEntries, KeysReplaceTheFirstSuffixFound)
{
    const std::pair<QString, QString> cases[] = {
        {categoryEntry(QStringLiteral("glad"), QStringLiteral("adj")), QStringLiteral("glad.adj")},
        {categoryEntry(QStringLiteral("run"), QStringLiteral("v")), QStringLiteral("run.v")},
        {categoryEntry(QStringLiteral("fast"), QStringLiteral("adv")), QStringLiteral("fast.adv")},
        {categoryEntry(QStringLiteral("hour"), QStringLiteral("n")), QStringLiteral("hour.n")},
        {categoryEntry(QStringLiteral("other"), QString()), QStringLiteral("other")},
        {QStringLiteral("a (verb) b (noun)"), QStringLiteral("a (verb) b.n")},
        {QStringLiteral("large (adjective) 2"), QStringLiteral("large.adj 2")},
    };
    for (const auto &[entry, key] : cases)
        EXPECT_EQ(categoryKey(entry), key) << entry.toStdString();
    EXPECT_EQ(categoryEntry(QStringLiteral("glad"), QStringLiteral("adj")), QStringLiteral("glad (adjective)"));
    EXPECT_EQ(withoutNote(QStringLiteral("piece (generic term)")), QStringLiteral("piece"));
    EXPECT_EQ(withoutNote(QStringLiteral("Acer (genus)")), QStringLiteral("Acer (genus)"));
}

TEST(Thesaurus, TheAmericanDataFindsAWordInAnyCaseWithItsMeaningsAndAntonyms)
{
    LexiconDir dir;
    const auto engine = openInDir(dir.path(), 1);
    ASSERT_TRUE(engine);
    const ThesaurusLookup lower = lookUpWord(*engine, QStringLiteral("happy"));
    const ThesaurusLookup upper = lookUpWord(*engine, QStringLiteral("HAPPY"));
    ASSERT_TRUE(lower.found());
    EXPECT_EQ(upper.categories, lower.categories);
    EXPECT_EQ(lower.categories.first(), QStringLiteral("blessed (adjective)"));
    EXPECT_EQ(lower.antonyms, QStringList{QStringLiteral("unhappy (adjective)")});
    const QStringList synonyms = lower.synonyms(lower.categories.first());
    EXPECT_TRUE(synonyms.contains(QStringLiteral("cheerful")));
    EXPECT_FALSE(synonyms.contains(QStringLiteral("unhappy")));
    EXPECT_FALSE(lower.synonyms(lower.antonyms.first()).isEmpty());
    EXPECT_FALSE(lookUpWord(*engine, QStringLiteral("qqxqzz")).found());
    // "big" has three meanings named "large (adjective)": each is listed and keeps its synonyms.
    const ThesaurusLookup big = lookUpWord(*engine, QStringLiteral("big"));
    ASSERT_GE(big.categories.size(), 3);
    EXPECT_EQ(big.categories.mid(0, 3),
              (QStringList{QStringLiteral("large (adjective)"), QStringLiteral("important (adjective)"),
                           QStringLiteral("large (adjective) 2")}));
    EXPECT_TRUE(big.synonyms(QStringLiteral("large (adjective) 2")).contains(QStringLiteral("prominent")));
    EXPECT_TRUE(big.synonyms(QStringLiteral("large (adjective) 3")).contains(QStringLiteral("magnanimous")));
    // One edit away before two, in the index's order among equals; at most 30.
    const QStringList near = engine->suggestions(QStringLiteral("hapy"));
    EXPECT_EQ(near.mid(0, 5), (QStringList{QStringLiteral("hap"), QStringLiteral("haply"), QStringLiteral("happy"),
                                           QStringLiteral("harpy"), QStringLiteral("hay")}));
    EXPECT_EQ(near.size(), ThesaurusEngine::MaxSuggestions);
}

TEST(Thesaurus, TheBritishDataFindsBritishSpellings)
{
    LexiconDir dir;
    const auto engine = openInDir(dir.path(), 2);
    ASSERT_TRUE(engine);
    const ThesaurusLookup colour = lookUpWord(*engine, QStringLiteral("colour"));
    ASSERT_TRUE(colour.found());
    // Its first meaning holds only an antonym: it is named after the word.
    EXPECT_EQ(colour.categories.first(), QStringLiteral("colour (adjective)"));
    EXPECT_TRUE(colour.antonyms.contains(QStringLiteral("black-and-white (adjective)")));
}

TEST(Thesaurus, ReadsIso88591DataAndListsAnAntonymReachedTwiceOnce)
{
    TempDir dir;
    const ThesaurusFiles &files = thesaurusFiles(2);
    writeThesaurus(dir.file(QLatin1String(files.dataFile)), dir.file(QLatin1String(files.indexFile)), "ISO8859-1",
                   {{"caf\xe9",
                     {"(noun)|bistro|caf\xe9 (similar term)|restaurant (generic term)",
                      "(noun)|coffee shop|coffee house|tearoom (related term)"}},
                    {"glad",
                     {"(adj)|happy|cheerful (similar term)|sad (antonym)", "(adj)|pleased|sad (antonym)",
                      "(verb)|gladden|sad (antonym)"}},
                    {"sad", {"(verb)|sadden", "(adj)|unhappy|sorrowful (similar term)|glad (antonym)"}}});
    const auto engine = openInDir(dir.path(), 2);
    ASSERT_TRUE(engine);

    const ThesaurusLookup cafe = lookUpWord(*engine, QString::fromUtf8("CAFÉ"));
    EXPECT_EQ(cafe.categories, (QStringList{QStringLiteral("bistro (noun)"), QStringLiteral("coffee shop (noun)")}));
    EXPECT_EQ(cafe.synonyms(cafe.categories[0]),
              (QStringList{QStringLiteral("bistro"), QString::fromUtf8("café"), QStringLiteral("restaurant")}));

    const ThesaurusLookup glad = lookUpWord(*engine, QStringLiteral("glad"));
    EXPECT_EQ(glad.categories.size(), 3);
    EXPECT_EQ(glad.antonyms, (QStringList{QStringLiteral("sad (adjective)"), QStringLiteral("sad (verb)")}));
    // The antonym's synonyms are the antonym's own first meaning of the same part of speech.
    EXPECT_EQ(glad.synonyms(glad.antonyms[0]), (QStringList{QStringLiteral("unhappy"), QStringLiteral("sorrowful")}));
    EXPECT_EQ(glad.synonyms(glad.antonyms[1]), QStringList{QStringLiteral("sadden")});
    EXPECT_EQ(engine->suggestions(QStringLiteral("cafe")), QStringList{QString::fromUtf8("café")});
}

TEST(Thesaurus, MissingOrDamagedFilesAreRefusedOrFindNothing)
{
    TempDir dir;
    EXPECT_FALSE(
        ThesaurusEngine::open(dir.file(QStringLiteral("none.cth")), dir.file(QStringLiteral("none.idx"))).ok());
    writeAll(dir.file(QStringLiteral("x.cth")), {'\n', '|', '|'});
    writeAll(dir.file(QStringLiteral("x.idx")), {'U', 'T', 'F', '-', '8', '\n', '9', '\n', 'a', '|', '9', '9'});
    const auto engine = ThesaurusEngine::open(dir.file(QStringLiteral("x.cth")), dir.file(QStringLiteral("x.idx")));
    if (engine.ok()) {
        EXPECT_FALSE(lookUpWord(**engine, QStringLiteral("a")).found());
        (void)(*engine)->suggestions(QStringLiteral("a"));
    }
}

} // namespace
} // namespace qx::test
