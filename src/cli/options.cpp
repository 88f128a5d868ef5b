#include "cli/options.h"

namespace qx::cli {

Options parseOptions(const QStringList &args, const QStringList &withValue, const QStringList &plain)
{
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (withValue.contains(a)) {
            if (i + 1 >= args.size()) {
                o.error = QStringLiteral("%1 needs a value").arg(a);
                return o;
            }
            o.values[a] = args[++i];
        } else if (plain.contains(a)) {
            o.flags << a;
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else {
            o.positional << a;
        }
    }
    return o;
}

} // namespace qx::cli
