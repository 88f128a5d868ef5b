#include "layout/page_layout.h"

#include "common/field_coder.h"

#include <algorithm>

namespace qx {

namespace {

// The fields at their offsets (docs/FILE_FORMATS.md), for both directions.
// Every record's list has this form, but the offsets are this record's own: none can stand for another.
template <typename Object, typename Coder>
void objectFields(Object &o, const Coder &c)
{
    c(0, o.Kind);
    c(2, o.ObjectLabel);
    c(18, o.Bounds);
    c(34, o.FontName);
    c(65, o.FontSize);
    c(67, o.FontColor);
    c(71, o.Bold);
    c(72, o.Italic);
    c(73, o.Underline);
    c(74, o.StrikeOut);
    c(75, o.NumberFontName);
    c(106, o.NumberFontSize);
    c(108, o.NumberFontColor);
    c(112, o.NumberStyle);
    c(116, o.SquareColor);
    c(120, o.LineColor);
    c(124, o.NumbersHorizontal);
    c(125, o.LineWidth);
    c(129, o.Alignment);
    c(131, o.TextBytes);
    c(1132, o.Transparent);
    c(1133, o.Columns);
    c(1135, o.Split);
    c(1136, o.MakeItFit);
    c(1137, o.Filled);
    c(1138, o.FillColor);
    c(1142, o.BorderColor);
    c(1146, o.HasBorder);
    c(1147, o.BorderWidth);
    c(1149, o.BitmapFile);
    c(1405, o.Picture);
    c(1409, o.UsedFontSize);
    c(1411, o.Reserved);
    static_assert(1411 + 28 == LayoutObject::Size);
}

// Every object slot, in use or stale, so that the record writes back as it was read. The list has
// the objects' form, but other fields at other offsets: none can stand for another.
template <typename Layout, typename Coder>
void layoutFields(Layout &p, const Coder &c)
{
    c(0, p.LayoutName);
    c(21, p.PaperName);
    c(42, p.PageWidth);
    c(50, p.PageHeight);
    c(58, p.LayoutWidth);
    c(60, p.LayoutHeight);
    c(62, p.SizeInInches);
    c(63, p.ObjectCount);
    c(65, p.Portrait);
    c(66, p.DesignZoom);
    c(68, p.Reserved);
    c(PageLayout::HeaderSize, p.Objects);
    static_assert(68 + 20 == PageLayout::HeaderSize);
    static_assert(PageLayout::HeaderSize + PageLayout::MaxObjects * LayoutObject::Size == PageLayout::Size);
}

constexpr size_t TextCapacity = 1000;

} // namespace

std::string LayoutObject::text() const
{
    const auto end = std::find(TextBytes.begin(), TextBytes.begin() + TextCapacity, uint8_t{0});
    return std::string(TextBytes.begin(), end);
}

void LayoutObject::setText(std::string_view text)
{
    const auto n = std::min(text.size(), TextCapacity);
    std::copy_n(text.begin(), n, TextBytes.begin());
    TextBytes[n] = 0;
}

LayoutObject LayoutObject::decode(std::span<const uint8_t, Size> b)
{
    LayoutObject o;
    objectFields(o, FieldReader(b));
    return o;
}

void LayoutObject::encode(std::span<uint8_t, Size> b) const
{
    objectFields(*this, FieldWriter(b));
}

PageLayout PageLayout::decode(std::span<const uint8_t, Size> b)
{
    PageLayout p;
    layoutFields(p, FieldReader(b));
    return p;
}

void PageLayout::encode(std::span<uint8_t, Size> b) const
{
    layoutFields(*this, FieldWriter(b));
}

std::vector<uint8_t> PageLayout::encoded() const
{
    std::vector<uint8_t> out(Size);
    encode(std::span<uint8_t, Size>(out.data(), Size));
    return out;
}

} // namespace qx
