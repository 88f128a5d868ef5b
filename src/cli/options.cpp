#include "cli/options.h"

#include <algorithm>

namespace qx::cli {

Options parseOptions(const QStringList &args, const AcceptedOptions &accepted)
{
    Options o;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (optionsEnded || (!a.startsWith(QLatin1String("--")) && a != QLatin1String("-h"))) {
            o.positional << a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (accepted.withValue.contains(a) || a == QLatin1String("--program-dir")) {
            if (i + 1 >= args.size()) {
                o.error = QStringLiteral("%1 needs a value").arg(a);
                return o;
            }
            o.m_values[a] = args[++i];
        } else if (accepted.flags.contains(a)) {
            o.m_flags << a;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.m_flags << QStringLiteral("--help");
        } else {
            o.error = QStringLiteral("unknown option %1").arg(a);
            return o;
        }
    }
    return o;
}

std::optional<int> recordNumber(const QString &text)
{
    if (text.isEmpty() || !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace qx::cli
