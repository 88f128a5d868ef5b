#include "report/font_measure.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <unordered_map>

namespace qx {

namespace {

// The size every face is measured at; large enough that the font engine's rounding to 1/64 pixel
// is far below anything a page shows.
constexpr int MeasurePixels = 1024;

std::mutex &tableMutex()
{
    static std::mutex m;
    return m;
}

} // namespace

struct FontMeasure::Face {
    QFont font;
    std::array<double, 256> latin{}; // advances of U+0000..U+00FF at MeasurePixels
    double ascent = 0;
    double descent = 0;
    mutable std::unordered_map<char16_t, double> others; // guarded by tableMutex()

    double advance(char16_t c) const
    {
        if (c < 256)
            return latin[c];
        std::lock_guard lock(tableMutex());
        const auto it = others.find(c);
        if (it != others.end())
            return it->second;
        const double a = QFontMetricsF(font).horizontalAdvance(QChar(c));
        others.emplace(c, a);
        return a;
    }
};

QFont FontMeasure::drawingFont(const ReportFont &f, int pixelSize)
{
    QFont font(f.name.isEmpty() ? QStringLiteral("Arial") : f.name);
    font.setPixelSize(pixelSize < 1 ? 1 : pixelSize);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

const FontMeasure::Face &FontMeasure::face(const ReportFont &font)
{
    static std::map<std::tuple<QString, bool, bool>, std::unique_ptr<Face>> faces;
    const auto key = std::make_tuple(font.name.toCaseFolded(), font.bold, font.italic);
    std::lock_guard lock(tableMutex());
    auto &slot = faces[key];
    if (!slot) {
        auto made = std::make_unique<Face>();
        ReportFont plain = font;
        plain.underline = false;
        plain.strikeOut = false;
        made->font = drawingFont(plain, MeasurePixels);
        const QFontMetricsF metrics(made->font);
        for (int c = 0; c < 256; ++c)
            made->latin[static_cast<size_t>(c)] = metrics.horizontalAdvance(QChar(c));
        made->ascent = metrics.ascent();
        made->descent = metrics.descent();
        slot = std::move(made);
    }
    return *slot;
}

double FontMeasure::textWidth(const Face &face, int points, QStringView text)
{
    double sum = 0;
    for (const QChar c : text)
        sum += face.advance(c.unicode());
    return sum / MeasurePixels * points / 72.0;
}

FontExtents FontMeasure::extents(const Face &face, int points)
{
    const double inchesPerPixel = points / 72.0 / MeasurePixels;
    return FontExtents{face.ascent * inchesPerPixel, face.descent * inchesPerPixel};
}

} // namespace qx
