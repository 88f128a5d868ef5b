#pragma once
// quorvex-cli build: a word list text file built into a puzzle and appended to a collection,
// checked and stamped exactly as the word list editor and the candidate window do it.

#include "cli/commands.h"
#include "words/create_checks.h"

#include <QByteArrayView>
#include <QChar>

#include <vector>

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions buildOptions();
Result buildCommand(const Options &options);

// The rows of a word list file's text (UTF-8 or Windows-1252, as words/word_list_text.h reads it):
// one "WORD<sep>clue" per line, blank lines and lines starting with '#' skipped, both parts trimmed. A character no
// puzzle text can store (a control character, or one Windows-1252 cannot hold) is refused. The error names the line by
// `fileName`; on an error the rows read so far are left in `rows`.
QString readWordList(QByteArrayView text, QChar sep, const QString &fileName, std::vector<WordRow> &rows);

} // namespace qx::cli
