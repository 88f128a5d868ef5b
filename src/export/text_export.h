#pragma once
// The clue and word lists of a puzzle as a plain text file: "ACROSS", a line per across word, an
// empty line, "DOWN", a line per down word up to the last placed one. Each line is the word's clue
// number, ". " and its clue (or the word itself). Texts stay Windows-1252 bytes.

#include "store/puzzle_record.h"

#include <QString>

#include <string>

namespace qx {

enum class TextExportKind { Clues, Words };

std::string exportText(const PuzzleRecord &record, TextExportKind kind);

// Writes the text to a new file; false when the file cannot be created or written.
bool writeExportText(const QString &path, const PuzzleRecord &record, TextExportKind kind);

} // namespace qx
