#include "export/page_picture.h"

#include "report/stream_replay.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace qx {

namespace {

// A band holds at most this many pixels (32 MB in 24-bit colour); a page 2,000 pixels wide is one band.
constexpr qsizetype BandPixels = 8 * 1024 * 1024;

constexpr int CubeLevels = 6;
constexpr int CubeStep = 51;
constexpr int ExtraGreys = 40;

int extraGrey(int k)
{
    // Evenly between black and white; 41 is prime, so none of them is one of the cube's greys.
    return static_cast<int>(std::lround(255.0 * (k + 1) / (ExtraGreys + 1)));
}

int squared(int v)
{
    return v * v;
}

} // namespace

int pictureHeight(int width, double pageWidth, double pageHeight)
{
    if (!(pageWidth > 0) || !(pageHeight > 0))
        return 1;
    return static_cast<int>(std::max(1.0, std::round(width * pageHeight / pageWidth)));
}

bool pictureWidthAllowed(int width, double pageWidth, double pageHeight)
{
    if (width < 1 || width > MaxPictureSide || !(pageWidth > 0) || !(pageHeight > 0))
        return false;
    return width * pageHeight / pageWidth < MaxPictureSide + 0.5;
}

std::optional<int> pictureWidthFrom(QStringView text, double pageWidth, double pageHeight)
{
    bool ok = false;
    const int width = text.trimmed().toInt(&ok);
    if (!ok || !pictureWidthAllowed(width, pageWidth, pageHeight))
        return std::nullopt;
    return width;
}

FileError pictureFailure(const QString &path, int width)
{
    return refusedFile(path, Refusal::PictureTooLarge, {QString::number(width)});
}

std::optional<int> jpegQualityFrom(QStringView text)
{
    bool ok = false;
    const int quality = text.trimmed().toInt(&ok);
    if (!ok || quality < 1 || quality > 100)
        return std::nullopt;
    return quality;
}

QRgb paletteColor(int index)
{
    if (index < 0 || index > 255)
        return qRgb(0, 0, 0);
    if (index < CubeLevels * CubeLevels * CubeLevels)
        return qRgb(index / 36 * CubeStep, index / 6 % 6 * CubeStep, index % 6 * CubeStep);
    const int grey = extraGrey(index - CubeLevels * CubeLevels * CubeLevels);
    return qRgb(grey, grey, grey);
}

uint8_t paletteIndex(QRgb color)
{
    const int r = qRed(color);
    const int g = qGreen(color);
    const int b = qBlue(color);
    // The cube's nearest entry rounds each channel to its nearest level.
    const int cr = (r + CubeStep / 2) / CubeStep;
    const int cg = (g + CubeStep / 2) / CubeStep;
    const int cb = (b + CubeStep / 2) / CubeStep;
    const int cubeDistance = squared(r - cr * CubeStep) + squared(g - cg * CubeStep) + squared(b - cb * CubeStep);
    // The nearest grey is the one nearest to the colour's mean.
    static const std::array<int, ExtraGreys> greys = [] {
        std::array<int, ExtraGreys> out{};
        for (int k = 0; k < ExtraGreys; ++k)
            out[static_cast<size_t>(k)] = extraGrey(k);
        return out;
    }();
    const double mean = (r + g + b) / 3.0;
    const auto above = std::lower_bound(greys.begin(), greys.end(), mean);
    auto nearest = above;
    if (above == greys.end() || (above != greys.begin() && mean - *(above - 1) <= *above - mean))
        nearest = above - 1;
    const int grey = *nearest;
    const int greyDistance = squared(r - grey) + squared(g - grey) + squared(b - grey);
    if (cubeDistance <= greyDistance)
        return static_cast<uint8_t>(cr * 36 + cg * 6 + cb);
    return static_cast<uint8_t>(CubeLevels * CubeLevels * CubeLevels + (nearest - greys.begin()));
}

PageBands::PageBands(const PageStream &stream, int page, int width, bool colors256)
    : m_stream(stream), m_page(page), m_colors256(colors256)
{
    if (!pictureWidthAllowed(width, stream.pageWidth, stream.pageHeight)) {
        m_failed = true;
        return;
    }
    m_width = width;
    m_height = pictureHeight(width, stream.pageWidth, stream.pageHeight);
    m_ppi = width / stream.pageWidth;
}

bool PageBands::next()
{
    if (m_failed || m_next >= m_height)
        return false;
    m_top = m_next;
    const int rows =
        static_cast<int>(std::min<qsizetype>(m_height - m_top, std::max<qsizetype>(1, BandPixels / m_width)));
    m_next = m_top + rows;
    QImage band(m_width, rows, QImage::Format_RGB32);
    if (band.isNull()) {
        m_failed = true;
        return false;
    }
    band.fill(Qt::white);
    const int dotsPerMeter = static_cast<int>(std::lround(m_ppi / 0.0254));
    band.setDotsPerMeterX(dotsPerMeter);
    band.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&band);
        painter.translate(0, -m_top);
        paintPage(m_stream, m_page, painter, m_ppi);
    }
    if (!m_colors256) {
        m_band = std::move(band);
        return true;
    }
    QImage indexed(m_width, rows, QImage::Format_Indexed8);
    if (indexed.isNull()) {
        m_failed = true;
        return false;
    }
    QList<QRgb> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = paletteColor(i);
    indexed.setColorTable(table);
    indexed.setDotsPerMeterX(dotsPerMeter);
    indexed.setDotsPerMeterY(dotsPerMeter);
    // A page is mostly runs of one colour: the last colour's entry is kept at hand.
    QRgb last = qRgb(255, 255, 255);
    uint8_t lastIndex = paletteIndex(last);
    for (int y = 0; y < rows; ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(band.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < m_width; ++x) {
            if (from[x] != last) {
                last = from[x];
                lastIndex = paletteIndex(last);
            }
            to[x] = lastIndex;
        }
    }
    m_band = std::move(indexed);
    return true;
}

} // namespace qx
