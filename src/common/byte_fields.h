#pragma once
// Little-endian field coding for the stored records. Every record codes each field explicitly at
// its offset; nothing relies on the compiler's struct layout.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace qx {

inline int16_t getI16(std::span<const uint8_t> b, size_t off)
{
    return static_cast<int16_t>(static_cast<uint16_t>(b[off] | (b[off + 1] << 8)));
}

inline int32_t getI32(std::span<const uint8_t> b, size_t off)
{
    return static_cast<int32_t>(static_cast<uint32_t>(b[off]) | (static_cast<uint32_t>(b[off + 1]) << 8) |
                                (static_cast<uint32_t>(b[off + 2]) << 16) | (static_cast<uint32_t>(b[off + 3]) << 24));
}

inline uint32_t getU32(std::span<const uint8_t> b, size_t off)
{
    return static_cast<uint32_t>(getI32(b, off));
}

inline double getF64(std::span<const uint8_t> b, size_t off)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | b[off + i];
    return std::bit_cast<double>(v);
}

inline void putI16(std::span<uint8_t> b, size_t off, int16_t value)
{
    const auto v = static_cast<uint16_t>(value);
    b[off] = static_cast<uint8_t>(v & 0xFF);
    b[off + 1] = static_cast<uint8_t>(v >> 8);
}

inline void putI32(std::span<uint8_t> b, size_t off, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        b[off + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

inline void putU32(std::span<uint8_t> b, size_t off, uint32_t value)
{
    putI32(b, off, static_cast<int32_t>(value));
}

inline void putF64(std::span<uint8_t> b, size_t off, double value)
{
    const auto v = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        b[off + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

template <size_t N>
void getBytes(std::span<const uint8_t> b, size_t off, std::array<uint8_t, N> &out)
{
    std::memcpy(out.data(), b.data() + off, N);
}

template <size_t N>
void putBytes(std::span<uint8_t> b, size_t off, const std::array<uint8_t, N> &in)
{
    std::memcpy(b.data() + off, in.data(), N);
}

} // namespace qx
