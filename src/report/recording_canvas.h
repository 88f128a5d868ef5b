#pragma once
// Runs a report and keeps what it drew as a PageStream, for the preview, the picture and PDF
// exports, and printing later.

#include "report/report_canvas.h"

#include <memory>

namespace qx {

class RecordingCanvas : public ReportCanvas {
public:
    // Pen widths and borders are counted in pixels of this resolution, the screen's usual one, so a
    // one-pixel grid line stays a fine but visible line in every replay.
    static constexpr double FilerPixelsPerInch = 96;

    RecordingCanvas() : ReportCanvas(FilerPixelsPerInch) {}

    // The stream of the last execute(); it stays valid after the filer is gone.
    std::shared_ptr<const PageStream> takeStream() const { return m_stream; }
};

} // namespace qx
