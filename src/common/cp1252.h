#pragma once
// Windows-1252, the code page of every stored text. Conversion happens only at the edge of the user
// interface and of the command line; records keep bytes.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace qx::cp1252 {

// Every byte has a character: the five bytes Windows-1252 leaves undefined map to the C1 control
// of the same value, so that any stored text converts and converts back unchanged.
QString toUnicode(std::string_view bytes);

// Empty when the text holds a character Windows-1252 cannot hold.
std::optional<std::string> fromUnicode(const QString &text);

// The text in Windows-1252 with every character it cannot hold left out: for texts typed or set
// elsewhere that go into a record, where a character that cannot be stored is dropped rather than
// refusing the whole text.
std::string fromUnicodeDropping(const QString &text);

// The first character of the text that Windows-1252 cannot hold, or an empty text.
QString firstUnencodable(const QString &text);

std::string toUtf8(std::string_view bytes);

} // namespace qx::cp1252
