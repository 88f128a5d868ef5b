#include "common/cp1252.h"

#include <array>
#include <unordered_map>

namespace qx::cp1252 {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t decodeByte(uint8_t b)
{
    return (b >= 0x80 && b <= 0x9F) ? High[b - 0x80] : char16_t(b);
}

std::optional<uint8_t> encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<uint8_t>(c);
    static const auto reverse = [] {
        std::unordered_map<char16_t, uint8_t> map;
        for (int i = 0; i < 32; ++i)
            map.emplace(High[i], static_cast<uint8_t>(0x80 + i));
        return map;
    }();
    const auto it = reverse.find(c);
    if (it == reverse.end())
        return std::nullopt;
    return it->second;
}

} // namespace

QString toUnicode(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes)
        out.append(QChar(decodeByte(static_cast<uint8_t>(ch))));
    return out;
}

std::optional<std::string> fromUnicode(const QString &text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        const auto b = encodeChar(ch.unicode());
        if (!b)
            return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

QString firstUnencodable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!encodeChar(text[i].unicode())) {
            // Keep a surrogate pair together so the message shows the whole character.
            if (text[i].isHighSurrogate() && i + 1 < text.size())
                return text.mid(i, 2);
            return QString(text[i]);
        }
    }
    return {};
}

std::string fromUnicodeDropping(const QString &text)
{
    std::string out;
    for (const QChar c : text) {
        if (const auto b = fromUnicode(QString(c)))
            out += *b;
    }
    return out;
}

std::string toUtf8(std::string_view bytes)
{
    return toUnicode(bytes).toStdString();
}

} // namespace qx::cp1252
