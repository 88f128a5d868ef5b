#pragma once
// quorvex-cli words: a puzzle's words, clues or word and clue pairs written as a word list text
// file, the file the word list editor's "&Export" writes with every entry selected.

#include "cli/commands.h"

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions wordsOptions();
// words COLLECTION N --out FILE --mode words|clues|both [--sep C]
Result wordsCommand(const Options &options);

} // namespace qx::cli
