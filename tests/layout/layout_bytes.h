#pragma once
// Writes values into a byte array at offsets taken from the tables of docs/FILE_FORMATS.md, independently of the
// record code under test.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace qx::test {

struct Bytes {
    std::vector<uint8_t> b;

    explicit Bytes(size_t n) : b(n, 0) {}

    // Little-endian, width bytes.
    void le(size_t off, int width, uint64_t v)
    {
        for (int i = 0; i < width; ++i)
            b[off + i] = static_cast<uint8_t>(v >> (8 * i));
    }
    void u8(size_t off, uint8_t v) { b[off] = v; }
    void i16(size_t off, int v) { le(off, 2, static_cast<uint64_t>(v)); }
    void i32(size_t off, int64_t v) { le(off, 4, static_cast<uint64_t>(v)); }
    void f64(size_t off, double v) { le(off, 8, std::bit_cast<uint64_t>(v)); }
    void str(size_t off, const std::string &s)
    {
        b[off] = static_cast<uint8_t>(s.size());
        std::copy(s.begin(), s.end(), b.begin() + off + 1);
    }
};

} // namespace qx::test
