#include "layout/layout_thumbnail.h"

#include <QPainter>

namespace qx {

QColor layoutLegendColor(int16_t kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        return QColor(255, 255, 0);
    case ObjectKind::Puzzle:
        return QColor(128, 0, 0);
    case ObjectKind::DownHeading:
    case ObjectKind::DownClues:
        return QColor(128, 128, 0);
    case ObjectKind::AcrossHeading:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues:
        return QColor(0, 255, 255);
    case ObjectKind::WordList:
        return QColor(0, 128, 128);
    case ObjectKind::BonusQuestion:
        return QColor(255, 0, 255);
    case ObjectKind::Text:
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return QColor(128, 128, 128);
    case ObjectKind::Bitmap:
        break;
    }
    return Qt::white;
}

namespace {

bool hasColumns(int16_t kind)
{
    const auto k = static_cast<ObjectKind>(kind);
    return k == ObjectKind::AcrossClues || k == ObjectKind::DownClues || k == ObjectKind::WordList ||
           k == ObjectKind::CombinedClues;
}

// Layout units times the scale, fraction dropped; damaged bounds are held to a sane range.
int scaled(int32_t v, double f)
{
    const double x = std::clamp(static_cast<double>(v) * f, -1e6, 1e6);
    return static_cast<int>(x);
}

} // namespace

QImage drawLayoutThumbnail(const PageLayout &layout, QSize picture, const QColor &buttonFace)
{
    QImage image(picture, QImage::Format_RGB32);
    image.fill(buttonFace);
    if (layout.LayoutWidth <= 0 || layout.LayoutHeight <= 0)
        return image;
    const double f = std::min(static_cast<double>(picture.width()) / layout.LayoutWidth,
                              static_cast<double>(picture.height()) / layout.LayoutHeight);
    QPainter painter(&image);
    const QRect page(0, 0, scaled(layout.LayoutWidth, f), scaled(layout.LayoutHeight, f));
    painter.fillRect(page, Qt::white);
    QPen solid(Qt::black, 1);
    QPen dotted(Qt::black, 1, Qt::DotLine);
    for (int k = 0; k < layout.objectsInUse(); ++k) {
        const LayoutObject &o = layout.Objects[static_cast<size_t>(k)];
        const QRect r(QPoint(scaled(o.Bounds[0], f), scaled(o.Bounds[1], f)),
                      QPoint(scaled(o.Bounds[2], f), scaled(o.Bounds[3], f)));
        const QColor colour = layoutLegendColor(o.Kind);
        if (o.Kind == static_cast<int16_t>(ObjectKind::Circle)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(r);
            continue;
        }
        painter.fillRect(r, colour);
        painter.setBrush(Qt::NoBrush);
        const bool bitmap = o.Kind == static_cast<int16_t>(ObjectKind::Bitmap);
        painter.setPen(bitmap ? dotted : solid);
        painter.drawRect(bitmap && o.Transparent == 1 ? page : r);
        const int n = o.Columns;
        if (hasColumns(o.Kind) && n >= 2 && n <= 50) {
            painter.setPen(dotted);
            const int step = r.width() / n;
            for (int c = 1; c < n; ++c)
                painter.drawLine(r.left() + c * step, r.top(), r.left() + c * step, r.bottom());
        }
    }
    return image;
}

} // namespace qx
