#include "export/jpeg_format.h"

#include "export/page_picture.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace qx {

namespace {

// libjpeg reports an error by calling error_exit, which must not return: it jumps back into
// compressRows, which gives up. Nothing between the two is C++ with anything to clean up.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void noMessage(j_common_ptr)
{
}

struct Job {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    unsigned char *memory = nullptr;
    unsigned long size = 0;
    PageBands *bands = nullptr;
    int quality = 50;
    std::vector<JSAMPLE> row;
};

bool compressRows(Job &job)
{
    if (setjmp(job.errors.jump))
        return false;
    jpeg_compress_struct &info = job.info;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.memory, &job.size);
    PageBands &bands = *job.bands;
    info.image_width = static_cast<JDIMENSION>(bands.width());
    info.image_height = static_cast<JDIMENSION>(bands.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.quality, TRUE);
    info.density_unit = 1; // dots per inch
    info.X_density = info.Y_density = static_cast<UINT16>(std::lround(std::min(bands.pixelsPerInch(), 65535.0)));
    jpeg_start_compress(&info, TRUE);
    while (bands.next()) {
        const QImage &band = bands.band();
        for (int y = 0; y < band.height(); ++y) {
            JSAMPLE *to = job.row.data();
            if (band.format() == QImage::Format_Indexed8) {
                const uchar *from = band.constScanLine(y);
                for (int x = 0; x < bands.width(); ++x, to += 3) {
                    const QRgb c = paletteColor(from[x]);
                    to[0] = static_cast<JSAMPLE>(qRed(c));
                    to[1] = static_cast<JSAMPLE>(qGreen(c));
                    to[2] = static_cast<JSAMPLE>(qBlue(c));
                }
            } else {
                const auto *from = reinterpret_cast<const QRgb *>(band.constScanLine(y));
                for (int x = 0; x < bands.width(); ++x, to += 3) {
                    to[0] = static_cast<JSAMPLE>(qRed(from[x]));
                    to[1] = static_cast<JSAMPLE>(qGreen(from[x]));
                    to[2] = static_cast<JSAMPLE>(qBlue(from[x]));
                }
            }
            JSAMPROW rows[1] = {job.row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
    }
    if (bands.failed())
        return false;
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

QString JpegFormat::name() const
{
    return QStringLiteral("JPEG");
}

QString JpegFormat::nameFilter() const
{
    return QCoreApplication::translate("qx", "JPEG (*.jpg)|*.jpg");
}

QString JpegFormat::suffix() const
{
    return QStringLiteral("jpg");
}

FileOutcome<QByteArray> JpegFormat::pageJpeg(const ExportInput &input, const QString &path)
{
    if (!input.page)
        return pictureFailure(path, input.pixelWidth);
    PageBands bands(*input.page, input.pageIndex, input.pixelWidth, input.colors256);
    if (bands.failed())
        return pictureFailure(path, input.pixelWidth);
    Job job;
    job.bands = &bands;
    job.quality = std::clamp(input.jpegQuality, 1, 100);
    job.row.resize(static_cast<size_t>(bands.width()) * 3);
    job.info.err = jpeg_std_error(&job.errors.manager);
    job.errors.manager.error_exit = errorExit;
    job.errors.manager.output_message = noMessage;
    const bool done = compressRows(job);
    jpeg_destroy_compress(&job.info);
    QByteArray bytes;
    if (done && job.memory)
        bytes = QByteArray(reinterpret_cast<const char *>(job.memory), static_cast<qsizetype>(job.size));
    std::free(job.memory);
    if (!bytes.isEmpty())
        return bytes;
    if (job.errors.message[0] == 0)
        return pictureFailure(path, input.pixelWidth);
    return FileError{FileError::Kind::Io, path, QString::fromLocal8Bit(job.errors.message)};
}

FileOutcome<QByteArray> JpegFormat::encode(const ExportInput &input, const QString &path) const
{
    return pageJpeg(input, path);
}

} // namespace qx
