#include "common/storable_text.h"

#include "common/cp1252.h"

#include <QObject>

#include <unicode/uchar.h>

#include <utility>

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

QString characterName(char32_t character)
{
    // Unicode gives the controls no names of their own; these are the ones a file may hold.
    static constexpr std::pair<char32_t, const char *> Controls[] = {
        {0x00, "NULL"},       {0x07, "BELL"},
        {0x08, "BACKSPACE"},  {0x09, "CHARACTER TABULATION"},
        {0x0A, "LINE FEED"},  {0x0B, "LINE TABULATION"},
        {0x0C, "FORM FEED"},  {0x0D, "CARRIAGE RETURN"},
        {0x1A, "SUBSTITUTE"}, {0x1B, "ESCAPE"},
        {0x7F, "DELETE"},     {0x85, "NEXT LINE"},
    };
    QString name;
    for (const auto &[code, controlName] : Controls) {
        if (code == character)
            name = QString::fromLatin1(controlName);
    }
    if (name.isEmpty() && !isControlCharacter(character)) {
        char buffer[128];
        UErrorCode error = U_ZERO_ERROR;
        const int32_t length = u_charName(static_cast<UChar32>(character), U_UNICODE_CHAR_NAME, buffer,
                                          static_cast<int32_t>(sizeof buffer), &error);
        if (U_SUCCESS(error) && length > 0 && length < static_cast<int32_t>(sizeof buffer))
            name = QString::fromLatin1(buffer, length);
    }
    const QString code = codePointName(character);
    return name.isEmpty() ? code : code + QLatin1Char(' ') + name;
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

QString breaksAsSpaces(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF after it makes the one space
        const bool space = c == u'\r' || c == u'\n' || c == u'\t' || c == 0x2028 || c == 0x2029;
        out.append(space ? QChar(u' ') : text[i]);
    }
    return out;
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
