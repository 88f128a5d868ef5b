#pragma once
// quorvex-cli render: one puzzle of a collection drawn as its printed page, into a PDF at the
// paper's size or a PNG picture, with the print options given as flags.

#include "cli/commands.h"

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions renderOptions();
Result renderCommand(const Options &options);

} // namespace qx::cli
