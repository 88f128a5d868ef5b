#pragma once
// quorvex-cli render: one puzzle of a collection drawn as its printed page, into a PDF at the
// paper's size or a PNG picture, with the print options given as flags.

#include "cli/commands.h"
#include "render/print_options.h"

#include <optional>

namespace qx::cli {

struct AcceptedOptions;
class Options;

AcceptedOptions renderOptions();
Result renderCommand(const Options &options);

// What render and print share. The puzzle of positional arguments COLLECTION N, built, with the
// page layout of --layout N [--layouts FILE] for this printing only.
PuzzleRead printablePuzzle(const Options &options);
// The print options of the puzzle's layout with --parts, --answer-key, --skeleton and --letters
// applied; none, and why in `error`, for a bad value or a program started without fonts.
std::optional<PrintOptions> pageOptions(const Options &options, const PuzzleRecord &record, QString &error);

} // namespace qx::cli
