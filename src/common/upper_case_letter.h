#pragma once
// The program's capital-letter mapping, used when words go into a grid and when grids are
// printed: a..z and the Windows-1252 accented small letters become capitals; everything else,
// the division sign 0xF7 and y-diaeresis 0xFF included, stays as it is.

#include <cstdint>

namespace qx {

constexpr uint8_t UpperCaseLetter(uint8_t c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xF6) || (c >= 0xF8 && c <= 0xFE))
        return static_cast<uint8_t>(c - 0x20);
    return c;
}

} // namespace qx
