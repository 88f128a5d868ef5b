#include "layout/page_layout.h"

#include "layout/layout_bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace qx;
using namespace qx::test;

namespace {

LayoutObject decodeObject(const std::vector<uint8_t> &b)
{
    return LayoutObject::decode(std::span<const uint8_t, LayoutObject::Size>(b.data(), LayoutObject::Size));
}

std::vector<uint8_t> encodeObject(const LayoutObject &o)
{
    std::vector<uint8_t> out(LayoutObject::Size, 0xEE);
    o.encode(std::span<uint8_t, LayoutObject::Size>(out.data(), LayoutObject::Size));
    return out;
}

PageLayout decodePage(const std::vector<uint8_t> &b)
{
    return PageLayout::decode(std::span<const uint8_t, PageLayout::Size>(b.data(), PageLayout::Size));
}

// An object with a distinct value in every field, written by hand from the table in docs/FILE_FORMATS.md. Decoding
// it checks every offset; encoding it back then checks the encoder against the same table.
std::vector<uint8_t> distinctObjectBytes()
{
    Bytes h(1439);
    struct Field {
        size_t off;
        int width;
        int64_t value;
    };
    const Field numbers[] = {
        {0, 2, 11},     {18, 4, -5},           {22, 4, 20},         {26, 4, 70000},      {30, 4, 400},
        {65, 2, 14},    {67, 4, 0x112233},     {71, 1, 1},          {72, 1, 2},          {73, 1, 3},
        {74, 1, 4},     {106, 2, 6},           {108, 4, 0xFF},      {112, 1, 5},         {113, 1, 6},
        {114, 1, 7},    {115, 1, 8},           {116, 4, 0xFFFFFF},  {120, 4, 0xABCDEF},  {124, 1, 9},
        {125, 4, -3},   {129, 2, 3},           {1132, 1, 10},       {1133, 2, 4},        {1135, 1, 11},
        {1136, 1, 12},  {1137, 1, 13},         {1138, 4, 0x445566}, {1142, 4, 0x778899}, {1146, 1, 14},
        {1147, 2, 300}, {1405, 4, 0xEFBEADDE}, {1409, 2, 7}};
    for (const auto &f : numbers)
        h.le(f.off, f.width, static_cast<uint64_t>(f.value));
    h.str(2, "Bitmap 3");
    h.str(34, "Arial");
    h.str(75, "Courier New");
    std::copy_n("Across:Down", 11, h.b.begin() + 131);
    h.str(1149, "/tmp/pic.bmp");
    std::fill(h.b.begin() + 1411, h.b.end(), 0x42);
    return h.b;
}

} // namespace

TEST(LayoutObjectBytes, EveryFieldLiesAtItsTableOffset)
{
    const auto bytes = distinctObjectBytes();
    const auto o = decodeObject(bytes);
    EXPECT_EQ(o.Kind, 11);
    EXPECT_EQ(o.ObjectLabel.str() + "|" + o.FontName.str() + "|" + o.NumberFontName.str() + "|" + o.BitmapFile.str(),
              "Bitmap 3|Arial|Courier New|/tmp/pic.bmp");
    EXPECT_EQ(o.Bounds, (std::array<int32_t, 4>{-5, 20, 70000, 400}));
    EXPECT_EQ(std::make_tuple(o.FontSize, o.FontColor, o.Bold, o.Italic, o.Underline, o.StrikeOut),
              std::make_tuple(14, 0x112233u, 1, 2, 3, 4));
    EXPECT_EQ(std::make_tuple(o.NumberFontSize, o.NumberFontColor, o.NumberStyle),
              std::make_tuple(6, 0xFFu, std::array<uint8_t, 4>{5, 6, 7, 8}));
    EXPECT_EQ(std::make_tuple(o.SquareColor, o.LineColor, o.NumbersHorizontal, o.LineWidth, o.Alignment),
              std::make_tuple(0xFFFFFFu, 0xABCDEFu, 9, -3, 3));
    EXPECT_EQ(o.text(), "Across:Down");
    EXPECT_EQ(std::make_tuple(o.Transparent, o.Columns, o.Split, o.MakeItFit, o.Filled, o.FillColor),
              std::make_tuple(10, 4, 11, 12, 13, 0x445566u));
    EXPECT_EQ(std::make_tuple(o.BorderColor, o.HasBorder, o.BorderWidth, o.UsedFontSize),
              std::make_tuple(0x778899u, 14, 300, 7));
    EXPECT_EQ(o.Picture, (std::array<uint8_t, 4>{0xDE, 0xAD, 0xBE, 0xEF}));
    EXPECT_EQ(o.Reserved[0] + o.Reserved[27], 0x84);
    EXPECT_EQ(encodeObject(o), bytes);
}

TEST(PageLayoutBytes, HeaderFieldsAndSlotsLieAtTheirTableOffsets)
{
    Bytes h(28868);
    h.str(0, "Daily Page");
    h.str(21, "Custom");
    h.f64(42, 21.59);
    h.f64(50, -0.5);
    h.i16(58, 863);
    h.i16(60, -2);
    h.u8(62, 0);
    h.i16(63, 3);
    h.u8(65, 0);
    h.i16(66, 3);
    for (int i = 0; i < 20; ++i)
        h.u8(68 + i, static_cast<uint8_t>(0xA0 + i));
    const auto object = distinctObjectBytes();
    std::copy(object.begin(), object.end(), h.b.begin() + 88 + 1 * 1439);  // slot 2
    std::copy(object.begin(), object.end(), h.b.begin() + 88 + 19 * 1439); // slot 20, stale

    const auto p = decodePage(h.b);
    EXPECT_EQ(p.LayoutName.str() + "|" + p.PaperName.str(), "Daily Page|Custom");
    EXPECT_EQ(std::make_tuple(p.PageWidth, p.PageHeight, p.LayoutWidth, p.LayoutHeight),
              std::make_tuple(21.59, -0.5, 863, -2));
    EXPECT_EQ(std::make_tuple(p.SizeInInches, p.ObjectCount, p.Portrait, p.DesignZoom), std::make_tuple(0, 3, 0, 3));
    EXPECT_EQ(p.Reserved[19], 0xB3);
    EXPECT_EQ(p.Objects[0], LayoutObject{});
    EXPECT_EQ(p.Objects[1], decodeObject(object));
    EXPECT_EQ(p.Objects[19], decodeObject(object));
    EXPECT_EQ(p.encoded(), h.b);
}

TEST(PageLayoutBytes, AnyBytesWriteBackIdentically)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        auto bytes = patternBytes(28868, seed);
        bytes[63] = static_cast<uint8_t>(seed); // ObjectCount 1..12: the rest are stale slots
        bytes[64] = 0;
        EXPECT_EQ(decodePage(bytes).encoded(), bytes) << "seed " << seed;
    }
}

TEST(LayoutObjectText, EndsAtTheFirstZeroOrAfterAThousandBytes)
{
    auto bytes = patternBytes(1439, 3);
    std::fill(bytes.begin() + 131, bytes.begin() + 1132, 'x');
    auto o = decodeObject(bytes);
    EXPECT_EQ(o.text(), std::string(1000, 'x')) << "no terminating zero in a damaged record";

    o.setText("Across:Down");
    EXPECT_EQ(o.text(), "Across:Down");
    const auto out = encodeObject(o);
    EXPECT_EQ(out[131 + 11], 0);
    EXPECT_EQ(out[131 + 12], 'x') << "bytes after the terminating zero stay as they were";

    o.setText(std::string(1200, 'y'));
    EXPECT_EQ(o.text(), std::string(1000, 'y'));
    EXPECT_EQ(encodeObject(o)[131 + 1000], 0);
}
