#include "layout/page_layout.h"

#include "common/byte_fields.h"

#include <algorithm>

namespace qx {

namespace {

namespace obj {
constexpr size_t Kind = 0;
constexpr size_t ObjectLabel = 2;
constexpr size_t Bounds = 18;
constexpr size_t FontName = 34;
constexpr size_t FontSize = 65;
constexpr size_t FontColor = 67;
constexpr size_t Bold = 71;
constexpr size_t Italic = 72;
constexpr size_t Underline = 73;
constexpr size_t StrikeOut = 74;
constexpr size_t NumberFontName = 75;
constexpr size_t NumberFontSize = 106;
constexpr size_t NumberFontColor = 108;
constexpr size_t NumberStyle = 112;
constexpr size_t SquareColor = 116;
constexpr size_t LineColor = 120;
constexpr size_t NumbersHorizontal = 124;
constexpr size_t LineWidth = 125;
constexpr size_t Alignment = 129;
constexpr size_t Text = 131;
constexpr size_t Transparent = 1132;
constexpr size_t Columns = 1133;
constexpr size_t Split = 1135;
constexpr size_t MakeItFit = 1136;
constexpr size_t Filled = 1137;
constexpr size_t FillColor = 1138;
constexpr size_t BorderColor = 1142;
constexpr size_t HasBorder = 1146;
constexpr size_t BorderWidth = 1147;
constexpr size_t BitmapFile = 1149;
constexpr size_t Picture = 1405;
constexpr size_t UsedFontSize = 1409;
constexpr size_t Reserved = 1411;
static_assert(Reserved + 28 == LayoutObject::Size);
} // namespace obj

namespace page {
constexpr size_t LayoutName = 0;
constexpr size_t PaperName = 21;
constexpr size_t PageWidth = 42;
constexpr size_t PageHeight = 50;
constexpr size_t LayoutWidth = 58;
constexpr size_t LayoutHeight = 60;
constexpr size_t SizeInInches = 62;
constexpr size_t ObjectCount = 63;
constexpr size_t Portrait = 65;
constexpr size_t DesignZoom = 66;
constexpr size_t Reserved = 68;
static_assert(Reserved + 20 == PageLayout::HeaderSize);
static_assert(PageLayout::HeaderSize + PageLayout::MaxObjects * LayoutObject::Size == PageLayout::Size);
} // namespace page

constexpr size_t TextCapacity = 1000;

size_t slotOffset(int index)
{
    return PageLayout::HeaderSize + static_cast<size_t>(index) * LayoutObject::Size;
}

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
    o.Kind = getI16(b, obj::Kind);
    o.ObjectLabel.read(b, obj::ObjectLabel);
    for (size_t i = 0; i < o.Bounds.size(); ++i)
        o.Bounds[i] = getI32(b, obj::Bounds + 4 * i);
    o.FontName.read(b, obj::FontName);
    o.FontSize = getI16(b, obj::FontSize);
    o.FontColor = getU32(b, obj::FontColor);
    o.Bold = b[obj::Bold];
    o.Italic = b[obj::Italic];
    o.Underline = b[obj::Underline];
    o.StrikeOut = b[obj::StrikeOut];
    o.NumberFontName.read(b, obj::NumberFontName);
    o.NumberFontSize = getI16(b, obj::NumberFontSize);
    o.NumberFontColor = getU32(b, obj::NumberFontColor);
    getBytes(b, obj::NumberStyle, o.NumberStyle);
    o.SquareColor = getU32(b, obj::SquareColor);
    o.LineColor = getU32(b, obj::LineColor);
    o.NumbersHorizontal = b[obj::NumbersHorizontal];
    o.LineWidth = getI32(b, obj::LineWidth);
    o.Alignment = getI16(b, obj::Alignment);
    getBytes(b, obj::Text, o.TextBytes);
    o.Transparent = b[obj::Transparent];
    o.Columns = getI16(b, obj::Columns);
    o.Split = b[obj::Split];
    o.MakeItFit = b[obj::MakeItFit];
    o.Filled = b[obj::Filled];
    o.FillColor = getU32(b, obj::FillColor);
    o.BorderColor = getU32(b, obj::BorderColor);
    o.HasBorder = b[obj::HasBorder];
    o.BorderWidth = getI16(b, obj::BorderWidth);
    o.BitmapFile.read(b, obj::BitmapFile);
    getBytes(b, obj::Picture, o.Picture);
    o.UsedFontSize = getI16(b, obj::UsedFontSize);
    getBytes(b, obj::Reserved, o.Reserved);
    return o;
}

void LayoutObject::encode(std::span<uint8_t, Size> b) const
{
    putI16(b, obj::Kind, Kind);
    ObjectLabel.write(b, obj::ObjectLabel);
    for (size_t i = 0; i < Bounds.size(); ++i)
        putI32(b, obj::Bounds + 4 * i, Bounds[i]);
    FontName.write(b, obj::FontName);
    putI16(b, obj::FontSize, FontSize);
    putU32(b, obj::FontColor, FontColor);
    b[obj::Bold] = Bold;
    b[obj::Italic] = Italic;
    b[obj::Underline] = Underline;
    b[obj::StrikeOut] = StrikeOut;
    NumberFontName.write(b, obj::NumberFontName);
    putI16(b, obj::NumberFontSize, NumberFontSize);
    putU32(b, obj::NumberFontColor, NumberFontColor);
    putBytes(b, obj::NumberStyle, NumberStyle);
    putU32(b, obj::SquareColor, SquareColor);
    putU32(b, obj::LineColor, LineColor);
    b[obj::NumbersHorizontal] = NumbersHorizontal;
    putI32(b, obj::LineWidth, LineWidth);
    putI16(b, obj::Alignment, Alignment);
    putBytes(b, obj::Text, TextBytes);
    b[obj::Transparent] = Transparent;
    putI16(b, obj::Columns, Columns);
    b[obj::Split] = Split;
    b[obj::MakeItFit] = MakeItFit;
    b[obj::Filled] = Filled;
    putU32(b, obj::FillColor, FillColor);
    putU32(b, obj::BorderColor, BorderColor);
    b[obj::HasBorder] = HasBorder;
    putI16(b, obj::BorderWidth, BorderWidth);
    BitmapFile.write(b, obj::BitmapFile);
    putBytes(b, obj::Picture, Picture);
    putI16(b, obj::UsedFontSize, UsedFontSize);
    putBytes(b, obj::Reserved, Reserved);
}

PageLayout PageLayout::decode(std::span<const uint8_t, Size> b)
{
    PageLayout p;
    p.LayoutName.read(b, page::LayoutName);
    p.PaperName.read(b, page::PaperName);
    p.PageWidth = getF64(b, page::PageWidth);
    p.PageHeight = getF64(b, page::PageHeight);
    p.LayoutWidth = getI16(b, page::LayoutWidth);
    p.LayoutHeight = getI16(b, page::LayoutHeight);
    p.SizeInInches = b[page::SizeInInches];
    p.ObjectCount = getI16(b, page::ObjectCount);
    p.Portrait = b[page::Portrait];
    p.DesignZoom = getI16(b, page::DesignZoom);
    getBytes(b, page::Reserved, p.Reserved);
    // Every slot, in use or stale, so that the record writes back as it was read.
    for (int k = 0; k < MaxObjects; ++k)
        p.Objects[k] = LayoutObject::decode(b.subspan(slotOffset(k)).first<LayoutObject::Size>());
    return p;
}

void PageLayout::encode(std::span<uint8_t, Size> b) const
{
    LayoutName.write(b, page::LayoutName);
    PaperName.write(b, page::PaperName);
    putF64(b, page::PageWidth, PageWidth);
    putF64(b, page::PageHeight, PageHeight);
    putI16(b, page::LayoutWidth, LayoutWidth);
    putI16(b, page::LayoutHeight, LayoutHeight);
    b[page::SizeInInches] = SizeInInches;
    putI16(b, page::ObjectCount, ObjectCount);
    b[page::Portrait] = Portrait;
    putI16(b, page::DesignZoom, DesignZoom);
    putBytes(b, page::Reserved, Reserved);
    for (int k = 0; k < MaxObjects; ++k)
        Objects[k].encode(b.subspan(slotOffset(k)).first<LayoutObject::Size>());
}

std::vector<uint8_t> PageLayout::encoded() const
{
    std::vector<uint8_t> out(Size);
    encode(std::span<uint8_t, Size>(out.data(), Size));
    return out;
}

} // namespace qx
