// The spelling and thesaurus windows through the scripted host: the check as the editor runs it,
// the choice at use time, the suggestions, the user list maintenance and the lookup.

#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/lexicon_windows.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "lexicon/user_word_list.h"
#include "store/settings.h"
#include "words/ui/word_grid.h"
#include "words/ui/word_list_editor.h"

#include "lexicon/lexicon_data.h"
#include "support/program_fixture.h"
#include "support/scripted_ui_host.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace qx::test {
namespace {

void click(QWidget *window, const char *name)
{
    auto *button = window->findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    button->click();
}

struct LexiconScene {
    LexiconDir dir;
    ScriptedUiHost host;
    Settings settings = Settings::defaults(QString());
    LexiconContext context()
    {
        return {DialogLook{}, settings, dir.path(), LexiconAvailability::inProgramDir(dir.path())};
    }

    std::vector<ShownMessage> messages() const { return host.messages(); }
    QString lastMessage() const { return host.messages().empty() ? QString() : host.messages().back().text; }
};

TEST(SpellCheckWindows, ChoosingTheLanguageRunsTheCheckThereAndKeepsChoosing)
{
    LexiconScene s;
    s.settings.misc.dictionary = 9;
    s.settings.misc.userDictionary = 1;
    s.host.onModal([](QDialog &d) {
        auto &choose = dynamic_cast<LanguageChoiceDialog &>(d);
        EXPECT_EQ(choose.windowTitle(), QStringLiteral("Spell Check"));
        EXPECT_TRUE(choose.choiceButton(1)->isChecked());
        choose.choiceButton(2)->click();
        click(&choose, "OkButton");
        return d.result();
    });
    s.host.onModal([](QDialog &d) {
        auto &suggest = dynamic_cast<SpellingSuggestionsDialog &>(d);
        EXPECT_EQ(suggest.notice()->text(), QStringLiteral("The following word was not found in the British "
                                                           "dictionary.  Suggestions are listed below."));
        EXPECT_EQ(suggest.suggestionList()->currentRow(), 0);
        click(&suggest, "ReplaceButton");
        return d.result();
    });
    std::vector<SpellRow> rows = {{QStringLiteral("color"), QStringLiteral("A colour")}};
    runSpellCheck(nullptr, s.host, s.context(), rows, true);
    EXPECT_EQ(rows[0].word, QStringLiteral("colour"));
    EXPECT_EQ(s.settings.misc.dictionary, 9);
    EXPECT_EQ(s.settings.misc.userDictionary, 2);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].caption, QStringLiteral("Spelling Status"));
    EXPECT_EQ(s.lastMessage(), QStringLiteral("Spell checking complete."));

    // Cancel checks nothing.
    s.host.clear();
    s.host.onModal([](QDialog &d) {
        click(&d, "CancelButton");
        return d.result();
    });
    runSpellCheck(nullptr, s.host, s.context(), rows, true);
    EXPECT_TRUE(s.messages().empty());
}

TEST(SpellCheckWindows, TheClosingMessagesAndTheNoticeForAWordWithoutSuggestions)
{
    struct Case {
        QString clue;
        SpellChoice choice;
        QString caption;
        QString text;
    };
    const Case cases[] = {
        {QStringLiteral("All right here"), SpellChoice::Ignore, QStringLiteral("Spelling Ok"),
         QStringLiteral("All words were found in the dictionary.")},
        {QStringLiteral("recieve it"), SpellChoice::Abort, QStringLiteral("Spelling Status"),
         QStringLiteral("Spell checking aborted.")},
        {QStringLiteral("recieve it"), SpellChoice::Ignore, QStringLiteral("Spelling Status"),
         QStringLiteral("Spell checking complete.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        LexiconScene s;
        s.host.onModal([&c](QDialog &d) {
            click(&d, c.choice == SpellChoice::Abort ? "AbortButton" : "IgnoreButton");
            return d.result();
        });
        std::vector<SpellRow> rows = {{QString(), c.clue}};
        runSpellCheck(nullptr, s.host, s.context(), rows, true);
        ASSERT_FALSE(s.messages().empty());
        EXPECT_EQ(s.messages().back().caption, c.caption);
        EXPECT_EQ(s.lastMessage(), c.text);
    }
    LexiconScene s;
    std::vector<SpellRow> rows = {{QString(), QStringLiteral("qqqqzzzzxxxxjjjj")}};
    runSpellCheck(nullptr, s.host, s.context(), rows, true);
    ASSERT_EQ(s.messages().size(), 2u);
    EXPECT_EQ(s.messages()[0].caption, QStringLiteral("Notice"));
    EXPECT_EQ(s.messages()[0].text,
              QStringLiteral("qqqqzzzzxxxxjjjj was not found in the dictionary.  No suggestions could be found."));
}

TEST(SpellCheckWindows, AMissingDictionaryFileStopsTheCheckWithItsMessage)
{
    LexiconScene s;
    QFile::remove(s.dir.file(QStringLiteral("sscefr.tlx")));
    s.settings.misc.dictionary = 5;
    std::vector<SpellRow> rows = {{QString(), QStringLiteral("recieve")}};
    runSpellCheck(nullptr, s.host, s.context(), rows, true);
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_EQ(s.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(s.lastMessage(), QStringLiteral("Could not find one of the dictionary files."));
}

TEST(SpellCheckWindows, ReplaceWithoutASelectedSuggestionIsRefusedAndTheDialogStays)
{
    ScriptedUiHost host;
    SpellingSuggestionsDialog dialog(DialogLook{}, host, QStringLiteral("American"), QStringLiteral("recieve"),
                                     {QStringLiteral("receive")});
    dialog.suggestionList()->clearSelection();
    dialog.replaceWord();
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text,
              QStringLiteral("No replacement word has been selected.  Please choose a replacement first."));
    EXPECT_EQ(dialog.result(), 0);
    dialog.suggestionList()->setCurrentRow(0);
    dialog.replaceWord();
    EXPECT_EQ(dialog.answer().choice, SpellChoice::Replace);
    EXPECT_EQ(dialog.answer().replacement, QStringLiteral("receive"));
}

TEST(DictionaryMaintenance, EditsTheListOfTheLanguageAndWritesItOnOkOnly)
{
    LexiconDir dir;
    const QString path = dir.file(QStringLiteral("ExcGerm.tlx"));
    ASSERT_TRUE(writeUserWordList(path, {QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("drei")}));
    ScriptedUiHost host;
    {
        DictionaryMaintenanceDialog dialog(DialogLook{}, host, dir.path(), 6, UserList::Exclude);
        dialog.show();
        EXPECT_EQ(dialog.headLabel()->text(),
                  QStringLiteral("These words will be excluded from the  German dictionary and will be invalid."));
        EXPECT_EQ(dialog.theList()->currentRow(), 0);
        dialog.theList()->setCurrentRow(2);
        dialog.deleteWord();
        EXPECT_EQ(dialog.theList()->currentRow(), 1);
        for (const QString &typed : {QString(), QStringLiteral("   "), QStringLiteral("  vier ")}) {
            dialog.addInfo()->setText(typed);
            dialog.addWord();
            EXPECT_TRUE(dialog.addInfo()->text().isEmpty());
        }
        dialog.reject();
    }
    EXPECT_EQ(readUserWordList(path)->size(), 3);
    {
        DictionaryMaintenanceDialog dialog(DialogLook{}, host, dir.path(), 6, UserList::Exclude);
        dialog.show();
        dialog.theList()->setCurrentRow(2);
        dialog.deleteWord();
        dialog.addInfo()->setText(QStringLiteral("  vier "));
        dialog.addWord();
        dialog.acceptEntries();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(readUserWordList(path).value(),
              (QStringList{QStringLiteral("eins"), QStringLiteral("zwei"), QStringLiteral("vier")}));

    // An empty list on OK leaves an empty file; the include list has its own heading.
    DictionaryMaintenanceDialog include(DialogLook{}, host, dir.path(), 9, UserList::Include);
    include.show();
    EXPECT_EQ(include.headLabel()->text(),
              QStringLiteral("These words will be added to the American dictionary and counted as valid."));
    EXPECT_EQ(include.theList()->currentRow(), -1);
    include.acceptEntries();
    EXPECT_EQ(fileSize(dir.file(QStringLiteral("IncEngl.tlx"))), 0);
    EXPECT_TRUE(host.messages().empty());
}

TEST(ThesaurusWindows, ChoosingAtUseTimeLooksUpAndKeepsTheSetting)
{
    LexiconScene s;
    s.settings.misc.thesaurus = 3;
    s.host.onModal([](QDialog &d) {
        auto &choose = dynamic_cast<LanguageChoiceDialog &>(d);
        EXPECT_EQ(choose.windowTitle(), QStringLiteral("Thesaurus"));
        choose.choiceButton(2)->click();
        click(&choose, "OkButton");
        return d.result();
    });
    s.host.onModal([](QDialog &d) {
        auto &lookup = dynamic_cast<ThesaurusLookupDialog &>(d);
        lookup.show();
        EXPECT_EQ(lookup.wordBox()->text(), QStringLiteral("HAPPY"));
        EXPECT_GT(lookup.categoryList()->count(), 1);
        EXPECT_EQ(lookup.categoryList()->currentRow(), 0);
        EXPECT_TRUE(lookup.acceptButton()->isEnabled());
        // A click on the antonym loads its synonyms and leaves no category selected.
        if (lookup.antonymList()->count() == 0) {
            ADD_FAILURE() << "no antonym";
            return 0;
        }
        QListWidgetItem *antonym = lookup.antonymList()->item(0);
        antonym->setSelected(true);
        emit lookup.antonymList()->itemClicked(antonym);
        EXPECT_TRUE(lookup.categoryList()->selectedItems().isEmpty());
        EXPECT_GT(lookup.synonymList()->count(), 0);
        lookup.synonymList()->setCurrentRow(0);
        lookup.useChosenWord();
        return d.result();
    });
    const auto accepted = runThesaurus(nullptr, s.host, s.context(), QStringLiteral(" HAPPY "));
    ASSERT_TRUE(accepted);
    EXPECT_FALSE(accepted->isEmpty());
    EXPECT_EQ(s.settings.misc.thesaurus, 3);
    EXPECT_EQ(s.settings.misc.userThesaurus, 2);
    EXPECT_TRUE(s.messages().empty());
}

TEST(ThesaurusWindows, TheLookupsMessages)
{
    LexiconScene s;
    {
        ThesaurusLookupDialog lookup(DialogLook{}, s.host, s.dir.path(), 1, QStringLiteral("qqxqzzq"));
        lookup.show();
        lookup.synonymList()->clearSelection();
        lookup.useChosenWord();
        lookup.suggestWords();
    }
    QFile::remove(s.dir.file(QStringLiteral("thesdbam.idx")));
    {
        ThesaurusLookupDialog lookup(DialogLook{}, s.host, s.dir.path(), 1, QStringLiteral("happy"));
        lookup.show();
    }
    const std::pair<const char *, const char *> expected[] = {
        {"Warning", "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."},
        {"Error", "No replacement word has been selected.  Please choose a replacement first."},
        {"Error", "No suggestions found for the word qqxqzzq."},
        {"Error", "Could not find the Thesaurus file."},
        {"Warning", "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."},
    };
    ASSERT_EQ(s.messages().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(s.messages()[i].caption, QLatin1String(expected[i].first));
        EXPECT_EQ(s.messages()[i].text, QString::fromUtf8(expected[i].second));
    }
}

TEST(ThesaurusWindows, SuggestOffersNearWordsAndLooksTheChosenOneUp)
{
    LexiconScene s;
    ThesaurusLookupDialog lookup(DialogLook{}, s.host, s.dir.path(), 1, QStringLiteral("hapy"));
    lookup.show();
    s.host.onModal([](QDialog &d) {
        auto &words = dynamic_cast<WordSuggestionsDialog &>(d);
        EXPECT_EQ(words.windowTitle(), QStringLiteral("Word Suggestions"));
        // The nearest words first, in the index's order among equals.
        const auto found = words.suggestionList()->findItems(QStringLiteral("happy"), Qt::MatchExactly);
        EXPECT_EQ(words.chosen(), QStringLiteral("hap"));
        if (!found.isEmpty())
            words.suggestionList()->setCurrentItem(found.first());
        d.accept();
        return d.result();
    });
    lookup.suggestWords();
    EXPECT_EQ(lookup.wordBox()->text(), QStringLiteral("happy"));
    EXPECT_GT(lookup.categoryList()->count(), 0);
    // A double click on a synonym looks that word up.
    QListWidgetItem *synonym = lookup.synonymList()->item(0);
    const QString word = synonym->text();
    lookup.acceptSynonym(synonym);
    EXPECT_EQ(lookup.wordBox()->text(), word);
}

// The editor's buttons, with and without the data, and what they write into the grid.
TEST(LexiconInTheEditor, ButtonsFollowTheDataAndAnAcceptedSynonymBecomesTheClue)
{
    {
        Program bare;
        EXPECT_FALSE(bare.window->findChild<QAction *>(QStringLiteral("MenuAddToDictionary"))->isEnabled());
        EXPECT_FALSE(bare.window->findChild<QAction *>(QStringLiteral("MenuDictionary2"))->isEnabled());
        EXPECT_TRUE(bare.window->findChild<QAction *>(QStringLiteral("MenuDictionary9"))->isEnabled());
        EXPECT_EQ(bare.session.settings.misc.dictionary, 0);
        EXPECT_EQ(bare.session.settings.misc.thesaurus, 0);
        bare.host.onModal([](QDialog &d) {
            auto &editor = dynamic_cast<WordListEditor &>(d);
            EXPECT_FALSE(editor.button(QStringLiteral("SpellClue"))->isEnabled());
            EXPECT_FALSE(editor.button(QStringLiteral("Thes"))->isEnabled());
            // Without WordNet or a thesaurus, suggested clues are off and say why.
            EXPECT_FALSE(editor.button(QStringLiteral("SuggestClues"))->isEnabled());
            EXPECT_TRUE(
                editor.button(QStringLiteral("SuggestClues"))->toolTip().contains(QStringLiteral("wordnet-base")));
            return int(QDialog::Rejected);
        });
        bare.window->findChild<QAction *>(QStringLiteral("MenuNewPuzzle"))->trigger();
    }
    Program p(shippedDataDir());
    EXPECT_TRUE(p.window->findChild<QAction *>(QStringLiteral("MenuAddToDictionary"))->isEnabled());
    EXPECT_TRUE(p.window->findChild<QAction *>(QStringLiteral("MenuThesaurus2"))->isEnabled());
    // The other languages' thesauri follow as codes 4..8; the note on Dutch cannot be chosen.
    EXPECT_TRUE(p.window->findChild<QAction *>(QStringLiteral("MenuThesaurus7"))->isEnabled());
    EXPECT_FALSE(p.window->findChild<QAction *>(QStringLiteral("MenuThesaurusNoDutch"))->isEnabled());
    p.host.onModal([&p](QDialog &d) {
        auto &editor = dynamic_cast<WordListEditor &>(d);
        editor.show();
        WordGrid *grid = editor.wordsCluesGrid();
        grid->item(0, WordGrid::WordColumn)->setText(QStringLiteral("happy"));
        grid->item(0, WordGrid::ClueColumn)->setText(QStringLiteral("Old clue"));
        grid->item(1, WordGrid::WordColumn)->setText(QStringLiteral("recieve"));
        grid->setCurrentCell(0, WordGrid::WordColumn);
        p.host.onModal([](QDialog &l) {
            auto &lookup = dynamic_cast<ThesaurusLookupDialog &>(l);
            lookup.show();
            lookup.synonymList()->setCurrentRow(1);
            lookup.useChosenWord();
            return l.result();
        });
        editor.button(QStringLiteral("Thes"))->click();
        EXPECT_EQ(grid->text(0, WordGrid::WordColumn), QStringLiteral("happy"));
        EXPECT_NE(grid->text(0, WordGrid::ClueColumn), QStringLiteral("Old clue"));
        EXPECT_FALSE(grid->text(0, WordGrid::ClueColumn).isEmpty());

        p.host.onModal([](QDialog &r) {
            auto &suggest = dynamic_cast<SpellingSuggestionsDialog &>(r);
            suggest.suggestionList()->setCurrentRow(0);
            suggest.replaceWord();
            return r.result();
        });
        p.host.onModal([](QDialog &r) {
            click(&r, "IgnoreButton");
            return r.result();
        });
        editor.button(QStringLiteral("SpellClue"))->click();
        EXPECT_EQ(grid->text(1, WordGrid::WordColumn), QStringLiteral("receive"));
        return int(QDialog::Rejected);
    });
    p.window->findChild<QAction *>(QStringLiteral("MenuNewPuzzle"))->trigger();
}

// With "Dictionary" 5 and no French data, the setting falls back to American and French is disabled.
TEST(LexiconAtStartUp, SettingsNamingMissingDataFallBackAndTheirItemsAreDisabled)
{
    TempDir startup;
    TempDir program;
    linkLexiconData(program.path(), {QStringLiteral("sscefr1.clx"), QStringLiteral("thesdbbr.cth")});
    QFile ini(startup.file(QStringLiteral("QXMOR3.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Misc]\r\nDictionary=5\r\nThesaurus=2\r\n");
    ini.close();
    ScriptedUiHost host;
    Session session;
    StartupOptions options;
    options.programDir = program.path();
    options.startupDir = startup.path();
    auto window = startUp(options, session, host);
    EXPECT_EQ(session.settings.misc.dictionary, 1);
    EXPECT_EQ(session.settings.misc.thesaurus, 1);
    EXPECT_FALSE(window->findChild<QAction *>(QStringLiteral("MenuDictionary5"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction *>(QStringLiteral("MenuDictionary1"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction *>(QStringLiteral("MenuThesaurus2"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction *>(QStringLiteral("MenuThesaurus1"))->isChecked());
}

} // namespace
} // namespace qx::test
