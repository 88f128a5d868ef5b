#include "lexicon/ui/lexicon_windows.h"

#include "common/ui/ui_host.h"
#include "lexicon/spell_engine.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spelling_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "store/settings.h"

#include <QApplication>
#include <QCoreApplication>

namespace qx {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("qx::LexiconWindows", text);
}

// The spell check's questions, asked through the program's windows.
class SpellCheckWindows : public SpellCheckUser {
public:
    SpellCheckWindows(QWidget *parent, UiHost &host, const DialogLook &look, int language)
        : m_parent(parent), m_host(host), m_look(look), m_language(tr(spellLanguage(language).name))
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
        m_host.message(m_parent, tr("Notice"),
                       word + tr(" was not found in the dictionary.  No suggestions could be found."), Buttons::Ok);
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
        captions << tr(caption(code));
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
        LanguageChoiceDialog choose(context.look, tr("Spell Check"),
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
            host.message(parent, tr("Error"), tr("Could not find one of the dictionary files."), Buttons::Ok);
        return;
    }
    SpellCheckWindows windows(parent, host, context.look, (*engine)->language());
    switch (spellCheckRows(**engine, rows, checkWords, windows)) {
    case SpellCheckEnd::AllFound:
        host.message(parent, tr("Spelling Ok"), tr("All words were found in the dictionary."), Buttons::Ok);
        break;
    case SpellCheckEnd::Aborted:
        host.message(parent, tr("Spelling Status"), tr("Spell checking aborted."), Buttons::Ok);
        break;
    case SpellCheckEnd::Complete:
        host.message(parent, tr("Spelling Status"), tr("Spell checking complete."), Buttons::Ok);
        break;
    }
}

std::optional<QString> runThesaurus(QWidget *parent, UiHost &host, const LexiconContext &context, const QString &word)
{
    Settings::Misc &misc = context.settings.misc;
    int thesaurus = misc.thesaurus;
    if (thesaurus == ChooseThesaurusAtUseTime) {
        LanguageChoiceDialog choose(
            context.look, tr("Thesaurus"), captionsOf(2, [](int c) { return thesaurusFiles(c).caption; }),
            {context.available.thesaurus(1), context.available.thesaurus(2)}, misc.userThesaurus, parent);
        if (host.runModal(choose) != QDialog::Accepted)
            return std::nullopt;
        thesaurus = choose.chosen();
    }
    ThesaurusLookupDialog lookup(context.look, host, context.programDir, thesaurus, word, parent);
    if (host.runModal(lookup) != QDialog::Accepted)
        return std::nullopt;
    return lookup.accepted();
}

void runDictionaryMaintenance(QWidget *parent, UiHost &host, const LexiconContext &context, UserList list)
{
    DictionaryMaintenanceDialog dialog(context.look, host, context.programDir,
                                       listLanguage(context.settings.misc.dictionary), list, parent);
    host.runModal(dialog);
}

} // namespace qx
