#pragma once
// Byte-text helpers shared by every stored text: trimming, number reading, the copy naming rule.
// Texts are std::string holding Windows-1252 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace qx {

// Removes trailing, then leading spaces; only the space character (0x20) counts.
std::string trimSpaces(std::string_view text);

// Reads a whole number from the start of a text: blanks, an optional sign, then decimal digits or
// "$" and hexadecimal digits. Reading stops at the first other character and the value read so far
// counts (no digits give 0); the minus sign takes effect only when the whole text is a valid
// number. Values beyond the 32-bit range saturate.
int32_t readNumber(std::string_view text);

// Names a copy: Name -> Name (2), Name (n) -> Name (n+1), cut to the capacity.
std::string copyName(std::string_view name, int capacity);

} // namespace qx
