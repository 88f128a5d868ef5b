#include "common/storable_text.h"

#include "common/cp1252.h"

#include <QObject>

namespace qx {

namespace {

bool storable(char32_t c)
{
    return c <= 0xFFFF && !isControlCharacter(c) &&
           cp1252::fromUnicode(QString(QChar(static_cast<char16_t>(c)))).has_value();
}

// Calls visit(codePoint, position, length) for each character; a lone surrogate is one character.
template <typename Visit>
void forEachCodePoint(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(ch, text[i + 1]), i, 2);
            i += 2;
        } else {
            visit(char32_t(ch.unicode()), i, 1);
            ++i;
        }
    }
}

} // namespace

bool isControlCharacter(char32_t character)
{
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

QString codePointName(char32_t character)
{
    return QStringLiteral("U+%1").arg(QString::number(character, 16).toUpper(), 4, QLatin1Char('0'));
}

bool isControlByte(uint8_t byte)
{
    return isControlCharacter(
        cp1252::toUnicode(std::string_view(reinterpret_cast<const char *>(&byte), 1))[0].unicode());
}

std::optional<uint8_t> firstControlByte(std::string_view bytes)
{
    for (const char ch : bytes) {
        if (isControlByte(static_cast<uint8_t>(ch)))
            return static_cast<uint8_t>(ch);
    }
    return std::nullopt;
}

std::optional<char32_t> firstUnstorable(QStringView text)
{
    std::optional<char32_t> found;
    forEachCodePoint(text, [&](char32_t c, qsizetype, qsizetype) {
        if (!found && !storable(c))
            found = c;
    });
    return found;
}

QString withoutUnstorable(QStringView text)
{
    QString out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c, qsizetype at, qsizetype length) {
        if (storable(c))
            out.append(text.mid(at, length));
    });
    return out;
}

QString refusedCharacterText(char32_t character, StoredTextKind kind)
{
    const QString code = codePointName(character);
    // Controls, format characters and lone surrogates show nothing, so only their code names them.
    const bool hasGlyph = QChar::isPrint(character) && !QChar::isSurrogate(character);
    const QString glyph = hasGlyph ? QString::fromUcs4(&character, 1) : QString();
    switch (kind) {
    case StoredTextKind::ShapeName:
        return hasGlyph ? QObject::tr("The character \"%1\" (%2) cannot be stored in a shape name.").arg(glyph, code)
                        : QObject::tr("The character %1 cannot be stored in a shape name.").arg(code);
    case StoredTextKind::Heading:
        return hasGlyph ? QObject::tr("The character \"%1\" (%2) cannot be used in a heading.").arg(glyph, code)
                        : QObject::tr("The character %1 cannot be used in a heading.").arg(code);
    case StoredTextKind::Puzzle:
        break;
    }
    return hasGlyph ? QObject::tr("The character \"%1\" (%2) cannot be stored in a puzzle.").arg(glyph, code)
                    : QObject::tr("The character %1 cannot be stored in a puzzle.").arg(code);
}

QString cutToLength(const QString &text, int n)
{
    if (text.size() <= n)
        return text;
    qsizetype end = n;
    if (end > 0 && text[end - 1].isHighSurrogate())
        --end;
    return text.left(end);
}

std::string storableBytes(QStringView text)
{
    return cp1252::fromUnicode(withoutUnstorable(text)).value_or(std::string());
}

} // namespace qx
