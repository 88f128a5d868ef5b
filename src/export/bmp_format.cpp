#include "export/bmp_format.h"

#include "export/page_picture.h"

#include <QCoreApplication>
#include <QtEndian>

namespace qx {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(uchar *at, int value)
{
    qToLittleEndian<quint16>(static_cast<quint16>(value), at);
}

void put32(uchar *at, qint64 value)
{
    qToLittleEndian<quint32>(static_cast<quint32>(value), at);
}

} // namespace

QString BmpFormat::name() const
{
    return QStringLiteral("Bitmap");
}

QString BmpFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "Bitmap (*.bmp)|*.bmp");
}

QString BmpFormat::suffix() const
{
    return QStringLiteral("bmp");
}

FileOutcome<QByteArray> BmpFormat::encode(const ExportInput &input, const QString &path) const
{
    if (!input.page)
        return pictureFailure(path, input.pixelWidth);
    PageBands bands(*input.page, input.pageIndex, input.pixelWidth, input.colors256);
    if (bands.failed())
        return pictureFailure(path, input.pixelWidth);
    const int bits = input.colors256 ? 8 : 24;
    const qint64 rowBytes = (static_cast<qint64>(bands.width()) * bits + 31) / 32 * 4;
    const qint64 paletteBytes = input.colors256 ? 256 * 4 : 0;
    const qint64 offset = FileHeaderSize + InfoHeaderSize + paletteBytes;
    const qint64 size = offset + rowBytes * bands.height();
    QByteArray bytes;
    bytes.resize(size, '\0');
    if (bytes.size() != size)
        return pictureFailure(path, input.pixelWidth);
    auto *out = reinterpret_cast<uchar *>(bytes.data());

    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, size);
    put32(out + 10, offset);
    uchar *info = out + FileHeaderSize;
    put32(info, InfoHeaderSize);
    put32(info + 4, bands.width());
    put32(info + 8, bands.height()); // positive: the rows run bottom-up
    put16(info + 12, 1);             // planes
    put16(info + 14, bits);
    put32(info + 16, 0); // no compression
    put32(info + 20, rowBytes * bands.height());
    const qint64 dotsPerMeter = std::lround(bands.pixelsPerInch() / 0.0254);
    put32(info + 24, dotsPerMeter);
    put32(info + 28, dotsPerMeter);
    put32(info + 32, input.colors256 ? 256 : 0);
    put32(info + 36, 0);
    if (input.colors256) {
        uchar *entry = info + InfoHeaderSize;
        for (int i = 0; i < 256; ++i, entry += 4) {
            const QRgb c = paletteColor(i);
            entry[0] = static_cast<uchar>(qBlue(c));
            entry[1] = static_cast<uchar>(qGreen(c));
            entry[2] = static_cast<uchar>(qRed(c));
        }
    }

    while (bands.next()) {
        const QImage &band = bands.band();
        for (int y = 0; y < band.height(); ++y) {
            uchar *row = out + offset + rowBytes * (bands.height() - 1 - (bands.top() + y));
            if (input.colors256) {
                std::copy_n(band.constScanLine(y), bands.width(), row);
                continue;
            }
            const auto *pixels = reinterpret_cast<const QRgb *>(band.constScanLine(y));
            for (int x = 0; x < bands.width(); ++x, row += 3) {
                row[0] = static_cast<uchar>(qBlue(pixels[x]));
                row[1] = static_cast<uchar>(qGreen(pixels[x]));
                row[2] = static_cast<uchar>(qRed(pixels[x]));
            }
        }
    }
    if (bands.failed())
        return pictureFailure(path, input.pixelWidth);
    return bytes;
}

} // namespace qx
