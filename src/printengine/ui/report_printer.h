#pragma once
// Runs a report straight onto a printer: each page is drawn as it is completed, at the printer's
// resolution, with the paper the report's before event selected.

#include "printengine/base_report.h"

#include <QString>

class QPrinter;

namespace qx {

class TReportPrinter : public TBaseReport {
public:
    // Pen widths count pixels of the same resolution as the filer's, so a printed page matches its
    // preview line for line rather than thinning to the printer's own dots.
    explicit TReportPrinter(QPrinter &printer);
    ~TReportPrinter() override;

    // Why the last run printed nothing (the printer could not be started), or empty.
    const QString &ErrorText() const { return m_error; }

protected:
    void BeginDocument() override;
    void EndPage() override;
    void EndDocument() override;

private:
    QPrinter &m_printer;
    class QPainter *m_painter = nullptr;
    QString m_error;
};

// Sets the printer's paper and orientation to the stream's; shared by both printers.
void selectPaper(QPrinter &printer, const PageStream &stream);

} // namespace qx
