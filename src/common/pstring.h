#pragma once
// string[N]: a length byte followed by N bytes of Windows-1252 text. The whole slot is kept, so a
// record read and written back unchanged is byte-identical even where the bytes past the length
// hold leftovers of an older, longer text.

#include "common/byte_fields.h"
#include "common/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qx {

template <int N>
struct PString {
    static constexpr int Capacity = N;
    static constexpr int Size = N + 1;

    std::array<uint8_t, Size> raw{};

    // A damaged length byte above the capacity is read as the capacity.
    int length() const { return std::min<int>(raw[0], N); }
    bool empty() const { return length() == 0; }
    std::string str() const { return std::string(raw.begin() + 1, raw.begin() + 1 + length()); }

    // Stores the text cut to the capacity; the bytes past it stay as they were.
    void set(std::string_view text)
    {
        const auto n = std::min<size_t>(text.size(), N);
        raw[0] = static_cast<uint8_t>(n);
        std::copy_n(text.begin(), n, raw.begin() + 1);
    }

    // Stores the text as every stored text field is: trimmed of blanks, then cut.
    void setTrimmed(std::string_view text) { set(trimSpaces(text)); }

    void clear() { raw[0] = 0; }

    void read(std::span<const uint8_t> b, size_t off) { getBytes(b, off, raw); }
    void write(std::span<uint8_t> b, size_t off) const { putBytes(b, off, raw); }

    friend bool operator==(const PString &, const PString &) = default;
};

} // namespace qx
