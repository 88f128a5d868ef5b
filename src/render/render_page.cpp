#include "render/render_page.h"

#include "report/recording_canvas.h"

namespace qx {

RenderOutcome renderPage(PuzzleRecord &working, const PrintOptions &options, ReportCanvas &canvas,
                         std::shared_ptr<const PageFits> *fits)
{
    PageRenderer renderer(working, options);
    renderer.wire(canvas);
    canvas.execute();
    if (fits)
        *fits = renderer.takeFits();
    return renderer.outcome(canvas);
}

RenderedPage renderPuzzlePage(const PuzzleRecord &record, const PrintOptions &options)
{
    // The record is large; the working copy lives on the heap.
    auto working = std::make_unique<PuzzleRecord>(record);
    RecordingCanvas canvas;
    RenderedPage page;
    page.outcome = renderPage(*working, options, canvas, &page.fits);
    page.stream = canvas.takeStream();
    return page;
}

std::shared_ptr<const PageStream> redrawPage(const PageFits &earlier)
{
    auto working = std::make_unique<PuzzleRecord>(earlier.record);
    RecordingCanvas canvas;
    PageRenderer renderer(*working, earlier);
    renderer.wire(canvas);
    canvas.execute();
    return canvas.takeStream();
}

} // namespace qx
