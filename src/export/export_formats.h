#pragma once
// Every format the program exports to. The picture, metafile, web page and solver formats join
// this list as they come.

#include "export/export_format.h"
#include "export/metafile_writer.h"
#include "export/text_export.h"

#include <vector>

namespace qx {

// Every format, in the order a menu lists them.
const std::vector<const ExportFormat *> &exportFormats();

// The format that writes the rendered page into a file named so, by its extension in any letter
// case; null when no page format has that extension.
const ExportFormat *pageFormatFor(const QString &path);

// The file format a solving app opens (.ipuz, .puz) named so, by its extension in any letter case;
// null for any other extension.
const ExportFormat *solvingFormatFor(const QString &path);

const ExportFormat &pdfFormat();
const ExportFormat &pngFormat();
const ExportFormat &bmpFormat();
const ExportFormat &jpegFormat();
const ExportFormat &svgFormat();
const ExportFormat &htmlFormat(); // the web page with its picture
const ExportFormat &metafileFormat(MetafileKind kind);
const ExportFormat &textFormat(TextExportKind kind);
const ExportFormat &ipuzFormat();
const ExportFormat &puzFormat();
const ExportFormat &solvablePageFormat();

} // namespace qx
