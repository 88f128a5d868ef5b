#pragma once
// Layout units and the paper sizes. Bounds and the page size in layout units are the designer's
// screen pixels at the zoom they were stored at: 48, 72 or 96 per inch, 20, 30 or 40 per centimetre.
// Every conversion to whole units drops the fraction (towards zero); results beyond the range of
// the stored field saturate, so a damaged record never overflows.

#include "common/paper_sizes.h"
#include "layout/page_layout.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace qx {

inline constexpr int ZoomSmall = 1;
inline constexpr int ZoomMedium = 2;
inline constexpr int ZoomLarge = 3;

inline bool isZoomLevel(int zoom)
{
    return zoom >= ZoomSmall && zoom <= ZoomLarge;
}

// SizeInInches: 0 means centimetres; any other value is read as inches.
inline bool inInches(const PageLayout &layout)
{
    return layout.SizeInInches != 0;
}

// Layout units per inch or centimetre. A zoom outside 1..3 is read as the nearest of them.
int unitsPer(int zoom, bool inches);

// The whole part of x, saturated to 32 bits; not-a-number gives 0.
int32_t wholePart(double x);

// A size in inches or centimetres in layout units, fraction dropped: 0.25 inch at zoom 2 is 18.
int32_t toLayoutUnits(double size, int zoom, bool inches);

// LayoutWidth and LayoutHeight := the page size in units of the given zoom, fraction dropped.
void updateLayoutSize(PageLayout &layout, int zoom);

// The factor by which bounds stored at one zoom are shown at another. These are the factors the
// designer has always used (0.667, not 2/3), so rescaled layouts land on the same units as before.
// 1 when the zooms are equal or either lies outside 1..3: such a layout is not rescaled.
double zoomFactor(int fromZoom, int toZoom);

// Multiplies the four bounds of every object in use by factor, each cut to a whole number.
// Stale slots beyond ObjectCount keep their bytes.
void rescaleBounds(PageLayout &layout, double factor);

// Rescales the bounds from one zoom to another by zoomFactor.
void rescaleForZoom(PageLayout &layout, int fromZoom, int toZoom);

inline constexpr double BoundsToInches = 0.9448818897637795;
inline constexpr double BoundsToCentimetres = 1.0583333333333333;

// Switches a layout's unit: the page size is converted and cut to two decimals, the bounds are
// rescaled, SizeInInches is set. Nothing happens when the layout already has that unit. LayoutWidth
// and LayoutHeight are left for updateLayoutSize at the designer's zoom.
void switchUnit(PageLayout &layout, bool toInches);

} // namespace qx
