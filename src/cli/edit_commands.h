#pragma once
// Commands that change a collection in place: delete and replace one record, add a word by hand to
// a built puzzle. They go through the same record file code as the windows, so a kill at any
// moment leaves the old file or the new one.

#include "cli/commands.h"
#include "cli/options.h"

namespace qx::cli {

// delete COLLECTION N
Result deleteCommand(const Options &o);
// replace COLLECTION N --from OTHER M
Result replaceCommand(const Options &o);
// add-word COLLECTION N --at ROW,COL --across|--down WORD --clue TEXT [--case upper|lower|first]
Result addWordCommand(const Options &o);
AcceptedOptions addWordOptions();

} // namespace qx::cli
