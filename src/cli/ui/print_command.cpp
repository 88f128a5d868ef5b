#include "cli/ui/print_command.h"

#include "cli/render_command.h"
#include "common/cp1252.h"
#include "render/render_page.h"
#include "report/ui/preview_window.h"
#include "report/ui/stream_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <atomic>

namespace qx::cli {

namespace {

// The most copies one command prints: a mistyped number should not empty a paper tray.
constexpr int MaxCopies = 999;

Result print(const Options &o)
{
    if (o.positional.size() != 2)
        return fail(QStringLiteral("print needs a collection file and a record number"));
    int copies = 1;
    if (o.has(QStringLiteral("--copies"))) {
        bool ok = false;
        copies = o.value(QStringLiteral("--copies")).toInt(&ok);
        if (!ok || copies < 1 || copies > MaxCopies)
            return fail(QStringLiteral("--copies needs a whole number from 1 to %1").arg(MaxCopies));
    }
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    QString printerName = QPrinterInfo::defaultPrinterName();
    if (o.has(QStringLiteral("--printer"))) {
        printerName = o.value(QStringLiteral("--printer"));
        if (!printers.contains(printerName)) {
            return fail(QStringLiteral("no printer %1 is set up (printers: %2)")
                            .arg(printerName, printers.isEmpty() ? QStringLiteral("none") : printers.join(", ")));
        }
    } else if (printerName.isEmpty()) {
        return fail(printers.isEmpty()
                        ? QStringLiteral("no printer is set up; render --out FILE.pdf writes the page as a PDF file")
                        : QStringLiteral("no default printer; name one with --printer (printers: %1)")
                              .arg(printers.join(", ")));
    }

    auto read = printablePuzzle(o);
    if (!read.record)
        return read.failure;
    QString error;
    const std::optional<PrintOptions> options = pageOptions(o, *read.record, error);
    if (!options)
        return fail(error);
    const RenderedPage page = renderPuzzlePage(*read.record, *options);

    // As the preview's Print and Print Multiple Copies: the printer makes the copies in one job
    // when it can, else one job a copy.
    const auto printer = [&] {
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setPrinterName(printerName);
        p->setDocName(cp1252::toUnicode(read.record->PuzzleName.str()));
        return p;
    };
    StreamPrinter printing(page.stream);
    std::atomic<bool> printed = true;
    QObject::connect(
        &printing, &StreamPrinter::finished, &printing, [&](bool ok) { printed = printed && ok; },
        Qt::DirectConnection);
    for (const int jobCopies : copyJobs(copies, StreamPrinter::maxCopiesPerJob(*printer()))) {
        if (!printing.print(printer(), 1, page.stream->pageCount(), jobCopies))
            return fail(QStringLiteral("the page of puzzle %1 could not be printed").arg(o.positional[1]));
        printing.wait();
        if (!printed)
            return fail(QStringLiteral("the printer %1 did not take the page").arg(printerName));
    }
    Result result;
    result.lines << QStringLiteral("Printed \"%1\" on %2, %3 %4.")
                        .arg(cp1252::toUnicode(read.record->PuzzleName.str()), printerName)
                        .arg(copies)
                        .arg(copies == 1 ? QStringLiteral("copy") : QStringLiteral("copies"));
    return result;
}

} // namespace

Command printCommand()
{
    return {"print", {{"--printer", "--copies", "--layout", "--layouts"}, {"--answer-key"}}, print};
}

} // namespace qx::cli
