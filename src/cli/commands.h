#pragma once
// The command line's commands, separated from main() so that tests can call them directly.

#include "store/puzzle_record.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace qx::cli {

struct Result {
    enum class Output {
        Text, // lines that may quote a file: printed with their control characters escaped
        Json, // escaped by JSON's rules
        Own,  // the program's own text, such as the usage, printed as it is
    };

    int status = 0;
    QStringList lines; // text output, one entry a line: run() escapes each whole, so that a line
                       // break inside a name cannot start a line of its own
    QString error;     // one line for standard error
    QString out;       // JSON or the program's own text; after run(), all that goes to stdout
    Output format = Output::Text;
};

struct Command;

// Runs one command line (the arguments after the program's name, as pathFromNative decodes
// them). Whatever a file put into the output or the error comes back escaped (cli/printable.h).
Result run(const QStringList &args);
// The same with commands beside the core's own: quorvex-cli adds printing, which needs the
// printer support the core leaves out.
Result run(const QStringList &args, const std::vector<Command> &more);

// The usage text, also shown for --help.
QString usage();

class Options;

// Puzzle record n of the collection at `path`, or why not, as the command's failure: the file is
// not a regular file or cannot be read, or it holds fewer records.
struct PuzzleRead {
    std::optional<PuzzleRecord> record;
    Result failure;
};
PuzzleRead readPuzzle(const QString &path, int n);

// The program directory (--program-dir, QUORVEX_PROGRAM_DIR or the per-user one), seeded with
// the shipped files it lacks exactly as the windowed program seeds it at start.
QString programDir(const Options &options);

// Whether no file is at the path: nothing there, or a link to nothing. A file one may not read
// is not missing.
bool isMissing(const QString &path);

} // namespace qx::cli
