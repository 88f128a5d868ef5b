#include "words/storable_text.h"

#include "common/cp1252.h"

#include <QList>

namespace qx {

namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

std::optional<RefusedCharacter> firstRefusedCharacter(const QString &text)
{
    for (const char32_t c : text.toUcs4()) {
        if (isControl(c))
            return RefusedCharacter{c, true};
        if (!cp1252::fromUnicode(QString::fromUcs4(&c, 1)))
            return RefusedCharacter{c, false};
    }
    return std::nullopt;
}

QString codePointName(char32_t character)
{
    return QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace qx
