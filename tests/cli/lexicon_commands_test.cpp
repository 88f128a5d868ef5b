// quorvex-cli spell, thesaurus and clues: the refused words of a puzzle by row, a word's meanings,
// and a word list's missing clues filled with suggestions.
#include "cli/commands.h"
#include "lexicon/user_word_list.h"
#include "lexicon/wordnet.h"
#include "store/collection_file.h"

#include "lexicon/lexicon_data.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

TEST(CliLexicon, SpellReportsRefusedWordsAndCluePiecesByRowWithTheUsersLists)
{
    LexiconDir program;
    ASSERT_TRUE(writeUserWordList(program.file(QStringLiteral("IncBrit.tlx")), {QStringLiteral("zorbleq")}));
    const QString collection = program.file(QStringLiteral("ONE.QX3"));
    auto record = std::make_unique<PuzzleRecord>();
    record->WordCount = 2;
    record->Words[0].set("COLOR");
    record->Clues[0].set("A recieve, (Zorbleq)");
    record->Words[1].set("owl");
    record->Clues[1].set("night bird");
    // A row beyond the word count (a word the builder left out) is checked too.
    record->Words[7].set("weather");
    record->Words[9].set("rainn");
    ASSERT_TRUE(CollectionFile(collection).append(*record));

    const QStringList base{QStringLiteral("--program-dir"), program.path(), QStringLiteral("spell"), collection,
                           QStringLiteral("0")};
    const cli::Result british = cli::run(base + QStringList{QStringLiteral("--language"), QStringLiteral("British")});
    ASSERT_EQ(british.status, 0) << british.error.toStdString();
    const QStringList lines = british.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << british.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("row 1 word COLOR: "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("row 10 word rainn: "))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("row 1 clue recieve: receive"))) << lines[2].toStdString();

    const cli::Result json = cli::run(base + QStringList{QStringLiteral("--json")});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(json.out.contains(QStringLiteral("\"in\": \"clue\""))) << json.out.toStdString();
    EXPECT_TRUE(json.out.contains(QStringLiteral("\"text\": \"Zorbleq\""))); // the British list is not American
    EXPECT_EQ(cli::run(base + QStringList{QStringLiteral("--language"), QStringLiteral("Klingon")}).status, 1);
}

TEST(CliLexicon, ThesaurusPrintsCategoriesAndAntonymsWithTheirSynonyms)
{
    LexiconDir program;
    const QStringList base{QStringLiteral("--program-dir"), program.path(), QStringLiteral("thesaurus")};
    const cli::Result happy = cli::run(base + QStringList{QStringLiteral("HAPPY")});
    ASSERT_EQ(happy.status, 0);
    EXPECT_TRUE(happy.out.startsWith(QStringLiteral("Category blessed (adjective): blessed, blissful,")));
    EXPECT_TRUE(happy.out.contains(QStringLiteral("\nAntonym unhappy (adjective): ")));
    // Meanings of one name are told apart, each with its own synonyms.
    const cli::Result big = cli::run(base + QStringList{QStringLiteral("big")});
    EXPECT_TRUE(big.out.contains(QStringLiteral("\nCategory large (adjective) 2: large, prominent, conspicuous\n")))
        << big.out.toStdString();
    const cli::Result missing = cli::run(base + QStringList{QStringLiteral("hapy"), QStringLiteral("--json")});
    EXPECT_TRUE(missing.out.contains(QStringLiteral("\"suggestions\""))) << missing.out.toStdString();
    EXPECT_EQ(cli::run(base + QStringList{QStringLiteral("colour"), QStringLiteral("--british")}).status, 0);
    EXPECT_EQ(cli::run(base).status, 1);
}

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CliLexicon, CluesFillsMissingCluesWritesTheListAndNamesWordsWithoutSuggestion)
{
    LexiconDir program;
    if (!WordNet::presentIn(program.path()))
        GTEST_SKIP() << "WordNet (Debian wordnet-base) is not installed";
    const QString words = program.file(QStringLiteral("weather.txt"));
    writeText(words, QByteArray("# weather\nRAIN\nSNOW:Kept as it was\nQQXQZZ\nSOLAR SYSTEM\n"));
    const QStringList base{QStringLiteral("--program-dir"), program.path(), QStringLiteral("clues"), words};

    const cli::Result filled = cli::run(base);
    ASSERT_EQ(filled.status, 0) << filled.error.toStdString();
    const QStringList lines = filled.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << filled.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("RAIN:Water falling in drops from vapor condensed in the atmosphere"));
    EXPECT_EQ(lines[1], QStringLiteral("SNOW:Kept as it was"));
    EXPECT_EQ(lines[2], QStringLiteral("QQXQZZ"));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("SOLAR SYSTEM:The sun with"))) << lines[3].toStdString();
    EXPECT_EQ(filled.error, QStringLiteral("no clue suggested for QQXQZZ"));

    // --out writes a list that build reads back; --all gives every suggestion, kept clues or not.
    const QString out = program.file(QStringLiteral("filled.txt"));
    ASSERT_EQ(cli::run(base + QStringList{QStringLiteral("--out"), out}).status, 0);
    EXPECT_EQ(readText(out), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    const cli::Result all = cli::run(base + QStringList{QStringLiteral("--all")});
    EXPECT_GT(all.out.count(QStringLiteral("\nRAIN:")), 0);
    EXPECT_TRUE(all.out.contains(QStringLiteral("\nSNOW:"))) << all.out.toStdString();

    // Another language's synonyms; Dutch and unknown names are refused.
    writeText(words, QByteArray("FELIZ\n"));
    const cli::Result spanish = cli::run(base + QStringList{QStringLiteral("--language"), QStringLiteral("Spanish")});
    EXPECT_TRUE(spanish.out.startsWith(QString::fromUtf8("FELIZ:Sin\u00f3nimo: "))) << spanish.out.toStdString();
    EXPECT_EQ(cli::run(base + QStringList{QStringLiteral("--language"), QStringLiteral("dutch")}).status, 1);
    EXPECT_EQ(cli::run(base + QStringList{QStringLiteral("--language"), QStringLiteral("klingon")}).status, 1);
    // Without the data the command says so. (Links to nothing stand where seeding would link the
    // English thesaurus and WordNet's noun index.)
    TempDir bare;
    for (const char *name : {"thesdbam.cth", "wn-index.noun"})
        ASSERT_TRUE(QFile::link(bare.file(QStringLiteral("nothing")), bare.file(QLatin1String(name))));
    const cli::Result none = cli::run({QStringLiteral("--program-dir"), bare.path(), QStringLiteral("clues"), words});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.error.startsWith(QStringLiteral("no clues can be suggested"))) << none.error.toStdString();
}

} // namespace
