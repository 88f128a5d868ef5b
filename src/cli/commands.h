#pragma once
// The command line's commands, separated from main() so that tests can call them directly.

#include <QString>
#include <QStringList>

namespace qx::cli {

struct Result {
    int status = 0;
    QString out;   // what goes to standard output
    QString error; // one line for standard error
};

Result run(const QStringList &args);

// The usage text, also shown for --help.
QString usage();

} // namespace qx::cli
