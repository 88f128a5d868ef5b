#pragma once
// quorvex-cli spell and thesaurus: a puzzle's spelling checked as the word list editor checks it,
// and a word looked up as the thesaurus window shows it.

#include "cli/commands.h"

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions spellOptions();
// spell COLLECTION N [--language NAME] [--json]
Result spellCommand(const Options &options);

AcceptedOptions thesaurusOptions();
// thesaurus WORD [--british] [--json]
Result thesaurusCommand(const Options &options);

} // namespace qx::cli
