// Suggested clues: the rules that make a WordNet gloss or a thesaurus term a clue, the WordNet
// reader on a database of our own and on the installed one, and the suggestions in each language.

#include "lexicon/clue_suggestions.h"
#include "lexicon/languages.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/wordnet.h"

#include "lexicon/lexicon_data.h"
#include "lexicon/wordnet_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace qx::test {
namespace {

// Base forms as WordNet's morphology gives them, for the few words the rules' table uses.
QStringList tableBaseForms(const QString &word)
{
    static const std::map<QString, QStringList> forms = {
        {QStringLiteral("rains"), {QStringLiteral("rain")}},  {QStringLiteral("rained"), {QStringLiteral("rain")}},
        {QStringLiteral("geese"), {QStringLiteral("goose")}}, {QStringLiteral("systems"), {QStringLiteral("system")}},
        {QStringLiteral("ran"), {QStringLiteral("run")}},     {QStringLiteral("rules"), {QStringLiteral("rule")}},
    };
    const auto found = forms.find(word);
    return found == forms.end() ? QStringList{word} : found->second;
}

TEST(GlossClue, ExamplesLengthEncodingAndTheAnswersForms)
{
    const QString longGloss = QStringLiteral("a long gloss ") + QStringLiteral("with many words ").repeated(12);
    struct Case {
        const char *answer;
        QString gloss;
        AnswerInClue rule;
        std::optional<QString> clue;
    };
    const auto text = [](const char *utf8) { return std::optional<QString>(QString::fromUtf8(utf8)); };
    const auto L = AnswerInClue::LeaveOut;
    const auto R = AnswerInClue::Replace;
    const Case cases[] = {
        // The part before the first ";", examples dropped, blanks folded, the first letter a capital.
        {"ELATION", QStringLiteral("a feeling of joy; \"she was elated\""), L, text("A feeling of joy")},
        {"SPRINT", QStringLiteral("move \"very\" fast  over a short distance"), L,
         text("Move fast over a short distance")},
        {"MOSS", QStringLiteral("(botany) a small green plant"), L, text("(Botany) a small green plant")},
        {"ECHO", QStringLiteral("\"an example with no gloss\""), L, std::nullopt},
        {"ECHO", QStringLiteral("the sound; \"unclosed example"), L, text("The sound")},
        // The answer itself, in any case, as one of a phrase's words, or a form of it.
        {"RAIN", QStringLiteral("a shower of rain"), L, std::nullopt},
        {"RAIN", QStringLiteral("a shower of Rain and hail"), R, text("A shower of ~ and hail")},
        {"RAIN", QStringLiteral("rain"), R, std::nullopt}, // nothing but the answer is no clue
        {"RAIN", QStringLiteral("it rained all day"), L, std::nullopt},
        {"RAINS", QStringLiteral("water from a rain cloud"), L, std::nullopt},
        {"GEESE", QStringLiteral("the goose is a bird"), L, std::nullopt},
        {"SOLAR SYSTEM", QStringLiteral("the sun and other systems"), L, std::nullopt},
        {"MAN OF WAR", QStringLiteral("a ship of the line"), L, text("A ship of the line")},
        // A stem of five letters or more shared with the answer gives it away; a shorter one does not.
        {"THUNDER", QStringLiteral("the sound of a thunderstorm"), L, std::nullopt},
        {"THUNDER", QStringLiteral("noise from a thunderstorm"), R, text("Noise from a ~")},
        {"SUN", QStringLiteral("a sunny star"), L, text("A sunny star")},
        // The halves of a compound answer, and a word of four letters or more the answer is made from.
        {"SUNSHINE", QStringLiteral("the rays of the sun"), L, std::nullopt},
        {"NOTEBOOK", QStringLiteral("a book with blank pages"), L, std::nullopt},
        {"RULER", QStringLiteral("a person who rules"), R, text("A person who ~")},
        // 150 characters at most, cut at a word boundary.
        {"OTTER", longGloss, L,
         text("A long gloss with many words with many words with many words with many words with "
              "many words with many words with many words with many words with many")},
        // Only what Windows-1252 can hold.
        {"EURO", QString::fromUtf8("the currency (€) of many states"), L, text("The currency (€) of many states")},
        {"ARROW", QString::fromUtf8("a sign → pointing"), L, std::nullopt},
        {"ARROW", QString::fromUtf8("a sign; \"→ in an example\""), L, text("A sign")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.gloss.toStdString());
        const AnswerForms answer(QString::fromUtf8(c.answer), tableBaseForms);
        const auto clue = glossClue(c.gloss, answer, c.rule);
        EXPECT_EQ(clue, c.clue);
        if (clue) {
            EXPECT_LE(clue->size(), MaxSuggestedClueLength);
        }
    }
}

TEST(SynonymClue, LabelledInTheLanguageWithNotesDroppedAndNeverTheAnswer)
{
    struct Case {
        const char *label;
        const char *term;
        const char *answer;
        const char *clue; // nullptr: none
    };
    const Case cases[] = {
        {"Sin\u00f3nimo: ", "feliz", "CONTENTO", "Sin\u00f3nimo: feliz"},
        {"Synonyme : ", "heureux", "CONTENT", "Synonyme : heureux"},
        {"Synonym: ", "liken (engl.)", "MOGEN", "Synonym: liken"},
        {"Synonym: ", "im Jahre (...)", "ANNO", nullptr},
        {"Synonym: ", "was h\u00e4ltst du von ...?", "WIE", nullptr},
        {"Synonym: ", "Glad", "GLAD", nullptr},
        {"Synonym: ", "gladdened", "GLADDEN", nullptr},
        {"Synonym: ", "\u0142\u00f3d\u017a", "BOAT", nullptr}, // Polish letters Windows-1252 lacks
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.term);
        const auto clue = synonymClue(QString::fromUtf8(c.label), QString::fromUtf8(c.term),
                                      AnswerForms(QString::fromUtf8(c.answer), {}));
        EXPECT_EQ(clue, c.clue ? std::optional<QString>(QString::fromUtf8(c.clue)) : std::nullopt);
    }
}

TEST(ClueLanguage, FollowsTheThesaurusOfAnotherLanguageElseTheDictionaryElseTheEnglishThesaurus)
{
    struct Case {
        int dictionary, thesaurus, userThesaurus, clues;
    };
    const Case cases[] = {
        {1, 1, 1, 1}, {2, 2, 1, 2}, {1, 2, 1, 2}, // English: the thesaurus's spelling
        {5, 1, 1, 6},                             // a French dictionary: French clues
        {1, 7, 1, 7}, {5, 7, 1, 7},               // a German thesaurus wins over any dictionary
        {7, 1, 1, 0},                             // Dutch: none
        {8, 3, 1, 8}, {9, 3, 2, 2}, {9, 3, 5, 5}, {0, 0, 0, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(clueThesaurus(c.dictionary, c.thesaurus, c.userThesaurus), c.clues)
            << c.dictionary << " " << c.thesaurus << " " << c.userThesaurus;
    // A thesaurus of another language whose data is missing falls back to American.
    LexiconAvailability available;
    available.thesauri[0] = true;
    available.thesauri[5] = true;
    EXPECT_EQ(availableThesaurus(6, available), 6);
    EXPECT_EQ(availableThesaurus(8, available), 1);
    EXPECT_EQ(availableThesaurus(3, available), 3);
    EXPECT_FALSE(available.thesaurus(3));
}

QStringList glossesOf(const std::vector<WordNet::Sense> &senses)
{
    QStringList out;
    for (const WordNet::Sense &s : senses)
        out << s.gloss.section(QLatin1Char(' '), 0, 2);
    return out;
}

TEST(WordNetReader, FindsSensesByPartInFrequencyOrderThroughBaseFormsAndPhrases)
{
    TempDir dir;
    writeWordNetFiles(dir.path(), weatherWordNet());
    ASSERT_TRUE(WordNet::presentIn(dir.path()));
    const auto opened = WordNet::open(dir.path());
    ASSERT_TRUE(opened.ok());
    const WordNet &wn = **opened;

    // The verb "rain" is the more common part, so it comes first.
    EXPECT_EQ(glossesOf(wn.senses(QStringLiteral("RAIN"))),
              (QStringList{QStringLiteral("precipitate as rain;"), QStringLiteral("water falling in")}));
    EXPECT_EQ(glossesOf(wn.senses(QStringLiteral("clouds"))),
              (QStringList{QStringLiteral("a visible mass"), QStringLiteral("any collection of"),
                           QStringLiteral("make overcast or")}));
    EXPECT_EQ(glossesOf(wn.senses(QStringLiteral("geese"))),
              QStringList{QStringLiteral("web-footed long-necked typically")});
    EXPECT_EQ(wn.senses(QStringLiteral("Solar System")).size(), 1u);
    EXPECT_TRUE(wn.senses(QStringLiteral("drizzle")).empty());
    EXPECT_TRUE(wn.senses(QString()).empty());
    EXPECT_EQ(wn.baseForms(QStringLiteral("rained")), QStringList{QStringLiteral("rain")});
    EXPECT_EQ(wn.baseForms(QStringLiteral("clouding")), QStringList{QStringLiteral("cloud")});
    EXPECT_EQ(wn.baseForms(QStringLiteral("geese")), QStringList{QStringLiteral("goose")});

    // The whole chain: the glosses that name the answer are left out, the rest become clues.
    const ClueSuggester suggester(*opened, nullptr, QStringLiteral("Synonym: "));
    EXPECT_EQ(suggester.suggest(QStringLiteral("RAIN")),
              QStringList{QStringLiteral("Water falling in drops from vapor condensed in the atmosphere")});
    EXPECT_EQ(suggester.suggest(QStringLiteral("CLOUDS")),
              (QStringList{QStringLiteral("A visible mass of water droplets suspended in the air"),
                           QStringLiteral("Any collection of particles that obscures something")}));
}

TEST(WordNetReader, MissingOrDamagedFilesAreRefusedOrFindNothing)
{
    TempDir dir;
    EXPECT_FALSE(WordNet::presentIn(dir.path()));
    EXPECT_FALSE(WordNet::open(dir.path()).ok());
    // Offsets that point nowhere, into the middle of a line, past the end, or at another synset;
    // counts that run past the line; an index out of order.
    WordNet::Files damaged = weatherWordNet();
    damaged.index[WordNet::Noun] += "zebra n 3 0 3 1 00000001 99999999 00000150\nzz n 9 9 1\naardvark n 1 0 1 1 0\n";
    damaged.data[WordNet::Noun].truncate(damaged.data[WordNet::Noun].size() - 40);
    const auto wn = WordNet::fromFiles(damaged);
    EXPECT_TRUE(wn->senses(QStringLiteral("zebra")).empty());
    EXPECT_TRUE(wn->senses(QStringLiteral("zz")).empty());
    (void)wn->senses(QStringLiteral("aardvark"));
    EXPECT_FALSE(wn->senses(QStringLiteral("cloud")).empty());
    const auto empty = WordNet::fromFiles({});
    EXPECT_TRUE(empty->senses(QStringLiteral("cloud")).empty());
    EXPECT_TRUE(empty->baseForms(QStringLiteral("clouds")).isEmpty());
}

TEST(WordNetReader, TheInstalledDatabaseGivesClueWorthyGlosses)
{
    LexiconDir dir;
    if (!WordNet::presentIn(dir.path()))
        GTEST_SKIP() << "WordNet (Debian wordnet-base) is not installed";
    const auto opened = ClueSuggester::open(dir.path(), 1);
    ASSERT_TRUE(opened.ok());
    const QStringList rain = (*opened)->suggest(QStringLiteral("RAIN"));
    ASSERT_FALSE(rain.isEmpty());
    EXPECT_EQ(rain.first(), QStringLiteral("Water falling in drops from vapor condensed in the atmosphere"));
    const QStringList system = (*opened)->suggest(QStringLiteral("SOLAR SYSTEM"));
    ASSERT_FALSE(system.isEmpty());
    EXPECT_TRUE(system.first().startsWith(QStringLiteral("The sun with the celestial bodies")))
        << system.first().toStdString();
    for (const QString &clue : rain + system + (*opened)->suggest(QStringLiteral("THUNDERSTORMS"))) {
        EXPECT_FALSE(clue.contains(QStringLiteral("rain"), Qt::CaseInsensitive)) << clue.toStdString();
        EXPECT_FALSE(clue.contains(QStringLiteral("thunder"), Qt::CaseInsensitive)) << clue.toStdString();
        EXPECT_LE(clue.size(), MaxSuggestedClueLength);
    }
}

TEST(ClueSuggester, EachThesaurusLanguageGivesSynonymCluesInItsOwnWords)
{
    LexiconDir dir;
    struct Case {
        int thesaurus;
        const char *word;
        const char *label;
    };
    const Case cases[] = {
        {4, "FELIZ", "Sin\u00f3nimo: "},    {5, "FELICE", "Sinonimo: "}, {6, "HEUREUX", "Synonyme : "},
        {7, "GL\u00dcCKLICH", "Synonym: "}, {8, "LYCKLIG", "Synonym: "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.word);
        const auto suggester = ClueSuggester::open(dir.path(), c.thesaurus);
        if (!suggester) {
            ADD_FAILURE() << "thesaurus " << c.thesaurus << " is not installed";
            continue;
        }
        const QStringList clues = (*suggester)->suggest(QString::fromUtf8(c.word));
        ASSERT_FALSE(clues.isEmpty());
        EXPECT_LE(clues.size(), ClueSuggester::MaxSynonymClues);
        for (const QString &clue : clues) {
            EXPECT_TRUE(clue.startsWith(QString::fromUtf8(c.label))) << clue.toStdString();
            EXPECT_FALSE(clue.contains(QString::fromUtf8(c.word), Qt::CaseInsensitive)) << clue.toStdString();
        }
    }
    // English without a gloss falls back on the thesaurus; with neither source nothing opens.
    TempDir bare;
    EXPECT_FALSE(ClueSuggester::open(bare.path(), 1).ok());
    EXPECT_FALSE(ClueSuggester::open(bare.path(), 4).ok());
}

} // namespace
} // namespace qx::test
