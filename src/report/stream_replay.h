#pragma once
// Drawing a PageStream onto a device: a painter at any resolution, a picture of a given width, or a
// PDF document at the page's true paper size with text and lines kept as vectors.

#include "report/page_stream.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;

namespace qx {

// Paints page `page` (0-based) with the page's top left corner at the painter's origin, at the
// given number of device pixels per inch. Nothing is painted for a page the stream does not hold.
void paintPage(const PageStream &stream, int page, QPainter &painter, double pixelsPerInch);

// The page as a picture `pixelWidth` pixels wide on white, its height following the paper's
// proportions. A null image when the width is below 1 or the picture would exceed 200 million
// pixels.
QImage pageImage(const PageStream &stream, int page, int pixelWidth);

// Pages first..last (0-based, inclusive; clamped to the stream) as a PDF document at the paper size,
// with the given title in its information. Empty when the PDF cannot be made.
QByteArray pdfDocument(const PageStream &stream, const QString &title, int first = 0, int last = -1);

} // namespace qx
