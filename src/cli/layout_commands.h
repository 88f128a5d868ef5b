#pragma once
// The page layout library from the command line: a layout read from a library for one rendering,
// and ".PAG" files written and read through the same code as the layout library window.

#include "cli/commands.h"
#include "layout/page_layout.h"

#include <optional>

namespace qx::cli {

// Layout N of the library named by --layouts, else of the program directory's library, for
// "render --layout N"; a failure as the command's one line.
struct LibraryLayout {
    std::optional<PageLayout> layout;
    Result failure;
};
LibraryLayout layoutFromLibrary(const Options &o, const QString &number);

// layout-export LIBRARY N FILE.PAG
Result layoutExportCommand(const Options &o);
// layout-import LIBRARY FILE.PAG
Result layoutImportCommand(const Options &o);

} // namespace qx::cli
