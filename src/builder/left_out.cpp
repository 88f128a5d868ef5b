#include "builder/left_out.h"

#include "common/cp1252.h"

#include <QObject>

namespace qx {

QString leftOutText(const LeftOut &leftOut, const PuzzleRecord &candidate)
{
    switch (leftOut.reason) {
    case LeftOutReason::None:
        return {};
    case LeftOutReason::LongerThanRuns:
        return QObject::tr("Longer than any row or column of the shape.");
    case LeftOutReason::NoCommonLetter:
        return QObject::tr("No letter in common with the words placed.");
    case LeftOutReason::Blocked:
        if (leftOut.blocker >= 0 && leftOut.blocker < MaxWords)
            return QObject::tr("Every position crossing a placed word is blocked; the first by \"%1\".")
                .arg(cp1252::toUnicode(candidate.Words[static_cast<size_t>(leftOut.blocker)].str()));
        return QObject::tr("Every position crossing a placed word is blocked; the first by the edge of the shape.");
    case LeftOutReason::NotTried:
        return QObject::tr("Not tried: the attempt stopped early.");
    }
    return {};
}

} // namespace qx
