// The spelling dictionaries of the eight languages, the user's lists over them, and the check of
// a puzzle's words and clues.

#include "lexicon/languages.h"
#include "lexicon/spell_check.h"
#include "lexicon/spell_engine.h"
#include "lexicon/user_word_list.h"

#include "lexicon/lexicon_data.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

namespace qx::test {
namespace {

std::shared_ptr<SpellEngine> openEngine(const QString &dir, int language)
{
    auto engine = SpellEngine::open(dir, language);
    EXPECT_TRUE(engine.ok()) << (engine.ok() ? QString() : engine.error().errorText()).toStdString();
    return engine.ok() ? *engine : nullptr;
}

TEST(SpellEngine, EachLanguageFindsItsDataAndKnowsARightAndAWrongWord)
{
    struct Case {
        int language;
        const char *right;
        const char *wrong;
    };
    const Case cases[] = {
        {1, "color", "recieve"}, {2, "colour", "recieve"}, {3, "ciudad", "ciudadd"}, {4, "città", "cittàà"},
        {5, "été", "maisson"},   {6, "Straße", "Strasee"}, {7, "huis", "huiss"},     {8, "hjärta", "hjärtta"},
    };
    LexiconDir dir;
    const auto available = LexiconAvailability::inProgramDir(dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(spellLanguage(c.language).name);
        EXPECT_TRUE(available.language(c.language));
        const auto engine = openEngine(dir.path(), c.language);
        ASSERT_TRUE(engine);
        EXPECT_TRUE(engine->accepts(QString::fromUtf8(c.right)));
        EXPECT_FALSE(engine->accepts(QString::fromUtf8(c.wrong)));
        EXPECT_FALSE(engine->suggest(QString::fromUtf8(c.wrong)).isEmpty());
    }
    EXPECT_TRUE(available.thesaurus(1));
    EXPECT_TRUE(available.thesaurus(2));
}

TEST(SpellEngine, AMissingDictionaryFileIsCannotOpen)
{
    LexiconDir dir({QStringLiteral("sscefr.tlx")});
    const auto engine = SpellEngine::open(dir.path(), 5);
    ASSERT_FALSE(engine.ok());
    EXPECT_EQ(engine.error().kind, FileError::Kind::CannotOpen);
}

TEST(SpellEngine, UserListsOverrideTheDictionaryInBothDirectionsWhateverTheCase)
{
    LexiconDir dir;
    ASSERT_TRUE(writeUserWordList(dir.file(QStringLiteral("IncEngl.tlx")), {QStringLiteral("Quorvex")}));
    ASSERT_TRUE(writeUserWordList(dir.file(QStringLiteral("ExcEngl.tlx")),
                                  {QStringLiteral("Colour"), QStringLiteral("COLOR")}));
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->accepts(QStringLiteral("QUORVEX")));
    EXPECT_FALSE(engine->accepts(QStringLiteral("color")));
    // An excluded word is never suggested.
    EXPECT_FALSE(engine->suggest(QStringLiteral("colr")).contains(QStringLiteral("color")));
    // Another language's lists do not count.
    EXPECT_FALSE(openEngine(dir.path(), 2)->accepts(QStringLiteral("Quorvex")));
}

TEST(SpellEngine, AddCountsAtOnceAndAFailedWriteKeepsTheOldList)
{
    LexiconDir dir;
    const QString include = dir.file(QStringLiteral("IncEngl.tlx"));
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    EXPECT_FALSE(engine->accepts(QStringLiteral("Zorbleq")));
    ASSERT_TRUE(engine->addToInclude(QStringLiteral("Zorbleq")));
    EXPECT_TRUE(engine->accepts(QStringLiteral("zorbleq")));
    EXPECT_EQ(readUserWordList(include).value(), QStringList{QStringLiteral("Zorbleq")});
    // Adding a word the list holds already changes nothing.
    ASSERT_TRUE(engine->addToInclude(QStringLiteral("ZORBLEQ")));
    EXPECT_EQ(readUserWordList(include).value(), QStringList{QStringLiteral("Zorbleq")});

    const QByteArray before = formatUserWordList({QStringLiteral("Zorbleq")});
    {
        FileSizeLimit limit(4);
        EXPECT_FALSE(engine->addToInclude(QStringLiteral("Quibbleton")));
        EXPECT_FALSE(writeUserWordList(include, {QStringLiteral("Anything")}));
    }
    EXPECT_TRUE(engine->accepts(QStringLiteral("Quibbleton")));
    EXPECT_EQ(readRegularFile(include, 1000).value(), before);
}

TEST(UserWordList, ReadsOneWordALineAndWritesUtf8)
{
    EXPECT_EQ(parseUserWordList("one\r\n  two \n\n\nthr\xc3\xa9\xc3\xa9"),
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QString::fromUtf8("thréé")}));
    EXPECT_EQ(parseUserWordList("bad\xff"), QStringList{QString::fromUtf8("bad\xef\xbf\xbd")});
    EXPECT_EQ(formatUserWordList({QString::fromUtf8("café"), QStringLiteral("x")}), QByteArray("caf\xc3\xa9\nx\n"));
    TempDir dir;
    const QString path = dir.file(QStringLiteral("IncEngl.tlx"));
    EXPECT_EQ(readUserWordList(path).value(), QStringList());
    ASSERT_TRUE(writeUserWordList(path, {}));
    EXPECT_EQ(fileSize(path), 0);
    EXPECT_FALSE(readUserWordList(dir.path()).ok()); // a folder is not a list
}

TEST(Languages, SettingsNamingMissingDataFallBack)
{
    struct Case {
        int dictionarySetting;
        int thesaurusSetting;
        std::vector<int> present; // languages (and, for 1 and 2, thesauri) whose data is there
        int dictionary;
        int thesaurus;
    };
    const Case cases[] = {
        {5, 2, {1, 2, 3, 4, 6, 7, 8}, 1, 2}, // French missing: American
        {5, 2, {2}, 0, 2},                   // ... and American missing too: none
        {1, 1, {}, 0, 0},
        {9, 3, {}, 9, 3},     // choosing at use time stays
        {3, 2, {1}, 1, 1},    // Spanish and British missing: American
        {2, 2, {1, 2}, 2, 2}, // everything there
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dictionarySetting);
        LexiconAvailability available;
        for (int code : c.present) {
            available.languages[size_t(code - 1)] = true;
            if (code <= 2)
                available.thesauri[size_t(code - 1)] = true;
        }
        EXPECT_EQ(availableDictionary(c.dictionarySetting, available), c.dictionary);
        EXPECT_EQ(availableThesaurus(c.thesaurusSetting, available), c.thesaurus);
    }
    EXPECT_STREQ(spellLanguage(listLanguage(9)).includeFile, "IncEngl.tlx");
    EXPECT_STREQ(spellLanguage(listLanguage(5)).excludeFile, "ExcFrnch.tlx");
}

TEST(CluePieces, PunctuationAndBlanksCutAClueAndARebuiltClueHasOneBlankAfterEachPiece)
{
    struct Case {
        const char *clue;
        QStringList pieces;
        const char *rebuilt;
    };
    const Case cases[] = {
        {"Hello, world", {"Hello", ",", "", "world"}, "Hello ,  world"},
        {"a(b)c", {"a", "(", "b", ")", "c"}, "a ( b ) c"},
        {"two  blanks", {"two", "", "blanks"}, "two  blanks"},
        {"end.", {"end", ".", ""}, "end ."},
        {"", {""}, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.clue);
        const QStringList pieces = cluePieces(QString::fromUtf8(c.clue));
        EXPECT_EQ(pieces, c.pieces);
        EXPECT_EQ(rebuildClue(pieces), QString::fromUtf8(c.rebuilt));
    }
    EXPECT_EQ(pieceWord(QStringLiteral("-x-")), QStringLiteral("x"));
}

// Answers every refused word from a script and records what it was shown.
struct ScriptedSpeller : SpellCheckUser {
    std::vector<SpellAnswer> answers;
    QStringList refusedWords;
    QStringList withoutSuggestions;
    int failures = 0;

    SpellAnswer refused(const QString &word, const QStringList &suggestions) override
    {
        refusedWords << word;
        EXPECT_FALSE(suggestions.isEmpty());
        if (answers.empty())
            return {};
        const SpellAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void noSuggestions(const QString &word) override { withoutSuggestions << word; }
    void addFailed(const FileError &) override { ++failures; }
};

TEST(SpellCheck, WalksWordsThenCluesAndWritesReplacementsBack)
{
    LexiconDir dir;
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    std::vector<SpellRow> rows = {{QStringLiteral(" recieve "), QStringLiteral("To get, as  a recieve gift.")},
                                  {QStringLiteral("house"), QStringLiteral("Where one lives")}};
    ScriptedSpeller user;
    user.answers = {{SpellChoice::Replace, QStringLiteral("receive")},
                    {SpellChoice::Replace, QStringLiteral("received")}};
    EXPECT_EQ(spellCheckRows(*engine, rows, true, user), SpellCheckEnd::Complete);
    EXPECT_EQ(user.refusedWords, (QStringList{QStringLiteral("recieve"), QStringLiteral("recieve")}));
    EXPECT_EQ(rows[0].word, QStringLiteral("receive"));
    EXPECT_EQ(rows[0].clue, QStringLiteral("To get ,  as  a received gift ."));
    EXPECT_EQ(rows[1].clue, QStringLiteral("Where one lives"));

    // A clue without a replacement is left exactly as typed; all right means AllFound.
    std::vector<SpellRow> right = {{QStringLiteral("house"), QStringLiteral("Where one lives, mostly.")}};
    EXPECT_EQ(spellCheckRows(*engine, right, true, user), SpellCheckEnd::AllFound);
    EXPECT_EQ(right[0].clue, QStringLiteral("Where one lives, mostly."));
}

TEST(SpellCheck, ABuiltPuzzlesWordsAreNotCheckedAndAbortStopsAtOnce)
{
    LexiconDir dir;
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    std::vector<SpellRow> rows = {{QStringLiteral("xqzrecieve"), QStringLiteral("fine")},
                                  {QStringLiteral("x"), QStringLiteral("wrnog and recieve")}};
    ScriptedSpeller user;
    user.answers = {{SpellChoice::Abort, {}}};
    EXPECT_EQ(spellCheckRows(*engine, rows, false, user), SpellCheckEnd::Aborted);
    EXPECT_EQ(user.refusedWords, QStringList{QStringLiteral("wrnog")});
    EXPECT_EQ(rows[1].clue, QStringLiteral("wrnog and recieve"));
}

TEST(SpellCheck, AddTakesEffectInTheRunningCheck)
{
    LexiconDir dir;
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    std::vector<SpellRow> rows = {{QString(), QStringLiteral("Zorbleq meets zorbleq")},
                                  {QString(), QStringLiteral("ZORBLEQ again")}};
    ScriptedSpeller user;
    user.answers = {{SpellChoice::Add, {}}};
    EXPECT_EQ(spellCheckRows(*engine, rows, true, user), SpellCheckEnd::Complete);
    EXPECT_EQ(user.refusedWords.size() + user.withoutSuggestions.size(), 1);
    EXPECT_EQ(readUserWordList(dir.file(QStringLiteral("IncEngl.tlx"))).value(),
              QStringList{QStringLiteral("Zorbleq")});
}

TEST(SpellCheck, AClueOfManyShortPiecesIsCheckedPieceByPiece)
{
    LexiconDir dir;
    const auto engine = openEngine(dir.path(), 1);
    ASSERT_TRUE(engine);
    // 60 pieces of right words and punctuation, more than the 50 a fixed table would hold.
    QString clue;
    for (int i = 0; i < 30; ++i)
        clue += QStringLiteral("a,");
    ASSERT_EQ(cluePieces(clue).size(), 61);
    std::vector<SpellRow> rows = {{QString(), clue}};
    ScriptedSpeller user;
    EXPECT_EQ(spellCheckRows(*engine, rows, true, user), SpellCheckEnd::AllFound);
    // A wrong word near the end is found alone and replaced alone.
    rows[0].clue = clue + QStringLiteral("recieve a");
    user.answers = {{SpellChoice::Replace, QStringLiteral("receive")}};
    EXPECT_EQ(spellCheckRows(*engine, rows, true, user), SpellCheckEnd::Complete);
    EXPECT_EQ(user.refusedWords, QStringList{QStringLiteral("recieve")});
    EXPECT_TRUE(rows[0].clue.endsWith(QStringLiteral(", receive a")));
}

} // namespace
} // namespace qx::test
