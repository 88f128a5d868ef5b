#pragma once
// quorvex-cli clues: suggested clues for a word list, written back as a word list; and the same
// filling of missing clues for build --suggest-clues.

#include "cli/commands.h"
#include "words/create_checks.h"

#include <memory>
#include <optional>
#include <vector>

namespace qx {
class ClueSuggester;
}

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions cluesOptions();
Result cluesCommand(const Options &options);

// A thesaurus by its name ("spanish", any case; "english" is American) or its "Thesaurus" setting
// code.
std::optional<int> thesaurusNamed(const QString &name);

// The suggester of --language NAME (American unless given), or the failure to print: an unknown
// name, Dutch (which has no thesaurus), or data that is not installed.
struct SuggesterChoice {
    std::shared_ptr<const ClueSuggester> suggester;
    Result failure;
};
SuggesterChoice openSuggester(const Options &options);

// Fills each row that has a word and no clue with the word's first suggestion; the words for which
// there was none, in row order.
QStringList fillMissingClues(const ClueSuggester &suggester, std::vector<WordRow> &rows);

} // namespace qx::cli
