#pragma once
// The command line's one option parser: "--name VALUE" options, plain "--flag"s and positional
// arguments, in any order. "--" ends the options, so that a file named "--x" can still be given.

#include "cli/commands.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <optional>

namespace qx::cli {

// What one command accepts besides its positional arguments.
struct AcceptedOptions {
    QStringList withValue; // "--shape", "--into", ...
    QStringList flags;     // "--json", "--shrink", ...
};

class Options;

// One command: its name, the options it takes and what it does.
struct Command {
    const char *name;
    AcceptedOptions options;
    std::function<Result(const Options &)> run;
};

class Options {
public:
    QStringList positional;
    QString error; // the first problem found, for one line on stderr

    bool flag(const QString &name) const { return m_flags.contains(name); }
    bool has(const QString &name) const { return m_values.contains(name); }
    QString value(const QString &name, const QString &fallback = {}) const { return m_values.value(name, fallback); }

    friend Options parseOptions(const QStringList &args, const AcceptedOptions &accepted);

private:
    QMap<QString, QString> m_values; // the last one given counts
    QStringList m_flags;
};

// Every command also takes --program-dir DIR and --help.
Options parseOptions(const QStringList &args, const AcceptedOptions &accepted);

// A record or shape number: a whole number from 0 up, written without blanks or sign.
std::optional<int> recordNumber(const QString &text);

inline Result fail(const QString &message)
{
    Result r;
    r.status = 1;
    r.error = message;
    return r;
}

} // namespace qx::cli
