#pragma once
// quorvex-cli build: a word list text file built into a puzzle and appended to a collection,
// checked and stamped exactly as the word list editor and the candidate window do it.

#include "cli/commands.h"

namespace qx::cli {

Result buildCommand(const QStringList &args);

} // namespace qx::cli
