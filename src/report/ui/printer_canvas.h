#pragma once
// Runs a report straight onto a printer: each page is drawn as it is completed, at the printer's
// resolution, with the paper the report's before event selected.

#include "report/report_canvas.h"

#include <QString>

class QPrinter;

namespace qx {

class PrinterCanvas : public ReportCanvas {
public:
    // Pen widths count pixels of the same resolution as the filer's, so a printed page matches its
    // preview line for line rather than thinning to the printer's own dots.
    explicit PrinterCanvas(QPrinter &printer);
    ~PrinterCanvas() override;

    // Why the last run printed nothing (the printer could not be started), or empty.
    const QString &errorText() const { return m_error; }

protected:
    void beginDocument() override;
    void endPage() override;
    void endDocument() override;

private:
    QPrinter &m_printer;
    class QPainter *m_painter = nullptr;
    QString m_error;
};

// Sets the printer's paper and orientation to the stream's; shared by both printers.
void selectPaper(QPrinter &printer, const PageStream &stream);

} // namespace qx
