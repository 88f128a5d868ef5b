#pragma once
// A rendered report kept as drawing operations in inches: the preview's "memory stream". Replayed
// onto a screen, a picture, a PDF or a printer at any scale (see stream_replay.h), it draws the same
// page each time; nothing in it depends on the device it was recorded for.

#include "report/report_font.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace qx {

// One drawing operation. Coordinates are inches from the page's top left corner.
struct PageOp {
    enum class Kind : uint8_t {
        Text,    // x1, y1: start of the baseline (of the top with TextByTop); x2: the measured width; a, b:
                 // ascent, descent
        Line,    // from x1, y1 to x2, y2 in the pen
        Rect,    // x1, y1, x2, y2: outlined in the pen (if any), filled in the brush (if any)
        Ellipse, // the ellipse inside x1, y1, x2, y2, pen and brush as for Rect
        Arc,     // part of that ellipse's outline: a = start, b = span, degrees anticlockwise from 3 o'clock
        Image,   // the picture stretched into x1, y1, x2, y2
    };
    enum Flag : uint8_t { HasPen = 1, HasBrush = 2, OpaqueText = 4, TextByTop = 8 };

    Kind kind = Kind::Line;
    uint8_t flags = 0;
    uint16_t font = 0;  // Text: index into fonts
    uint32_t index = 0; // Text: index into texts; Image: index into images
    QRgb penColor = 0;  // also the colour of text
    QRgb brushColor = 0;
    float penWidth = 0; // inches
    float a = 0;
    float b = 0;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;

    bool has(Flag f) const { return (flags & f) != 0; }
    // A text's baseline and top, however it was placed.
    double baseline() const { return has(TextByTop) ? y1 + a : y1; }
    double textTop() const { return has(TextByTop) ? y1 : y1 - a; }
};

struct StreamPage {
    std::vector<PageOp> ops;
};

class PageStream {
public:
    // Paper as the report selected it; the kind numbers are the report's (0 = custom).
    int paperKind = 1;
    bool portrait = true;
    double pageWidth = 8.5; // inches, already turned for the orientation
    double pageHeight = 11;

    std::vector<StreamPage> pages;
    std::vector<ReportFont> fonts;
    std::vector<QString> texts;
    std::vector<QImage> images;

    int pageCount() const { return static_cast<int>(pages.size()); }

    const ReportFont &fontOf(const PageOp &op) const { return fonts[op.font]; }
    const QString &textOf(const PageOp &op) const { return texts[op.index]; }
    const QImage &imageOf(const PageOp &op) const { return images[op.index]; }

    // Table indices for a new operation; equal fonts and the same picture are kept once.
    uint16_t fontIndex(const ReportFont &font);
    uint32_t textIndex(const QString &text);
    uint32_t imageIndex(const QImage &image);
};

} // namespace qx
