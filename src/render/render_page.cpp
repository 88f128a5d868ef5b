#include "render/render_page.h"

#include "report/recording_canvas.h"

namespace qx {

RenderOutcome renderPage(PuzzleRecord &working, const PrintOptions &options, ReportCanvas &canvas)
{
    PageRenderer renderer(working, options);
    renderer.wire(canvas);
    canvas.execute();
    return renderer.outcome(canvas);
}

RenderedPage renderPuzzlePage(const PuzzleRecord &record, const PrintOptions &options)
{
    // The record is large; the working copy lives on the heap.
    auto working = std::make_unique<PuzzleRecord>(record);
    RecordingCanvas canvas;
    const RenderOutcome outcome = renderPage(*working, options, canvas);
    return RenderedPage{canvas.takeStream(), outcome};
}

} // namespace qx
