#pragma once
// quorvex-cli print: one puzzle's page on a printer, through the same printer code as the
// preview's Print, for scripts and for testing printing end to end.

#include "cli/options.h"

namespace qx::cli {

// The print command for the command table of quorvex-cli.
Command printCommand();

} // namespace qx::cli
