#include "export/export_formats.h"

#include "export/bmp_format.h"
#include "export/ipuz_format.h"
#include "export/jpeg_format.h"
#include "export/metafile_format.h"
#include "export/pdf_format.h"
#include "export/png_format.h"
#include "export/puz_format.h"
#include "export/solvable_page_format.h"
#include "export/svg_format.h"
#include "export/web_page.h"

namespace qx {

const ExportFormat &pdfFormat()
{
    static const PdfFormat format;
    return format;
}

const ExportFormat &pngFormat()
{
    static const PngFormat format;
    return format;
}

const ExportFormat &bmpFormat()
{
    static const BmpFormat format;
    return format;
}

const ExportFormat &jpegFormat()
{
    static const JpegFormat format;
    return format;
}

const ExportFormat &svgFormat()
{
    static const SvgFormat format;
    return format;
}

const ExportFormat &htmlFormat()
{
    static const HtmlFormat format;
    return format;
}

const ExportFormat &metafileFormat(MetafileKind kind)
{
    static const MetafileFormat wmf(MetafileKind::Wmf);
    static const MetafileFormat emf(MetafileKind::Emf);
    return kind == MetafileKind::Wmf ? wmf : emf;
}

const ExportFormat &textFormat(TextExportKind kind)
{
    static const TextExportFormat clues(TextExportKind::Clues);
    static const TextExportFormat words(TextExportKind::Words);
    return kind == TextExportKind::Clues ? clues : words;
}

const ExportFormat &ipuzFormat()
{
    static const IpuzFormat format;
    return format;
}

const ExportFormat &puzFormat()
{
    static const PuzFormat format;
    return format;
}

const ExportFormat &solvablePageFormat()
{
    static const SolvablePageFormat format;
    return format;
}

const std::vector<const ExportFormat *> &exportFormats()
{
    static const std::vector<const ExportFormat *> formats{&pdfFormat(),
                                                           &pngFormat(),
                                                           &bmpFormat(),
                                                           &jpegFormat(),
                                                           &svgFormat(),
                                                           &htmlFormat(),
                                                           &metafileFormat(MetafileKind::Wmf),
                                                           &metafileFormat(MetafileKind::Emf),
                                                           &textFormat(TextExportKind::Clues),
                                                           &textFormat(TextExportKind::Words),
                                                           &ipuzFormat(),
                                                           &puzFormat(),
                                                           &solvablePageFormat()};
    return formats;
}

namespace {

const ExportFormat *formatFor(const QString &path, const std::vector<const ExportFormat *> &among)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QLatin1Char('/'), dot) >= 0)
        return nullptr;
    const QString suffix = path.mid(dot + 1).toLower();
    for (const ExportFormat *format : among) {
        if (format->suffix() == suffix || format->otherSuffixes().contains(suffix))
            return format;
    }
    return nullptr;
}

} // namespace

const ExportFormat *pageFormatFor(const QString &path)
{
    std::vector<const ExportFormat *> pages;
    for (const ExportFormat *format : exportFormats()) {
        if (format->source() == ExportFormat::Source::Page)
            pages.push_back(format);
    }
    return formatFor(path, pages);
}

const ExportFormat *solvingFormatFor(const QString &path)
{
    return formatFor(path, {&ipuzFormat(), &puzFormat()});
}

} // namespace qx
