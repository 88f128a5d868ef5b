#pragma once
// The command line's options: "--name value" pairs, plain "--flag"s and positional arguments.

#include "cli/commands.h"

#include <QMap>
#include <QStringList>

namespace qx::cli {

struct Options {
    QStringList positional;
    QMap<QString, QString> values;
    QStringList flags;
    QString error; // the first problem found, for one line on stderr
};

Options parseOptions(const QStringList &args, const QStringList &withValue, const QStringList &plain);

inline Result fail(const QString &message)
{
    return Result{1, {}, message};
}

} // namespace qx::cli
