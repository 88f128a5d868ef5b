#include "report/ui/printer_canvas.h"

#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace qx {

namespace {

QPageSize pageSizeOf(const PageStream &stream)
{
    switch (static_cast<PaperKind>(stream.paperKind)) {
    case PaperKind::Letter:
        return QPageSize(QPageSize::Letter);
    case PaperKind::Legal:
        return QPageSize(QPageSize::Legal);
    case PaperKind::Executive:
        return QPageSize(QPageSize::Executive);
    case PaperKind::A4:
        return QPageSize(QPageSize::A4);
    case PaperKind::A5:
        return QPageSize(QPageSize::A5);
    case PaperKind::B5:
        return QPageSize(QPageSize::JisB5);
    case PaperKind::Custom:
        break;
    }
    const QSizeF portrait(std::min(stream.pageWidth, stream.pageHeight), std::max(stream.pageWidth, stream.pageHeight));
    return QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

} // namespace

void selectPaper(QPrinter &printer, const PageStream &stream)
{
    const bool landscape = stream.pageWidth > stream.pageHeight;
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(pageSizeOf(stream), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
}

PrinterCanvas::PrinterCanvas(QPrinter &printer) : ReportCanvas(RecordingCanvas::FilerPixelsPerInch), m_printer(printer)
{
}

PrinterCanvas::~PrinterCanvas()
{
    delete m_painter;
}

void PrinterCanvas::beginDocument()
{
    m_error.clear();
    selectPaper(m_printer, *m_stream);
    delete m_painter;
    m_painter = new QPainter;
    if (!m_painter->begin(&m_printer)) {
        m_error = QCoreApplication::translate("qx", "The printer could not be started.");
        delete m_painter;
        m_painter = nullptr;
        abort();
    }
}

void PrinterCanvas::endPage()
{
    if (!m_painter)
        return;
    const int page = m_stream->pageCount() - 1;
    if (page > 0)
        m_printer.newPage();
    paintPage(*m_stream, page, *m_painter, m_printer.resolution());
    // Drawn pages are not kept: a printer run needs no stream afterwards.
    m_stream->pages[static_cast<size_t>(page)].ops.clear();
}

void PrinterCanvas::endDocument()
{
    if (m_painter)
        m_painter->end();
    delete m_painter;
    m_painter = nullptr;
}

} // namespace qx
