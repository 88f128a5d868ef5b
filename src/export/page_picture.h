#pragma once
// The rendered page as a picture of a chosen width, as the bitmap, JPEG and web page exports take it:
// which widths may be asked for, the height that follows, the fixed palette of the 256-colour
// pictures, and the page drawn a band of rows at a time so that a large picture never needs a
// second full-size copy in memory.

#include "common/file_outcome.h"
#include "report/page_stream.h"

#include <QImage>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace qx {

// No side of a picture may be longer: a 20,000 by 20,000 bitmap is already over a gigabyte.
constexpr int MaxPictureSide = 20000;

// The height of a picture `width` pixels wide: width × page height / page width, rounded to the
// nearest pixel, and at least one.
int pictureHeight(int width, double pageWidth, double pageHeight);

// Whether a picture of the page this wide may be made: at least one pixel wide, and neither side
// longer than MaxPictureSide.
bool pictureWidthAllowed(int width, double pageWidth, double pageHeight);

// A width as typed: trimmed of blanks, a whole number that pictureWidthAllowed accepts.
std::optional<int> pictureWidthFrom(QStringView text, double pageWidth, double pageHeight);

// The failure of a picture that could not be made: a width not allowed, or too little memory.
FileError pictureFailure(const QString &path, int width);

// A JPEG quality as typed: trimmed of blanks, a whole number from 1 to 100.
std::optional<int> jpegQualityFrom(QStringView text);

// The 256-colour pictures' palette, the same for every picture so that files are reproducible: a
// 6 × 6 × 6 colour cube (each channel 0, 51, .. 255), then 40 greys between the cube's own greys.
QRgb paletteColor(int index);
// The palette entry nearest to a colour (in RGB distance; the cube wins a tie). No dithering: a
// colour always becomes the same entry.
uint8_t paletteIndex(QRgb color);

// Draws the page band by band, top to bottom:
//     PageBands bands(stream, 0, 2000, false);
//     while (bands.next())
//         use(bands.band(), bands.top());
class PageBands {
public:
    PageBands(const PageStream &stream, int page, int width, bool colors256);

    int width() const { return m_width; }
    int height() const { return m_height; }
    double pixelsPerInch() const { return m_ppi; }

    // Draws the next band; false when the page is done, or when it cannot be (failed()).
    bool next();
    // A band could not be allocated, or the width is not one pictureWidthAllowed accepts.
    bool failed() const { return m_failed; }
    // The band: 24-bit colour in Format_RGB32, or Format_Indexed8 in the fixed palette.
    const QImage &band() const { return m_band; }
    // The page row of the band's first row.
    int top() const { return m_top; }

private:
    const PageStream &m_stream;
    int m_page = 0;
    int m_width = 0;
    int m_height = 0;
    double m_ppi = 0;
    bool m_colors256 = false;
    int m_top = 0;
    int m_next = 0;
    bool m_failed = false;
    QImage m_band;
};

} // namespace qx
