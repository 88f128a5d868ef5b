#include "render/render_page.h"

#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QFileInfo>
#include <QImageWriter>

namespace qx {

RenderedPage renderPuzzlePage(const PuzzleRecord &record, const PrintOptions &options)
{
    auto working = std::make_unique<PuzzleRecord>(record);
    PageRenderer renderer(*working, options);
    RecordingCanvas filer;
    renderer.Wire(filer);
    filer.Execute();
    return RenderedPage{filer.takeStream(), renderer.Outcome(filer)};
}

PageFileFormat pageFileFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PageFileFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return PageFileFormat::Pdf;
    return PageFileFormat::Unknown;
}

bool writePageFile(const PageStream &stream, const QString &path, PageFileFormat format, int pixelWidth, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    switch (format) {
    case PageFileFormat::Pdf:
        return writePdf(stream, path, error, 0, 0);
    case PageFileFormat::Png: {
        const QImage image = pageImage(stream, 0, pixelWidth);
        if (image.isNull())
            return fail(QStringLiteral("a page %1 pixels wide cannot be made").arg(pixelWidth));
        QImageWriter writer(path, "png");
        if (!writer.write(image))
            return fail(writer.errorString());
        return true;
    }
    case PageFileFormat::Unknown:
        break;
    }
    return fail(QStringLiteral("unknown picture format"));
}

} // namespace qx
