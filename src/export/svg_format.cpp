#include "export/svg_format.h"

#include "common/product.h"
#include "export/pdf_format.h"
#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace qx {

QString SvgFormat::name() const
{
    return QStringLiteral("SVG");
}

QString SvgFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "SVG (*.svg)|*.svg");
}

QString SvgFormat::suffix() const
{
    return QStringLiteral("svg");
}

FileOutcome<QByteArray> SvgFormat::encode(const ExportInput &input, const QString &path) const
{
    const PageStream *stream = input.page;
    if (!stream || !(stream->pageWidth > 0) || !(stream->pageHeight > 0))
        return refusedFile(path, Refusal::NotEncoded, {QStringLiteral("SVG")});
    // User units are the replay's pixels at 96 per inch, which is also what an SVG reader takes a
    // "px" for, so the drawing keeps the paper's size in millimetres.
    constexpr double Ppi = RecordingCanvas::FilerPixelsPerInch;
    const QSizeF size(stream->pageWidth * Ppi, stream->pageHeight * Ppi);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(static_cast<int>(Ppi));
    generator.setSize(QSize(static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))));
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    // Qt writes the title into <title> as it is given, so "Salt & Pepper" would make a file no XML
    // reader opens: a placeholder goes in, and the title, escaped, replaces it afterwards.
    static constexpr char TitlePlaceholder[] = "QUORVEX-TITLE-PLACEHOLDER";
    generator.setTitle(QLatin1String(TitlePlaceholder));
    generator.setDescription(QLatin1String(ProductName));
    QPainter painter;
    if (!painter.begin(&generator))
        return refusedFile(path, Refusal::NotEncoded, {QStringLiteral("SVG")});
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    paintPage(*stream, input.pageIndex, painter, Ppi);
    painter.end();
    bytes.replace(QByteArray(TitlePlaceholder), PdfFormat::titleOf(input.record).toHtmlEscaped().toUtf8());
    return bytes;
}

} // namespace qx
