// quorvex-cli spell and thesaurus: the refused words of a puzzle by row, and a word's meanings.
#include "cli/commands.h"
#include "lexicon/user_word_list.h"
#include "store/collection_file.h"

#include "lexicon/lexicon_data.h"

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

} // namespace
