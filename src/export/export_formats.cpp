#include "export/export_formats.h"

#include "export/pdf_format.h"
#include "export/png_format.h"

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

const ExportFormat &textFormat(TextExportKind kind)
{
    static const TextExportFormat clues(TextExportKind::Clues);
    static const TextExportFormat words(TextExportKind::Words);
    return kind == TextExportKind::Clues ? clues : words;
}

const std::vector<const ExportFormat *> &exportFormats()
{
    static const std::vector<const ExportFormat *> formats{
        &pdfFormat(), &pngFormat(), &textFormat(TextExportKind::Clues), &textFormat(TextExportKind::Words)};
    return formats;
}

const ExportFormat *pageFormatFor(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QLatin1Char('/'), dot) >= 0)
        return nullptr;
    const QString suffix = path.mid(dot + 1).toLower();
    for (const ExportFormat *format : exportFormats()) {
        if (format->source() == ExportFormat::Source::Page && format->suffix() == suffix)
            return format;
    }
    return nullptr;
}

} // namespace qx
