#pragma once
// The command line's commands, separated from main() so that tests can call them directly.

#include <QString>
#include <QStringList>

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

// Runs one command line (the arguments after the program's name, as pathFromNative decodes
// them). Whatever a file put into the output or the error comes back escaped (cli/printable.h).
Result run(const QStringList &args);

// The usage text, also shown for --help.
QString usage();

class Options;

// The program directory (--program-dir, QUORVEX_PROGRAM_DIR or the per-user one), seeded with
// the shipped files it lacks exactly as the windowed program seeds it at start.
QString programDir(const Options &options);

// Whether no file is at the path: nothing there, or a link to nothing. A file one may not read
// is not missing.
bool isMissing(const QString &path);

} // namespace qx::cli
