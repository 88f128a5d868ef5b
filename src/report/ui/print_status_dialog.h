#pragma once
// "Report Status Screen": renders the puzzle page into a page stream, shows how it went ("Puzzle
// Generated!" or "Puzzle Generation Canceled!") and tells the user of every warning of the run.
// The page renders in a moment, so it runs on the window's own thread once the window is shown.

#include "common/ui/dialog_conventions.h"
#include "render/page_fits.h"
#include "render/print_options.h"
#include "render/render_outcome.h"
#include "report/page_stream.h"
#include "store/puzzle_record.h"

#include <memory>

class QLabel;
class QPushButton;

namespace qx {

class ReportCanvas;
class UiHost;

class PrintStatusDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // The record is the working copy of the print options window: the renderers write the font
    // sizes they used into it.
    PrintStatusDialog(const DialogLook &look, UiHost &host, PuzzleRecord &working, const PrintOptions &options,
                      QWidget *parent = nullptr);
    ~PrintStatusDialog() override;

    // Runs the report, then shows the outcome and its warnings; the button becomes OK.
    void makePages();
    // Cancel asks a running report to stop; OK closes.
    void stopOrClose();

    bool finished() const { return m_finished; }
    // A report never run (the window closed first) counts as aborted: there is nothing to preview.
    bool aborted() const { return !m_finished || m_outcome.aborted; }
    const RenderOutcome &outcome() const { return m_outcome; }
    std::shared_ptr<const PageStream> stream() const { return m_stream; }
    // What the rendering settled, for drawing the page again as a metafile.
    std::shared_ptr<const PageFits> fits() const { return m_fits; }
    QString statusText() const;
    QPushButton *button() const { return m_button; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    UiHost &m_host;
    PuzzleRecord &m_working;
    PrintOptions m_options;
    QLabel *m_label = nullptr;
    QPushButton *m_button = nullptr;
    ReportCanvas *m_running = nullptr;
    bool m_started = false;
    bool m_finished = false;
    RenderOutcome m_outcome;
    std::shared_ptr<const PageStream> m_stream;
    std::shared_ptr<const PageFits> m_fits;
};

} // namespace qx
