#pragma once
// Colour values as the stored records and the settings keep them: 32-bit RGB with red in the low
// byte (0x000000FF is red, 0x00FFFFFF white).

#include <QColor>

#include <cstdint>

namespace qx {

inline QColor fromColorValue(uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

inline uint32_t toColorValue(const QColor &color)
{
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

} // namespace qx
