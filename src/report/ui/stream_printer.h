#pragma once
// Prints a recorded PageStream on a worker thread, so the window stays responsive, with a busy flag
// that tells whether a print of the stream is still running.

#include "report/page_stream.h"

#include <QObject>

#include <atomic>
#include <memory>

class QPrinter;
class QString;
class QThread;

namespace qx {

// A printer for one job, set up as the user's printer is (printer, or file and format).
std::unique_ptr<QPrinter> printerLike(const QPrinter &setup);

// With no printer on the system at all, switches a printer that was never set up (not yet on a
// printer nor on a file) to Qt's "Print to File (PDF)" into `file`, so that the print dialog opens
// with it chosen. True when it did.
bool printToFileWithoutPrinters(QPrinter &printer, const QString &file);

class StreamPrinter : public QObject {
    Q_OBJECT
public:
    explicit StreamPrinter(std::shared_ptr<const PageStream> stream, QObject *parent = nullptr);
    ~StreamPrinter() override; // waits for a running print

    // Starts printing pages first..last (1-based, clamped to the stream), `copies` times, on the
    // printer given (whose settings the user chose). False, and nothing started, while a print is
    // still running or when there is nothing to print. The printer is the printer's own until
    // finished().
    bool print(std::unique_ptr<QPrinter> printer, int first, int last, int copies);
    bool busy() const { return m_busy; }
    // Blocks until the running print, if any, is done.
    void wait();

    // The number of copies the printer makes in one job: QPrinter's copy count when it supports
    // them, else 1.
    static int maxCopiesPerJob(QPrinter &printer);

signals:
    void finished(bool ok);

private:
    std::shared_ptr<const PageStream> m_stream;
    std::atomic<bool> m_busy = false;
    QThread *m_thread = nullptr;
};

} // namespace qx
