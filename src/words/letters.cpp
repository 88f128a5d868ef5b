#include "words/letters.h"

#include "common/cp1252.h"

#include <algorithm>

namespace qx {

std::optional<int> internationalKeyCode(QStringView stored)
{
    if (stored.isEmpty() || !std::all_of(stored.begin(), stored.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int code = stored.toInt();
    if (code < 1 || code > 255)
        return std::nullopt;
    return code;
}

QString internationalKeyCharacter(QStringView stored)
{
    const auto code = internationalKeyCode(stored);
    if (!code)
        return {};
    return cp1252::toUnicode(std::string(1, static_cast<char>(*code)));
}

QString internationalKeyText(int code)
{
    return (QLatin1Char('0') + QString::number(code)).left(4);
}

bool isRefusedSeparatorCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

} // namespace qx
