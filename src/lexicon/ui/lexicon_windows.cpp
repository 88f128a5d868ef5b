#include "lexicon/ui/lexicon_windows.h"

#include "common/ui/ui_host.h"
#include "lexicon/clue_suggestions.h"
#include "lexicon/spell_engine.h"
#include "lexicon/ui/clue_suggestions_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "store/settings.h"

#include <QApplication>
#include <QCoreApplication>

namespace qx {

namespace {

// Looked up, and found by lupdate, under the context "qx".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(qx)
};

// The spell check's questions, asked through the program's windows.
class SpellCheckWindows : public SpellCheckUser {
public:
    SpellCheckWindows(QWidget *parent, UiHost &host, const DialogLook &look, int language)
        : m_parent(parent), m_host(host), m_look(look), m_language(Texts::tr(spellLanguage(language).name))
    {
    }

    SpellAnswer refused(const QString &word, const QStringList &suggestions) override
    {
        SpellingSuggestionsDialog dialog(m_look, m_host, m_language, word, suggestions, m_parent);
        m_host.runModal(dialog);
        return dialog.answer();
    }
    void noSuggestions(const QString &word) override
    {
        m_host.message(m_parent, Texts::tr("Notice"),
                       Texts::tr("%1 was not found in the dictionary.  No suggestions could be found.").arg(word),
                       Buttons::Ok);
    }
    void addFailed(const FileError &error) override { m_host.fileError(m_parent, error); }

private:
    QWidget *m_parent;
    UiHost &m_host;
    const DialogLook &m_look;
    QString m_language;
};

QStringList captionsOf(int count, const char *(*caption)(int))
{
    QStringList captions;
    for (int code = 1; code <= count; ++code)
        captions << Texts::tr(caption(code));
    return captions;
}

} // namespace

void runSpellCheck(QWidget *parent, UiHost &host, const LexiconContext &context, std::vector<SpellRow> &rows,
                   bool checkWords)
{
    Settings::Misc &misc = context.settings.misc;
    int language = misc.dictionary;
    if (language == ChooseLanguageAtCheckTime) {
        std::vector<bool> available;
        for (int code = 1; code <= LanguageCount; ++code)
            available.push_back(context.available.language(code));
        LanguageChoiceDialog choose(context.look, Texts::tr("Spell Check"),
                                    captionsOf(LanguageCount, [](int c) { return spellLanguage(c).caption; }),
                                    available, misc.userDictionary, parent);
        if (host.runModal(choose) != QDialog::Accepted)
            return;
        language = choose.chosen();
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto engine = SpellEngine::open(context.programDir, language);
    QApplication::restoreOverrideCursor();
    if (!engine) {
        // A user list that cannot be read is told as it is; anything else is a dictionary file.
        const SpellLanguage &l = spellLanguage(language);
        const QString file = engine.error().path.section(QLatin1Char('/'), -1);
        if (file == QLatin1String(l.includeFile) || file == QLatin1String(l.excludeFile))
            host.fileError(parent, engine.error());
        else
            host.message(parent, Texts::tr("Error"), Texts::tr("Could not find one of the dictionary files."),
                         Buttons::Ok);
        return;
    }
    SpellCheckWindows windows(parent, host, context.look, (*engine)->language());
    switch (spellCheckRows(**engine, rows, checkWords, windows)) {
    case SpellCheckEnd::AllFound:
        host.message(parent, Texts::tr("Spelling Ok"), Texts::tr("All words were found in the dictionary."),
                     Buttons::Ok);
        break;
    case SpellCheckEnd::Aborted:
        host.message(parent, Texts::tr("Spelling Status"), Texts::tr("Spell checking aborted."), Buttons::Ok);
        break;
    case SpellCheckEnd::Complete:
        host.message(parent, Texts::tr("Spelling Status"), Texts::tr("Spell checking complete."), Buttons::Ok);
        break;
    }
}

std::optional<QString> runThesaurus(QWidget *parent, UiHost &host, const LexiconContext &context, const QString &word)
{
    Settings::Misc &misc = context.settings.misc;
    int thesaurus = misc.thesaurus;
    if (thesaurus == ChooseThesaurusAtUseTime) {
        QStringList captions;
        std::vector<bool> available;
        for (int code : ThesaurusCodes) {
            captions << Texts::tr(thesaurusFiles(code).caption);
            available.push_back(context.available.thesaurus(code));
        }
        LanguageChoiceDialog choose(context.look, Texts::tr("Thesaurus"), captions, available, misc.userThesaurus,
                                    parent, {ThesaurusCodes.begin(), ThesaurusCodes.end()}, noDutchThesaurusNote());
        if (host.runModal(choose) != QDialog::Accepted)
            return std::nullopt;
        thesaurus = choose.chosen();
    }
    ThesaurusLookupDialog lookup(context.look, host, context.programDir, thesaurus, word, parent);
    if (host.runModal(lookup) != QDialog::Accepted)
        return std::nullopt;
    return lookup.accepted();
}

QString noDutchThesaurusNote()
{
    return Texts::tr("There is no Dutch thesaurus: Dutch words can be spell checked but not looked up.");
}

QString clueSuggestionsUnavailable(const LexiconAvailability &available)
{
    if (available.wordNet || available.anyThesaurus())
        return {};
    return Texts::tr("Suggested clues need WordNet (the Debian package wordnet-base) or a thesaurus, and neither is "
                     "installed.");
}

bool runClueSuggestions(QWidget *parent, UiHost &host, const LexiconContext &context, const QStringList &words,
                        QStringList &clues)
{
    const Settings::Misc &misc = context.settings.misc;
    const int code = clueThesaurus(misc.dictionary, misc.thesaurus, misc.userThesaurus);
    if (code == 0) {
        host.message(parent, Texts::tr("Suggest Clues"),
                     Texts::tr("There is no Dutch thesaurus, so no clues can be suggested for Dutch words.  Choose "
                               "another thesaurus under Options, Thesaurus Type."),
                     Buttons::Ok);
        return false;
    }
    const bool english = code == 1 || code == 2;
    const QString language = english ? Texts::tr("English") : Texts::tr(thesaurusFiles(code).name);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto suggester = ClueSuggester::open(context.programDir, code);
    std::vector<ClueSuggestionsDialog::Row> rows;
    if (suggester)
        for (qsizetype i = 0; i < words.size(); ++i)
            rows.push_back({words[i], clues.value(i), (*suggester)->suggest(words[i])});
    QApplication::restoreOverrideCursor();
    if (!suggester) {
        host.message(parent, Texts::tr("Suggest Clues"),
                     english
                         ? Texts::tr("No clues can be suggested: neither WordNet (the Debian package wordnet-base) nor "
                                     "the English thesaurus is installed.")
                         : Texts::tr("No clues can be suggested: the %1 thesaurus is not installed.").arg(language),
                     Buttons::Ok);
        return false;
    }
    ClueSuggestionsDialog dialog(context.look, host, language, std::move(rows), parent);
    if (host.runModal(dialog) != QDialog::Accepted)
        return false;
    const QStringList accepted = dialog.clues();
    bool changed = false;
    for (qsizetype i = 0; i < accepted.size() && i < clues.size(); ++i) {
        if (!accepted[i].isEmpty() && accepted[i] != clues[i]) {
            clues[i] = accepted[i];
            changed = true;
        }
    }
    return changed;
}

void runDictionaryMaintenance(QWidget *parent, UiHost &host, const LexiconContext &context, UserList list)
{
    DictionaryMaintenanceDialog dialog(context.look, host, context.programDir,
                                       listLanguage(context.settings.misc.dictionary), list, parent);
    host.runModal(dialog);
}

} // namespace qx
