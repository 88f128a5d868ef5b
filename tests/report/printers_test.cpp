// Printing, here onto a PDF printer: straight from the report events, and from a recorded stream
// on a worker thread with its busy flag.
#include "report/recording_canvas.h"
#include "report/ui/printer_canvas.h"
#include "report/ui/stream_printer.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QPrinter>

#include <gtest/gtest.h>

#include <atomic>

using namespace qx;

namespace {

void drawPage(ReportCanvas &r)
{
    r.setFont(ReportFont{QStringLiteral("Arial"), 20});
    r.printXY(1, 1, u"Crossword");
    r.frameRect(1, 2, 3, 4);
}

int pdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(f.readAll().count("/Type /Page\n") + 0);
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

} // namespace

TEST(Printers, ReportPrinterDrawsTheEventsOnThePaperTheReportChose)
{
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("direct.pdf"));
    auto printer = pdfPrinter(path);
    PrinterCanvas report(*printer);
    report.OnBeforePrint = [](ReportCanvas &r) { r.setPaper(PaperKind::Legal); };
    report.OnPrintPage = drawPage;
    report.execute();
    EXPECT_TRUE(report.errorText().isEmpty());
    EXPECT_FALSE(report.aborted());
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::Legal);
    EXPECT_GT(QFile(path).size(), 500);
}

TEST(Printers, FilePrinterPrintsAStreamOnAWorkerAndRefusesWhileBusy)
{
    RecordingCanvas filer;
    filer.OnPrintPage = drawPage;
    filer.execute();
    StreamPrinter printer(filer.takeStream());
    std::atomic<int> finished = 0;
    std::atomic<int> succeeded = 0;
    QObject::connect(&printer, &StreamPrinter::finished, [&](bool ok) { // runs on the worker
        ++finished;
        succeeded += ok ? 1 : 0;
    });

    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("stream.pdf"));
    ASSERT_TRUE(printer.print(pdfPrinter(path), 1, 1, 1));
    // A second print while the first runs is refused and starts nothing; one that comes after the
    // first has already finished is a print of its own. Which of the two happens is the worker's
    // timing, so both are checked by what they leave behind.
    const QString other = dir.file(QStringLiteral("other.pdf"));
    const bool second = printer.print(pdfPrinter(other), 1, 1, 1);
    printer.wait();
    EXPECT_FALSE(printer.busy());
    EXPECT_EQ(finished, second ? 2 : 1);
    EXPECT_EQ(succeeded, finished);
    EXPECT_EQ(pdfPages(path), 1);
    EXPECT_EQ(QFile::exists(other), second);

    // Pages beyond the stream are clamped to it; copies repeat or are left to the printer.
    ASSERT_TRUE(printer.print(pdfPrinter(dir.file(QStringLiteral("copies.pdf"))), 1, 9, 3));
    printer.wait();
    EXPECT_GE(pdfPages(dir.file(QStringLiteral("copies.pdf"))), 1);
}
