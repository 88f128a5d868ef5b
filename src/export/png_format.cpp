#include "export/png_format.h"

#include "export/page_picture.h"
#include "report/stream_replay.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>

namespace qx {

QString PngFormat::name() const
{
    return QStringLiteral("PNG");
}

QString PngFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "PNG (*.png)|*.png");
}

QString PngFormat::suffix() const
{
    return QStringLiteral("png");
}

FileOutcome<QByteArray> PngFormat::encode(const ExportInput &input, const QString &path) const
{
    const QImage image = input.page ? pageImage(*input.page, input.pageIndex, input.pixelWidth) : QImage();
    if (image.isNull()) {
        return pictureFailure(path, input.pixelWidth);
    }
    // Encoded in memory: the encoder never meets the file, so a failing disk gives one error, ours.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return FileError{FileError::Kind::Io, path, writer.errorString()};
    return bytes;
}

} // namespace qx
