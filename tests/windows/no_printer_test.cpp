// Printing on a system without any printer, through the real Qt host: Print opens Qt's print
// dialog on "Print to File (PDF)" with a PDF named after the puzzle, and the page is printed into
// the file chosen there.
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/ui/preview_window.h"
#include "report/ui/stream_printer.h"

#include "support/real_host.h"
#include "windows/window_scene.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(NoPrinter, PrintOpensThePrintDialogOnPrintToFileAndPrintsThere)
{
    // No CUPS server answers here, so the system has no printer, whatever this machine runs.
    qputenv("CUPS_SERVER", QFile::encodeName(QDir::temp().filePath(QStringLiteral("quorvex-no-cups.sock"))));
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this system has printers";
    Scene s;
    s.p.session.settings.misc.lastExportTextFile = s.printed.file(QStringLiteral("clues.txt"));
    const QString expected = puzzleFilePath(s.p.session.settings, s.record, QStringLiteral("pdf"));
    PreviewWindow preview(s.look(), s.p.session.settings, s.p.host, s.record,
                          renderPuzzlePage(s.record, printOptionsFromSettings(s.p.session.settings)).stream,
                          [] { return std::make_unique<QPrinter>(QPrinter::HighResolution); });

    for (const char *command : {"Print Page", "Print"}) {
        SCOPED_TRACE(command);
        QFile::remove(expected);
        ModalAnswerer a;
        QString chosen;
        a.drive([&](QWidget *w) {
            if (QString::fromLatin1(command) == QLatin1String("Print"))
                preview.controls().printPage->click();
            else
                preview.actions().printPage->trigger();
            dismiss(w);
        });
        a.drive([&](QWidget *w) {
            auto *dialog = qobject_cast<QPrintDialog *>(w);
            ASSERT_TRUE(dialog) << "Print opens the print dialog";
            for (const QComboBox *combo : dialog->findChildren<QComboBox *>()) {
                if (combo->findText(QStringLiteral("Print to File (PDF)")) >= 0)
                    chosen = combo->currentText();
            }
            EXPECT_EQ(dialog->printer()->outputFileName(), expected);
            QDir().mkpath(QStringLiteral(QUORVEX_BINARY_DIR "/screenshots"));
            dialog->grab().save(QStringLiteral(QUORVEX_BINARY_DIR "/screenshots/print_dialog_without_printers.png"));
            dialog->accept();
        });
        s.modal(preview);
        a.wait();
        preview.filePrinter()->wait();
        EXPECT_EQ(chosen, QStringLiteral("Print to File (PDF)"));
        EXPECT_TRUE(a.texts().isEmpty()) << a.texts().join('\n').toStdString();
        EXPECT_GT(QFileInfo(expected).size(), 1000);
    }
}
