#pragma once
// The characters of words: the twelve international characters the function keys type, and the
// word separator characters the printed grid shows.
//
// An international key is kept as the character's Windows-1252 code in decimal, written with four
// digits ("0225" for á). A code written without its leading zero ("225") is the same number.

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace qx {

// The international characters offered: the codes 192..255 (À..ÿ), in code order.
inline constexpr int FirstInternationalCode = 192;
inline constexpr int LastInternationalCode = 255;

// The code a key's stored text holds: its decimal digits read as a number, or none when the text is
// not digits alone or the number is no character (0 or above 255).
std::optional<int> internationalKeyCode(QStringView stored);
// The character a key types, or an empty text when its code is none.
QString internationalKeyCharacter(QStringView stored);
// What is stored for a code: "0" and the code in decimal, cut to four characters.
QString internationalKeyText(int code);

// A letter A..Z in either case is no word separator: it would stand for itself in the grid.
bool isRefusedSeparatorCharacter(QChar c);

} // namespace qx
