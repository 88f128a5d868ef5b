#pragma once
// One list of a record's fields serves both directions. A record names each field at its offset
// once, in a function template run with a FieldReader to decode and with a FieldWriter to
// encode, so that decoding and encoding cannot disagree on an offset or forget a field. The field
// lists of the records look alike because the records do; each is its record's own table.

#include "common/byte_fields.h"
#include "common/pstring.h"

#include <array>
#include <cstdint>
#include <span>

namespace qx {

// The bytes a field takes in a record: a record's or a text's Size, else the integer's width.
template <typename T>
constexpr size_t storedSize()
{
    if constexpr (requires { T::Size; })
        return static_cast<size_t>(T::Size);
    else
        return sizeof(T);
}

// A record stored inside another, coded by its own decode and encode.
template <typename T>
concept NestedRecord = requires(std::span<const uint8_t, storedSize<T>()> bytes)
{
    T::decode(bytes);
};

class FieldReader {
public:
    explicit FieldReader(std::span<const uint8_t> bytes) : m_b(bytes) {}

    void operator()(size_t off, uint8_t &v) const { v = m_b[off]; }
    void operator()(size_t off, int16_t &v) const { v = getI16(m_b, off); }
    void operator()(size_t off, int32_t &v) const { v = getI32(m_b, off); }
    void operator()(size_t off, uint32_t &v) const { v = getU32(m_b, off); }
    void operator()(size_t off, double &v) const { v = getF64(m_b, off); }
    template <int N>
    void operator()(size_t off, PString<N> &v) const
    {
        v.read(m_b, off);
    }
    template <size_t N>
    void operator()(size_t off, std::array<uint8_t, N> &v) const
    {
        getBytes(m_b, off, v);
    }
    template <NestedRecord R>
    void operator()(size_t off, R &v) const
    {
        v = R::decode(m_b.subspan(off).template first<storedSize<R>()>());
    }
    // Entries of one kind one after another.
    template <typename T, size_t N>
    void operator()(size_t off, std::array<T, N> &v) const
    {
        for (size_t k = 0; k < N; ++k)
            (*this)(off + k * storedSize<T>(), v[k]);
    }

private:
    std::span<const uint8_t> m_b;
};

class FieldWriter {
public:
    explicit FieldWriter(std::span<uint8_t> bytes) : m_b(bytes) {}

    void operator()(size_t off, uint8_t v) const { m_b[off] = v; }
    void operator()(size_t off, int16_t v) const { putI16(m_b, off, v); }
    void operator()(size_t off, int32_t v) const { putI32(m_b, off, v); }
    void operator()(size_t off, uint32_t v) const { putU32(m_b, off, v); }
    void operator()(size_t off, double v) const { putF64(m_b, off, v); }
    template <int N>
    void operator()(size_t off, const PString<N> &v) const
    {
        v.write(m_b, off);
    }
    template <size_t N>
    void operator()(size_t off, const std::array<uint8_t, N> &v) const
    {
        putBytes(m_b, off, v);
    }
    template <NestedRecord R>
    void operator()(size_t off, const R &v) const
    {
        v.encode(m_b.subspan(off).template first<storedSize<R>()>());
    }
    template <typename T, size_t N>
    void operator()(size_t off, const std::array<T, N> &v) const
    {
        for (size_t k = 0; k < N; ++k)
            (*this)(off + k * storedSize<T>(), v[k]);
    }

private:
    std::span<uint8_t> m_b;
};

} // namespace qx
