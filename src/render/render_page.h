#pragma once
// The one way a puzzle page is drawn: the renderer wired to a canvas, the canvas run, the outcome
// read. The print status window runs it on a canvas that reports its progress and can be aborted;
// the command line, the tests and the benchmarks on a plain one.

#include "render/page_fits.h"
#include "render/page_renderer.h"
#include "render/print_options.h"
#include "render/render_outcome.h"
#include "report/page_stream.h"
#include "store/puzzle_record.h"

#include <memory>

namespace qx {

class ReportCanvas;

// Draws the page of the working record onto the canvas. The renderers write the font sizes they
// used and the bonus question into the record. When `fits` is given it receives what the rendering
// settled, for drawing the page again as a metafile.
RenderOutcome renderPage(PuzzleRecord &working, const PrintOptions &options, ReportCanvas &canvas,
                         std::shared_ptr<const PageFits> *fits = nullptr);

struct RenderedPage {
    std::shared_ptr<const PageStream> stream;
    RenderOutcome outcome;
    std::shared_ptr<const PageFits> fits;
};

// Renders a copy of the record into a page stream, the way the preview gets it: the record itself
// is not changed.
RenderedPage renderPuzzlePage(const PuzzleRecord &record, const PrintOptions &options);

// The page drawn again from an earlier rendering, as a metafile shows it (see PageRenderer), into a
// stream recorded at the metafile's 96 pixels per inch.
std::shared_ptr<const PageStream> redrawPage(const PageFits &earlier);

} // namespace qx
