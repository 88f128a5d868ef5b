#pragma once
// A page layout: where each printed element of a puzzle page stands and how it looks. One fixed
// record of 28,868 bytes, kept in the layout library and copied whole into every puzzle.

#include "common/pstring.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qx {

enum class ObjectKind : int16_t {
    Title = 1,
    Puzzle = 2,
    DownHeading = 3,
    AcrossHeading = 4,
    DownClues = 5,
    AcrossClues = 6,
    WordList = 7,
    BonusQuestion = 8,
    CombinedClues = 9,
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};

// Colour values are 32-bit RGB with red in the low byte (0x000000FF is red).
using ColorValue = uint32_t;

struct LayoutObject {
    static constexpr int Size = 1439;

    int16_t Kind = 0;
    PString<15> ObjectLabel;
    std::array<int32_t, 4> Bounds{}; // left, top, right, bottom in layout units
    PString<30> FontName;
    int16_t FontSize = 0;
    ColorValue FontColor = 0;
    uint8_t Bold = 0;
    uint8_t Italic = 0;
    uint8_t Underline = 0;
    uint8_t StrikeOut = 0;
    PString<30> NumberFontName;
    int16_t NumberFontSize = 0;
    ColorValue NumberFontColor = 0;
    std::array<uint8_t, 4> NumberStyle{}; // bold, italic, underline, strikeout
    ColorValue SquareColor = 0;
    ColorValue LineColor = 0;
    uint8_t NumbersHorizontal = 0;
    int32_t LineWidth = 0;
    int16_t Alignment = 0;                 // 1 left, 2 centre, 3 right
    std::array<uint8_t, 1001> TextBytes{}; // zero-terminated, up to 1,000 characters
    uint8_t Transparent = 0;
    int16_t Columns = 0;
    uint8_t Split = 0;
    uint8_t MakeItFit = 0;
    uint8_t Filled = 0;
    ColorValue FillColor = 0;
    ColorValue BorderColor = 0;
    uint8_t HasBorder = 0;
    int16_t BorderWidth = 0;
    PString<255> BitmapFile;
    std::array<uint8_t, 4> Picture{}; // meaningless on disk; kept as read
    int16_t UsedFontSize = 0;
    std::array<uint8_t, 28> Reserved{};

    // The text up to its terminating zero (or 1,000 bytes when a damaged record has none).
    std::string text() const;
    // Stores the text cut to 1,000 bytes with its terminating zero; later bytes stay.
    void setText(std::string_view text);

    static LayoutObject decode(std::span<const uint8_t, Size> bytes);
    void encode(std::span<uint8_t, Size> out) const;

    friend bool operator==(const LayoutObject &, const LayoutObject &) = default;
};

struct PageLayout {
    static constexpr int Size = 28868;
    static constexpr int HeaderSize = 88;
    static constexpr int MaxObjects = 20;

    PString<20> LayoutName;
    PString<20> PaperName;
    double PageWidth = 0;
    double PageHeight = 0;
    int16_t LayoutWidth = 0;
    int16_t LayoutHeight = 0;
    uint8_t SizeInInches = 1;
    int16_t ObjectCount = 0;
    uint8_t Portrait = 1;
    int16_t DesignZoom = 0;
    std::array<uint8_t, 20> Reserved{};
    std::array<LayoutObject, MaxObjects> Objects{}; // slot k is Objects[k - 1]

    // ObjectCount clamped to 0..20: the slots every reader may use.
    int objectsInUse() const { return ObjectCount < 0 ? 0 : (ObjectCount > MaxObjects ? MaxObjects : ObjectCount); }

    static PageLayout decode(std::span<const uint8_t, Size> bytes);
    void encode(std::span<uint8_t, Size> out) const;
    // The whole record as stored, for a file.
    std::vector<uint8_t> encoded() const;

    friend bool operator==(const PageLayout &, const PageLayout &) = default;
};

} // namespace qx
