#include "report/ui/stream_printer.h"

#include "report/stream_replay.h"
#include "report/ui/printer_canvas.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QThread>

#include <algorithm>

namespace qx {

std::unique_ptr<QPrinter> printerLike(const QPrinter &setup)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(setup.printerName());
    printer->setOutputFormat(setup.outputFormat());
    printer->setOutputFileName(setup.outputFileName());
    return printer;
}

bool printToFileWithoutPrinters(QPrinter &printer, const QString &file)
{
    // Without any printer Qt makes a new printer a PDF writer without a file, which prints nothing.
    const bool unset = printer.outputFormat() == QPrinter::NativeFormat || printer.outputFileName().isEmpty();
    if (!unset || !QPrinterInfo::availablePrinterNames().isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

StreamPrinter::StreamPrinter(std::shared_ptr<const PageStream> stream, QObject *parent)
    : QObject(parent), m_stream(std::move(stream))
{
}

StreamPrinter::~StreamPrinter()
{
    wait();
}

void StreamPrinter::wait()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
}

int StreamPrinter::maxCopiesPerJob(QPrinter &printer)
{
    return printer.supportsMultipleCopies() ? 999 : 1;
}

bool StreamPrinter::print(std::unique_ptr<QPrinter> printer, int first, int last, int copies)
{
    if (m_busy || !printer || !m_stream || m_stream->pageCount() == 0)
        return false;
    wait();
    first = std::clamp(first, 1, m_stream->pageCount());
    last = std::clamp(last, first, m_stream->pageCount());
    copies = std::max(copies, 1);
    m_busy = true;
    std::shared_ptr<QPrinter> shared(std::move(printer));
    m_thread = QThread::create([this, shared, first, last, copies] {
        bool ok = true;
        selectPaper(*shared, *m_stream);
        // A printer that makes copies itself gets one job of n; otherwise the pages repeat.
        int repeats = copies;
        if (shared->supportsMultipleCopies()) {
            shared->setCopyCount(copies);
            repeats = 1;
        }
        QPainter painter;
        if (!painter.begin(shared.get())) {
            ok = false;
        } else {
            bool firstPage = true;
            for (int c = 0; c < repeats; ++c) {
                for (int p = first; p <= last; ++p) {
                    if (!firstPage)
                        shared->newPage();
                    firstPage = false;
                    paintPage(*m_stream, p - 1, painter, shared->resolution());
                }
            }
            ok = painter.end();
        }
        m_busy = false;
        emit finished(ok);
    });
    m_thread->start();
    return true;
}

} // namespace qx
