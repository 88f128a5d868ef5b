#include "cli/printable.h"

namespace qx::cli {

namespace {

// pathFromNative keeps each byte of a file name that is not UTF-8 as U+DC80..U+DCFF.
constexpr char16_t FirstKeptByte = 0xDC80;
constexpr char16_t LastKeptByte = 0xDCFF;

// Line and paragraph separators end a line for some terminals and readers; the direction marks
// and overrides reorder what follows them on screen. Neither can be typed into a puzzle, but a
// file name may hold them.
bool movesText(char16_t c)
{
    return c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QString hex(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

} // namespace

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += text[i];
            out += text[++i];
        } else if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c < 0x20 || c == 0x7F) {
            out += QStringLiteral("\\x") + hex(c, 2);
        } else if ((c >= 0x80 && c <= 0x9F) || movesText(c)) {
            out += QStringLiteral("\\u") + hex(c, 4);
        } else if (c >= FirstKeptByte && c <= LastKeptByte) {
            out += QStringLiteral("\\x") + hex(c - 0xDC00, 2);
        } else if (QChar::isSurrogate(c)) {
            out += QStringLiteral("\\u") + hex(c, 4);
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QString printableJson(const QString &json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar ch : json) {
        const char16_t c = ch.unicode();
        if (c >= 0x7F && c <= 0x9F)
            out += QStringLiteral("\\u") + hex(c, 4);
        else
            out += ch;
    }
    return out;
}

} // namespace qx::cli
