#pragma once
// The spelling and thesaurus commands as the word list editor and the main window start them:
// the choice of language or thesaurus when the settings say to choose at use time, then the check,
// the lookup or the list maintenance.

#include "common/dialog_look.h"
#include "lexicon/languages.h"
#include "lexicon/spell_check.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"

#include <optional>
#include <vector>

class QWidget;

namespace qx {

struct Settings;
class UiHost;

struct LexiconContext {
    DialogLook look;
    Settings &settings;
    QString programDir;
    LexiconAvailability available;
};

// Checks the rows' words (when checkWords) and clues in the "Dictionary" language, asking for the
// language first when the setting is to choose; replacements are written into the rows.
void runSpellCheck(QWidget *parent, UiHost &host, const LexiconContext &context, std::vector<SpellRow> &rows,
                   bool checkWords);

// Looks the word up in the "Thesaurus" setting's thesaurus, asking which first when the setting is
// to choose; the synonym the user accepted, if any.
std::optional<QString> runThesaurus(QWidget *parent, UiHost &host, const LexiconContext &context, const QString &word);

// Suggests clues for the words, in the language clueThesaurus gives for the settings, and shows them
// in the "Suggest Clues" window; on Accept each clue the user left there replaces clues[i]. False
// when nothing changed: cancelled, Dutch, or no data to suggest from (each told to the user).
bool runClueSuggestions(QWidget *parent, UiHost &host, const LexiconContext &context, const QStringList &words,
                        QStringList &clues);

// Why the "Suggest Clues" command is disabled, for its tool tip; empty when it is not.
QString clueSuggestionsUnavailable(const LexiconAvailability &available);

// Said wherever a thesaurus is chosen: the spelling languages include Dutch, the thesauri do not.
QString noDutchThesaurusNote();

// The maintenance window for a list of the "Dictionary" setting's language (American when the
// language is chosen at check time).
void runDictionaryMaintenance(QWidget *parent, UiHost &host, const LexiconContext &context, UserList list);

} // namespace qx
