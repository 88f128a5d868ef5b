#pragma once
// A font of the report canvas: what a layout object says about its lettering. Sizes are whole
// points, as layouts store them.

#include <QColor>
#include <QString>

namespace qx {

struct ReportFont {
    QString name = QStringLiteral("Arial");
    int size = 10; // points
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const ReportFont &, const ReportFont &) = default;
};

// Ascent and descent of a font, in inches.
struct FontExtents {
    double ascent = 0;
    double descent = 0;
};

} // namespace qx
