#include "layout/layout_defaults.h"
#include "layout/layout_units.h"

#include "layout/layout_bytes.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace qx;
using namespace qx::test;

namespace {

constexpr size_t slot(int k)
{
    return 88 + static_cast<size_t>(k - 1) * 1439;
}

// One object of the built-in default written by hand from its table: the values all six share,
// then the slot's own.
void defaultObject(Bytes &h, int k, int kind, const std::string &label, std::array<int, 4> bounds, uint32_t fill)
{
    const size_t o = slot(k);
    h.i16(o + 0, kind);
    h.str(o + 2, label);
    for (int i = 0; i < 4; ++i)
        h.i32(o + 18 + 4 * i, bounds[i]);
    h.str(o + 34, "Arial");
    h.i16(o + 65, 12);
    h.i16(o + 129, 2);     // centred
    h.u8(o + 1132, 1);     // transparent
    h.u8(o + 1136, 1);     // make it fit
    h.i32(o + 1138, fill); // fill colour
    h.i16(o + 1147, 1);    // border width
}

PageLayout layoutWith(std::initializer_list<ObjectKind> kinds, int staleTextObjects = 0)
{
    PageLayout p = newLayout(2);
    int k = 0;
    for (auto kind : kinds)
        p.Objects[k++].Kind = static_cast<int16_t>(kind);
    p.ObjectCount = static_cast<int16_t>(k);
    for (int i = 0; i < staleTextObjects; ++i)
        p.Objects[k + i].Kind = static_cast<int16_t>(ObjectKind::Text);
    return p;
}

} // namespace

TEST(BuiltInDefaultLayout, HasExactlyTheBytesOfItsTable)
{
    Bytes h(28868);
    h.str(0, "New Page");
    h.str(21, "Letter");
    h.f64(42, 8.5);
    h.f64(50, 11);
    h.i16(58, 408);
    h.i16(60, 528);
    h.u8(62, 1);
    h.i16(63, 6);
    h.u8(65, 1);
    h.i16(66, 1);
    defaultObject(h, 1, 1, "Title", {48, 48, 360, 72}, 0x00FFFFFF);
    defaultObject(h, 2, 2, "Puzzle", {96, 76, 312, 292}, 0);
    h.str(slot(2) + 75, "Arial"); // number font
    h.i16(slot(2) + 106, 5);
    h.i32(slot(2) + 116, 0x00FFFFFF); // squares
    h.u8(slot(2) + 124, 1);           // numbers on one line
    h.i32(slot(2) + 125, 1);          // line width
    defaultObject(h, 3, 4, "Across Header", {48, 297, 192, 312}, 0x00FFFFFF);
    defaultObject(h, 4, 3, "Down Header", {216, 297, 360, 312}, 0x00FFFFFF);
    defaultObject(h, 5, 6, "Across Clues", {48, 316, 192, 484}, 0x00FFFFFF);
    h.i16(slot(5) + 1133, 1);
    defaultObject(h, 6, 5, "Down Clues", {216, 316, 360, 484}, 0x00FFFFFF);
    h.i16(slot(6) + 1133, 1);

    const auto bytes = builtInDefaultLayout().encoded();
    ASSERT_EQ(bytes.size(), h.b.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], h.b[i]) << "byte " << i << ", slot " << (i < 88 ? 0 : (i - 88) / 1439 + 1);
}

TEST(NewLayout, IsAnEmptyLetterPageInInchesSizedForTheZoom)
{
    const auto p = newLayout(2);
    EXPECT_EQ(p.LayoutName.str() + "/" + p.PaperName.str(), "New Page/Letter");
    EXPECT_EQ(std::make_tuple(p.PageWidth, p.PageHeight, p.SizeInInches, p.Portrait, p.ObjectCount),
              std::make_tuple(8.5, 11.0, 1, 1, 0));
    EXPECT_EQ(std::make_tuple(p.DesignZoom, p.LayoutWidth, p.LayoutHeight), std::make_tuple(2, 612, 792));
    EXPECT_EQ(newLayout(3).LayoutHeight, 1056);
}

TEST(NewLayoutObject, TakesTheValuesEveryNewObjectStartsWith)
{
    const auto o = newLayoutObject(ObjectKind::WordList, 10, 20, newLayout(2), 2, {});
    EXPECT_EQ(o.Kind, 7);
    EXPECT_EQ(o.ObjectLabel.str(), "Words");
    EXPECT_EQ(o.Bounds, (std::array<int32_t, 4>{10, 20, 154, 236}));
    EXPECT_EQ(o.FontName.str() + "/" + o.NumberFontName.str(), "Arial/Arial");
    EXPECT_EQ(std::make_tuple(o.FontSize, o.NumberFontSize, o.LineWidth, o.Alignment, o.Columns, o.BorderWidth),
              std::make_tuple(10, 5, 1, 1, 1, 1));
    EXPECT_EQ(std::make_tuple(o.FontColor, o.NumberFontColor, o.SquareColor, o.LineColor, o.FillColor, o.BorderColor),
              std::make_tuple(0u, 0u, 0x00FFFFFFu, 0u, 0x00FFFFFFu, 0u));
    EXPECT_EQ(std::make_tuple(o.Bold, o.Italic, o.Underline, o.StrikeOut, o.NumberStyle),
              std::make_tuple(0, 0, 0, 0, std::array<uint8_t, 4>{}));
    EXPECT_EQ(std::make_tuple(o.NumbersHorizontal, o.Transparent, o.Split, o.MakeItFit, o.Filled, o.HasBorder),
              std::make_tuple(1, 1, 0, 1, 0, 1));
    EXPECT_EQ(o.text(), "");
    EXPECT_TRUE(o.BitmapFile.empty());
}

TEST(NewLayoutObject, KindsDifferInAlignmentTextTransparencyColumnsFillAndBorder)
{
    const auto layout = newLayout(2);
    auto make = [&](ObjectKind kind, const HeadingTexts &headings = {}) {
        return newLayoutObject(kind, 0, 0, layout, 2, headings);
    };
    EXPECT_EQ(make(ObjectKind::Title).Alignment, 2);
    EXPECT_EQ(make(ObjectKind::DownHeading).Alignment, 2);
    EXPECT_EQ(make(ObjectKind::BonusQuestion).Alignment, 1);
    EXPECT_EQ(make(ObjectKind::CombinedClues).text(), "Across:Down");
    EXPECT_EQ(make(ObjectKind::AcrossHeading).text() + "/" + make(ObjectKind::DownHeading).text(), "Across/Down");
    EXPECT_EQ(make(ObjectKind::AcrossHeading, {"Horiz", "Vert"}).text(), "Horiz");
    EXPECT_EQ(make(ObjectKind::DownHeading, {"Horiz", "Vert"}).text(), "Vert");
    EXPECT_EQ(make(ObjectKind::Puzzle).Transparent + make(ObjectKind::Bitmap).Transparent, 0);
    EXPECT_EQ(make(ObjectKind::CombinedClues).Columns, 2);
    EXPECT_EQ(make(ObjectKind::Puzzle).FillColor, 0u);
    EXPECT_EQ(make(ObjectKind::Bitmap).HasBorder, 0);
}

TEST(NewLayoutObject, SizeDependsOnTheKindUnitAndZoomWithFractionsDropped)
{
    const auto inches = newLayout(2);
    auto cm = newLayout(2);
    cm.SizeInInches = 0;
    auto corner = [](ObjectKind kind, const PageLayout &p, int zoom) {
        const auto b = newLayoutObject(kind, 100, 50, p, zoom, {}).Bounds;
        return std::make_pair(b[2], b[3]);
    };
    EXPECT_EQ(corner(ObjectKind::Title, inches, 2), std::make_pair(244, 68)); // 2 by 0.25 inch at 72
    EXPECT_EQ(corner(ObjectKind::Title, cm, 2), std::make_pair(160, 57));     // 0.25 cm at 30 is 7
    EXPECT_EQ(corner(ObjectKind::Puzzle, inches, 1), std::make_pair(244, 194));
    EXPECT_EQ(corner(ObjectKind::BonusQuestion, inches, 3), std::make_pair(484, 74));
    EXPECT_EQ(corner(ObjectKind::CombinedClues, cm, 3), std::make_pair(260, 170));
    EXPECT_EQ(corner(ObjectKind::Circle, cm, 1), std::make_pair(140, 90));
}

TEST(NewObjectLabel, NumbersObjectsOfTheSameKindAmongTheSlotsInUse)
{
    const auto layout = layoutWith({ObjectKind::Text, ObjectKind::Rectangle, ObjectKind::Text, ObjectKind::Title},
                                   /*staleTextObjects=*/3);
    EXPECT_EQ(newObjectLabel(ObjectKind::Text, layout), "Text 3");
    EXPECT_EQ(newObjectLabel(ObjectKind::Rectangle, layout), "Rectangle 2");
    EXPECT_EQ(newObjectLabel(ObjectKind::Bitmap, layout), "Bitmap 1");
    EXPECT_EQ(newObjectLabel(ObjectKind::AcrossHeading, layout), "Across Header");
    EXPECT_EQ(newObjectLabel(ObjectKind::BonusQuestion, layout), "Bonus Question");
}

TEST(CanAddKind, EnforcesOnceNotWithAndTheTwentyObjectLimit)
{
    EXPECT_EQ(canAddKind(newLayout(2), ObjectKind::CombinedClues), AddCheck::Allowed);
    EXPECT_EQ(canAddKind(newLayout(2), static_cast<ObjectKind>(14)), AddCheck::NotAKind);

    const auto separate = layoutWith({ObjectKind::Title, ObjectKind::DownClues, ObjectKind::Text});
    EXPECT_EQ(canAddKind(separate, ObjectKind::Title), AddCheck::AlreadyPresent);
    EXPECT_EQ(canAddKind(separate, ObjectKind::AcrossClues), AddCheck::Allowed);
    EXPECT_EQ(canAddKind(separate, ObjectKind::CombinedClues), AddCheck::ConflictsWithSeparateClues);
    EXPECT_EQ(canAddKind(separate, ObjectKind::Text), AddCheck::Allowed);

    const auto combined = layoutWith({ObjectKind::CombinedClues});
    EXPECT_EQ(canAddKind(combined, ObjectKind::DownHeading), AddCheck::ConflictsWithCombinedClues);
    EXPECT_EQ(canAddKind(combined, ObjectKind::AcrossClues), AddCheck::ConflictsWithCombinedClues);
    EXPECT_EQ(canAddKind(combined, ObjectKind::WordList), AddCheck::Allowed);

    auto full = layoutWith({});
    full.ObjectCount = 20;
    EXPECT_EQ(canAddKind(full, ObjectKind::Circle), AddCheck::LayoutFull);

    auto stale = layoutWith({ObjectKind::Title});
    stale.Objects[5].Kind = static_cast<int16_t>(ObjectKind::Puzzle);
    EXPECT_EQ(canAddKind(stale, ObjectKind::Puzzle), AddCheck::Allowed) << "stale slots do not count";
}

TEST(LayoutUnits, ConvertSizesWithFractionsDropped)
{
    EXPECT_EQ(toLayoutUnits(0.25, 2, true), 18);
    EXPECT_EQ(toLayoutUnits(0.25, 2, false), 7);
    EXPECT_EQ(toLayoutUnits(0.99, 3, false), 39);
    EXPECT_EQ(toLayoutUnits(-0.25, 2, false), -7); // towards zero
    EXPECT_EQ(wholePart(1e300), 2147483647);       // a damaged size saturates
}

TEST(ZoomRescaling, UsesTheDesignersExactFactorsAndCutsTowardsZero)
{
    using B = std::array<int32_t, 4>;
    auto rescaled = [](int from, int to, B bounds) {
        auto p = layoutWith({ObjectKind::Title});
        p.Objects[0].Bounds = bounds;
        p.Objects[1].Bounds = bounds; // a stale slot keeps its bytes
        rescaleForZoom(p, from, to);
        EXPECT_EQ(p.Objects[1].Bounds, bounds);
        return p.Objects[0].Bounds;
    };
    EXPECT_EQ(rescaled(1, 2, {10, 11, -11, 0}), (B{15, 16, -16, 0}));
    EXPECT_EQ(rescaled(1, 3, {10, 11, -11, 0}), (B{20, 22, -22, 0}));
    EXPECT_EQ(rescaled(2, 1, {300, 3, -75, 1000}), (B{200, 2, -50, 667})); // 0.667, not 2/3
    EXPECT_EQ(rescaled(2, 3, {100, 200, 150, 99}), (B{133, 266, 200, 132}));
    EXPECT_EQ(rescaled(3, 1, {96, 11, -3, 1}), (B{48, 5, -1, 0})); // zoom 3 opened at zoom 1: halved
    EXPECT_EQ(rescaled(3, 2, {100, 3, -3, 7}), (B{75, 2, -2, 5}));
    for (int outside : {0, 4, -1})
        EXPECT_EQ(rescaled(outside, 1, {10, 20, 30, 40}), (B{10, 20, 30, 40})) << outside;
}

TEST(UnitSwitch, ConvertsThePageSizeToTwoDecimalsAndRescalesTheBounds)
{
    auto p = layoutWith({ObjectKind::Rectangle});
    p.Objects[0].Bounds = {100, 72, 0, -100};

    auto cm = p;
    switchUnit(cm, false);
    EXPECT_EQ(std::make_tuple(cm.SizeInInches, cm.PageWidth, cm.PageHeight), std::make_tuple(0, 21.59, 27.94));
    EXPECT_EQ(cm.Objects[0].Bounds, (std::array<int32_t, 4>{105, 76, 0, -105}));

    cm.PageWidth = 10;
    switchUnit(cm, true);
    EXPECT_EQ(std::make_tuple(cm.SizeInInches, cm.PageWidth), std::make_tuple(1, 3.93));
    EXPECT_EQ(cm.Objects[0].Bounds, (std::array<int32_t, 4>{99, 71, 0, -99}));

    auto same = p;
    switchUnit(same, true);
    EXPECT_EQ(same, p) << "switching to the unit it already has changes nothing";
}
