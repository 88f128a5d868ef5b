#pragma once
// Text measurement that does not depend on the screen, the printer or the platform's scaling: every
// font is measured once at a large fixed pixel size without hinting and without kerning, and a
// text's width is the sum of its characters' advances scaled to the point size. So a page wraps
// and shrinks its text the same way in the preview, on paper, in a picture and in every test run,
// and a width costs a few additions rather than a text layout.
//
// Needs a QGuiApplication (Qt's font database lives there). Thread-safe.

#include "report/report_font.h"

#include <QFont>
#include <QStringView>

namespace qx {

class FontMeasure {
public:
    // The measuring tables of one face (family, bold, italic); valid for the whole run.
    struct Face;

    static const Face &face(const ReportFont &font);

    // Width in inches of the text at the given size.
    static double textWidth(const Face &face, int points, QStringView text);
    static FontExtents extents(const Face &face, int points);

    static double textWidth(const ReportFont &font, QStringView text) { return textWidth(face(font), font.size, text); }
    static FontExtents extents(const ReportFont &font) { return extents(face(font), font.size); }

    // The QFont the pages are drawn with, at a pixel size: no hinting, no kerning, so that drawn
    // text advances exactly as it was measured.
    static QFont drawingFont(const ReportFont &font, int pixelSize);
};

} // namespace qx
