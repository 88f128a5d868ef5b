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

// The maintenance window for a list of the "Dictionary" setting's language (American when the
// language is chosen at check time).
void runDictionaryMaintenance(QWidget *parent, UiHost &host, const LexiconContext &context, UserList list);

} // namespace qx
