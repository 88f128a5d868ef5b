#pragma once
// Commands that change a collection in place: delete and replace one record. They go through the
// same record file code as the windows, so a kill at any moment leaves the old file or the new one.

#include "cli/commands.h"

namespace qx::cli {

// delete COLLECTION N
Result deleteCommand(const Options &o);
// replace COLLECTION N --from OTHER M
Result replaceCommand(const Options &o);

} // namespace qx::cli
