#pragma once
// One puzzle page rendered into a page stream, the way the preview gets it, and written out as a
// picture or a PDF. Used by the command line, the tests and the benchmarks; the windows drive
// PageRenderer and the report engine themselves to show progress and the outcome.

#include "render/page_renderer.h"
#include "render/print_options.h"
#include "render/render_outcome.h"
#include "report/page_stream.h"
#include "store/puzzle_record.h"

#include <QString>

#include <memory>

namespace qx {

struct RenderedPage {
    std::shared_ptr<const PageStream> stream;
    RenderOutcome outcome;
};

// Renders a copy of the record: the record itself is not changed.
RenderedPage renderPuzzlePage(const PuzzleRecord &record, const PrintOptions &options);

enum class PageFileFormat { Png, Pdf, Unknown };

// From the file name's extension, in any letter case.
PageFileFormat pageFileFormat(const QString &path);

// Writes page 1 of the stream: a PNG picture `pixelWidth` pixels wide, or a PDF at the paper size.
// False with a reason when it cannot.
bool writePageFile(const PageStream &stream, const QString &path, PageFileFormat format, int pixelWidth,
                   QString *error);

} // namespace qx
