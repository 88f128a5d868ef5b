#include "report/stream_replay.h"

#include "common/product.h"
#include "report/font_measure.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

// Pages are painted in twentieths of a point (1,440 per inch), so that any whole point size is a
// whole pixel size of the drawing font, and the painter's scale brings them to the device.
constexpr double Units = 1440;

QPen penOf(const PageOp &op)
{
    if (!op.has(PageOp::HasPen))
        return Qt::NoPen;
    QPen pen(QColor::fromRgb(op.penColor), std::max(0.0, static_cast<double>(op.penWidth)) * Units);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush brushOf(const PageOp &op)
{
    if (!op.has(PageOp::HasBrush))
        return Qt::NoBrush;
    return QBrush(QColor::fromRgb(op.brushColor));
}

QRectF rectOf(const PageOp &op)
{
    return QRectF(QPointF(op.x1 * Units, op.y1 * Units), QPointF(op.x2 * Units, op.y2 * Units));
}

} // namespace

void paintPage(const PageStream &stream, int page, QPainter &painter, double pixelsPerInch)
{
    if (page < 0 || page >= stream.pageCount() || !(pixelsPerInch > 0))
        return;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(pixelsPerInch / Units, pixelsPerInch / Units);
    painter.setBackgroundMode(Qt::TransparentMode);
    int currentFont = -1;
    for (const PageOp &op : stream.pages[static_cast<size_t>(page)].ops) {
        switch (op.kind) {
        case PageOp::Kind::Text: {
            if (op.font != currentFont) {
                const ReportFont &f = stream.fontOf(op);
                painter.setFont(FontMeasure::drawingFont(f, static_cast<int>(std::lround(f.size * Units / 72))));
                currentFont = op.font;
            }
            const QPointF at(op.x1 * Units, op.baseline() * Units);
            if (op.has(PageOp::OpaqueText)) {
                painter.fillRect(QRectF(at.x(), op.textTop() * Units, op.x2 * Units, (op.a + op.b) * Units),
                                 QColor::fromRgb(op.brushColor));
            }
            painter.setPen(QColor::fromRgb(op.penColor));
            painter.drawText(at, stream.textOf(op));
            break;
        }
        case PageOp::Kind::Line:
            painter.setPen(penOf(op));
            painter.drawLine(QPointF(op.x1 * Units, op.y1 * Units), QPointF(op.x2 * Units, op.y2 * Units));
            break;
        case PageOp::Kind::Rect:
            if (op.has(PageOp::HasBrush) && !op.has(PageOp::HasPen)) {
                painter.fillRect(rectOf(op), QColor::fromRgb(op.brushColor));
            } else {
                painter.setPen(penOf(op));
                painter.setBrush(brushOf(op));
                painter.drawRect(rectOf(op));
            }
            break;
        case PageOp::Kind::Ellipse:
            painter.setPen(penOf(op));
            painter.setBrush(brushOf(op));
            painter.drawEllipse(rectOf(op));
            break;
        case PageOp::Kind::Arc:
            painter.setPen(penOf(op));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(rectOf(op), static_cast<int>(std::lround(op.a * 16)),
                            static_cast<int>(std::lround(op.b * 16)));
            break;
        case PageOp::Kind::Image:
            painter.drawImage(rectOf(op), stream.imageOf(op));
            break;
        }
    }
    painter.restore();
}

QImage pageImage(const PageStream &stream, int page, int pixelWidth)
{
    if (pixelWidth < 1 || !(stream.pageWidth > 0) || !(stream.pageHeight > 0))
        return {};
    const double ppi = pixelWidth / stream.pageWidth;
    const double height = std::max(1.0, std::round(stream.pageHeight * ppi));
    if (static_cast<double>(pixelWidth) * height > 200e6)
        return {};
    QImage image(pixelWidth, static_cast<int>(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(ppi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(ppi / 0.0254)));
    QPainter painter(&image);
    paintPage(stream, page, painter, ppi);
    painter.end();
    return image;
}

QByteArray pdfDocument(const PageStream &stream, const QString &title, int first, int last)
{
    if (last < 0 || last >= stream.pageCount())
        last = stream.pageCount() - 1;
    first = std::max(first, 0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QLatin1String(ProductName));
    writer.setTitle(title);
    writer.setResolution(1200);
    // The size is given exactly (no snapping to a near standard paper) and in portrait terms,
    // with the orientation carrying any turn.
    const bool landscape = stream.pageWidth > stream.pageHeight;
    const QSizeF portrait(std::min(stream.pageWidth, stream.pageHeight), std::max(stream.pageWidth, stream.pageHeight));
    const QPageLayout layout(QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                             landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    writer.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    for (int p = first; p <= last; ++p) {
        if (p > first)
            writer.newPage();
        paintPage(stream, p, painter, writer.resolution());
    }
    if (first > last)
        painter.fillRect(QRectF(0, 0, 1, 1), Qt::white); // an empty report is still one blank page
    if (!painter.end())
        return {};
    return bytes;
}

} // namespace qx
