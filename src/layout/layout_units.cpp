#include "layout/layout_units.h"

#include <array>
#include <cmath>
#include <limits>

namespace qx {

namespace {

int16_t wholePart16(double x)
{
    const int32_t v = wholePart(x);
    constexpr int32_t lo = std::numeric_limits<int16_t>::min();
    constexpr int32_t hi = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

} // namespace

int unitsPer(int zoom, bool inches)
{
    const int z = zoom < ZoomSmall ? ZoomSmall : (zoom > ZoomLarge ? ZoomLarge : zoom);
    return inches ? 24 + 24 * z : 10 + 10 * z;
}

int32_t wholePart(double x)
{
    if (std::isnan(x))
        return 0;
    const double t = std::trunc(x);
    if (t <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (t >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(t);
}

int32_t toLayoutUnits(double size, int zoom, bool inches)
{
    return wholePart(size * unitsPer(zoom, inches));
}

void updateLayoutSize(PageLayout &layout, int zoom)
{
    const int u = unitsPer(zoom, inInches(layout));
    layout.LayoutWidth = wholePart16(layout.PageWidth * u);
    layout.LayoutHeight = wholePart16(layout.PageHeight * u);
}

double zoomFactor(int fromZoom, int toZoom)
{
    if (!isZoomLevel(fromZoom) || !isZoomLevel(toZoom))
        return 1.0;
    // [from - 1][to - 1]
    static constexpr double Factors[3][3] = {
        {1.0, 1.5, 2.0},
        {0.667, 1.0, 1.334},
        {0.5, 0.75, 1.0},
    };
    return Factors[fromZoom - 1][toZoom - 1];
}

void rescaleBounds(PageLayout &layout, double factor)
{
    for (int k = 0; k < layout.objectsInUse(); ++k)
        for (auto &b : layout.Objects[k].Bounds)
            b = wholePart(b * factor);
}

void rescaleForZoom(PageLayout &layout, int fromZoom, int toZoom)
{
    const double f = zoomFactor(fromZoom, toZoom);
    if (f != 1.0)
        rescaleBounds(layout, f);
}

void switchUnit(PageLayout &layout, bool toInches)
{
    if (inInches(layout) == toInches)
        return;
    if (toInches) {
        layout.PageWidth = std::trunc(layout.PageWidth * 0.3937007874015748 * 100) / 100;
        layout.PageHeight = std::trunc(layout.PageHeight * 0.3937007874015748 * 100) / 100;
        rescaleBounds(layout, BoundsToInches);
    } else {
        layout.PageWidth = std::trunc(layout.PageWidth * 254) / 100;
        layout.PageHeight = std::trunc(layout.PageHeight * 254) / 100;
        rescaleBounds(layout, BoundsToCentimetres);
    }
    layout.SizeInInches = toInches ? 1 : 0;
}

} // namespace qx
