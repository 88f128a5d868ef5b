#include "report/ui/preview_window.h"

#include "common/cp1252.h"
#include "common/dialog_look.h"
#include "common/ui/ui_host.h"
#include "export/export_formats.h"
#include "export/metafile_format.h"
#include "export/ui/jpeg_factor_dialog.h"
#include "export/ui/metafile_creation_dialog.h"
#include "export/ui/pixel_width_dialog.h"
#include "export/ui/web_page_dialog.h"
#include "export/web_page.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/stream_preview.h"
#include "report/ui/stream_printer.h"
#include "store/settings.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

QString puzzleFilePath(const Settings &settings, const PuzzleRecord &record, const QString &suffix,
                       const QString &besides)
{
    const QString dir = fileDialogStart(besides.isEmpty() ? settings.misc.lastExportTextFile : besides).folder;
    QString name = cp1252::toUnicode(record.PuzzleName.str()).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return dir + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("puzzle") : name) + QLatin1Char('.') + suffix;
}

std::vector<int> copyJobs(int copies, int maxPerJob)
{
    if (copies < 1)
        return {};
    if (copies < maxPerJob)
        return {copies};
    return std::vector<int>(static_cast<size_t>(copies), 1);
}

namespace {

// An edit for a number that keeps room for the widest number it shows, in whatever font the
// user's edit font gives it.
class NumberEdit : public QLineEdit {
public:
    NumberEdit(QString widest, QWidget *parent) : QLineEdit(parent), m_widest(std::move(widest))
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        QSize hint = QLineEdit::sizeHint();
        hint.setWidth(neededWidth());
        return hint;
    }
    QSize minimumSizeHint() const override
    {
        QSize hint = QLineEdit::minimumSizeHint();
        hint.setWidth(neededWidth());
        return hint;
    }

private:
    int neededWidth() const
    {
        // The text, the edit's inner margins on both sides and its frame.
        const QFontMetrics metrics = fontMetrics();
        const QMargins margins = textMargins() + contentsMargins();
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        return metrics.horizontalAdvance(m_widest) + metrics.averageCharWidth() + margins.left() + margins.right() +
               2 * frame + 4;
    }

    QString m_widest;
};

} // namespace

PreviewWindow::PreviewWindow(const DialogLook &look, Settings &settings, UiHost &host, const PuzzleRecord &record,
                             std::shared_ptr<const PageStream> stream, PrinterFactory printers, QWidget *parent)
    : ConventionalDialog(look, QSize(640, 480), parent), m_settings(settings), m_host(host), m_record(record),
      m_stream(std::move(stream)), m_printers(std::move(printers))
{
    setWindowTitle(tr("Puzzle Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    m_printer = std::make_unique<StreamPrinter>(m_stream);
    connect(m_printer.get(), &StreamPrinter::finished, this, [this](bool ok) {
        if (!ok)
            printFailed();
    });
    m_preview = new StreamPreview(m_stream, this);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(buildMenus());
    layout->addLayout(buildButtonRows());
    layout->addWidget(m_preview, 1);

    connect(m_preview, &StreamPreview::zoomChanged, this, &PreviewWindow::refreshZoomEdits);
    refreshZoomEdits();
}

PreviewWindow::~PreviewWindow() = default;

QMenuBar *PreviewWindow::buildMenus()
{
    auto *bar = new QMenuBar(this);
    buildFileMenu(bar->addMenu(tr("&File")));
    buildViewMenu(bar->addMenu(tr("&View")));
    return bar;
}

void PreviewWindow::buildFileMenu(QMenu *file)
{
    Actions &a = m_actions;
    a.printPage = file->addAction(tr("&Print Page"));
    connect(a.printPage, &QAction::triggered, this, &PreviewWindow::printPage);
    a.printCopies = file->addAction(tr("Print &Multiple Copies"));
    connect(a.printCopies, &QAction::triggered, this, &PreviewWindow::printCopies);
    file->addSeparator();
    // The metafiles are offered once the window has the page's rendering (setFits).
    QMenu *meta = file->addMenu(tr("Export As &Metafile"));
    a.exportWmf = meta->addAction(tr("&Windows MetaFile (WMF)"));
    connect(a.exportWmf, &QAction::triggered, this, [this] { exportMetafile(MetafileKind::Wmf); });
    a.exportEmf = meta->addAction(tr("&Enhanced MetaFile (EMF)"));
    connect(a.exportEmf, &QAction::triggered, this, [this] { exportMetafile(MetafileKind::Emf); });
    QMenu *picture = file->addMenu(tr("Export As &Picture"));
    a.exportBmp = picture->addAction(tr("Windows &Bitmap (BMP)"));
    connect(a.exportBmp, &QAction::triggered, this, &PreviewWindow::exportBitmap);
    a.exportJpeg = picture->addAction(tr("&JPEG (JPG)"));
    a.exportJpeg->setShortcut(QKeySequence(tr("Ctrl+J")));
    connect(a.exportJpeg, &QAction::triggered, this, &PreviewWindow::exportJpeg);
    a.jpegFactor = picture->addAction(tr("JPEG Compression &Factor"));
    a.jpegFactor->setShortcut(QKeySequence(tr("Ctrl+F")));
    connect(a.jpegFactor, &QAction::triggered, this, &PreviewWindow::setJpegFactor);
    a.exportHtml = file->addAction(tr("&HTML Export"));
    connect(a.exportHtml, &QAction::triggered, this, &PreviewWindow::createWebPage);
    for (QAction *later : {a.exportWmf, a.exportEmf})
        later->setEnabled(false);
    QMenu *text = file->addMenu(tr("&Text Export"));
    a.exportClues = text->addAction(tr("&Clues"));
    connect(a.exportClues, &QAction::triggered, this, [this] { exportTextFile(TextExportKind::Clues); });
    a.exportWords = text->addAction(tr("&Words"));
    connect(a.exportWords, &QAction::triggered, this, [this] { exportTextFile(TextExportKind::Words); });
    a.exportPdf = file->addAction(tr("Export As P&DF..."));
    connect(a.exportPdf, &QAction::triggered, this, &PreviewWindow::exportPdfFile);
    a.exportSvg = file->addAction(tr("Export As S&VG..."));
    connect(a.exportSvg, &QAction::triggered, this, &PreviewWindow::exportSvg);
    QMenu *solving = file->addMenu(tr("Export For Solving &Apps"));
    a.exportIpuz = solving->addAction(tr("&ipuz File..."));
    a.exportPuz = solving->addAction(tr("&PUZ File..."));
    a.exportSolvablePage = file->addAction(tr("Export As &Solvable Web Page..."));
    const std::pair<QAction *, const ExportFormat *> solvingExports[] = {
        {a.exportIpuz, &ipuzFormat()}, {a.exportPuz, &puzFormat()}, {a.exportSolvablePage, &solvablePageFormat()}};
    for (const auto &[action, format] : solvingExports)
        connect(action, &QAction::triggered, this, [this, format] { exportForSolving(*format); });
    file->addSeparator();
    a.exit = file->addAction(tr("E&xit"));
    connect(a.exit, &QAction::triggered, this, &QDialog::accept);
}

void PreviewWindow::buildViewMenu(QMenu *view)
{
    Actions &a = m_actions;
    QMenu *in = view->addMenu(tr("Zoom &In"));
    QMenu *out = view->addMenu(tr("Zoom &Out"));
    const auto zoomTo = [this](QMenu *menu, const QString &caption, double percent) {
        QAction *action = menu->addAction(caption);
        connect(action, &QAction::triggered, this, [this, percent] { m_preview->setZoom(percent); });
        return action;
    };
    a.zoomIn = {zoomTo(in, tr("&1 : 1"), 100), zoomTo(in, tr("&2 : 1"), 200)};
    a.zoomOut = {zoomTo(out, tr("1 : &1"), 100), zoomTo(out, tr("1 : &2"), 50), zoomTo(out, tr("1 : &3"), 100.0 / 3),
                 zoomTo(out, tr("1 : &4"), 25), zoomTo(out, tr("1 : &5"), 20)};
    view->addSeparator();
    a.zoomPageWidth = view->addAction(tr("Zoom Page Width"));
    a.zoomPageWidth->setShortcut(QKeySequence(tr("Ctrl+Z")));
    connect(a.zoomPageWidth, &QAction::triggered, m_preview, &StreamPreview::zoomPageWidth);
    a.zoomWholePage = view->addAction(tr("Zoom Whole Page"));
    a.zoomWholePage->setShortcut(QKeySequence(tr("Ctrl+W")));
    connect(a.zoomWholePage, &QAction::triggered, m_preview, &StreamPreview::zoomWholePage);
}

QLayout *PreviewWindow::buildButtonRows()
{
    Controls &c = m_controls;
    const auto makeButton = [this](const QString &caption, auto handler) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    const auto laterButton = [this](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        b->setEnabled(false);
        return b;
    };
    c.printPage = makeButton(tr("Print Page"), &PreviewWindow::printPages);
    c.zoomIn = makeButton(tr("Zoom In"), [this] { m_preview->zoomIn(); });
    c.zoomOut = makeButton(tr("Zoom Out"), [this] { m_preview->zoomOut(); });
    c.zoomPageWidth = makeButton(tr("Zoom Page Width"), [this] { m_preview->zoomPageWidth(); });
    c.done = makeButton(tr("Done"), &QDialog::accept);
    c.exportMetafile = laterButton(tr("Export As Metafile"));
    connect(c.exportMetafile, &QPushButton::clicked, this, [this] { exportMetafile(MetafileKind::Wmf); });
    c.exportBitmap = makeButton(tr("Export As Bitmap"), &PreviewWindow::exportBitmap);
    c.exportJpeg = makeButton(tr("Export As JPEG"), &PreviewWindow::exportJpeg);
    c.createWebPage = makeButton(tr("Create Web Page"), &PreviewWindow::createWebPage);
    c.exportPdf = makeButton(tr("Export As PDF"), &PreviewWindow::exportPdfFile);

    // Room for the widest zoom (800.00) and for the page width at that zoom.
    m_zoomEdit = new NumberEdit(QString::number(StreamPreview::MaxZoom, 'f', 2), this);
    m_pixelEdit =
        new NumberEdit(QString::number(std::max(m_preview->pixelWidthAt(StreamPreview::MaxZoom), 99999)), this);
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, &PreviewWindow::zoomEditDone);
    connect(m_pixelEdit, &QLineEdit::editingFinished, this, &PreviewWindow::pixelEditDone);

    auto *row1 = new QHBoxLayout;
    for (QPushButton *b : {c.printPage, c.zoomIn, c.zoomOut, c.zoomPageWidth})
        row1->addWidget(b);
    row1->addWidget(new QLabel(tr("Zoom %"), this));
    row1->addWidget(m_zoomEdit);
    row1->addWidget(new QLabel(tr("Pixel Width"), this));
    row1->addWidget(m_pixelEdit);
    row1->addStretch();
    row1->addWidget(c.done);
    auto *row2 = new QHBoxLayout;
    for (QPushButton *b : {c.exportMetafile, c.exportBitmap, c.exportJpeg, c.createWebPage, c.exportPdf})
        row2->addWidget(b);
    row2->addStretch();
    auto *rows = new QVBoxLayout;
    rows->addLayout(row1);
    rows->addLayout(row2);
    // Where the last export went, on a line of its own. A long path is cut at the window's edge
    // rather than widening the window; the tip shows it whole.
    m_savedTo = new QLabel(this);
    m_savedTo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_savedTo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows->addWidget(m_savedTo);
    return rows;
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Where the user last left the preview, never smaller than its controls need and never off the
    // screen (a setting from a larger screen would leave Done out of reach).
    const auto &r = m_settings.reports;
    const QSize least = minimumSizeHint();
    resize(std::max(r.viewerWidth, least.width()), std::max(r.viewerHeight, least.height()));
    move(r.viewerLeft, r.viewerTop);
    fitOnScreen(*this);
    QTimer::singleShot(0, m_preview, &StreamPreview::zoomPageWidth);
}

void PreviewWindow::rememberGeometry()
{
    auto &r = m_settings.reports;
    r.viewerLeft = x();
    r.viewerTop = y();
    r.viewerWidth = width();
    r.viewerHeight = height();
}

void PreviewWindow::done(int result)
{
    if (m_placed)
        rememberGeometry();
    ConventionalDialog::done(result);
}

void PreviewWindow::refreshZoomEdits()
{
    m_zoomEdit->setText(QString::number(m_preview->zoom(), 'f', 2));
    m_pixelEdit->setText(QString::number(m_preview->pixelWidth()));
}

void PreviewWindow::zoomEditDone()
{
    bool ok = false;
    const double zoom = m_zoomEdit->text().trimmed().toDouble(&ok);
    if (ok && zoom != m_preview->zoom())
        m_preview->setZoom(zoom);
    refreshZoomEdits();
}

void PreviewWindow::pixelEditDone()
{
    bool ok = false;
    const int pixels = m_pixelEdit->text().trimmed().toInt(&ok);
    if (ok && pixels > 0 && pixels != m_preview->pixelWidth())
        m_preview->setZoom(m_preview->zoomForPixelWidth(pixels));
    refreshZoomEdits();
}

bool PreviewWindow::guardBusy()
{
    if (!m_printer->busy())
        return false;
    m_host.message(this, tr("Error"), tr("Previous print job has not yet finished.  Try again later."), Buttons::Ok);
    return true;
}

std::unique_ptr<QPrinter> PreviewWindow::jobPrinter(bool &cancelled)
{
    cancelled = false;
    std::unique_ptr<QPrinter> printer = m_printers ? m_printers() : nullptr;
    if (!printer || !printToFileWithoutPrinters(*printer, m_lastPdf.isEmpty() ? puzzleFileName("pdf") : m_lastPdf))
        return printer;
    if (!m_host.printerSetup(this, *printer)) {
        cancelled = true;
        return nullptr;
    }
    if (printer->outputFormat() == QPrinter::PdfFormat)
        m_lastPdf = printer->outputFileName();
    return printer;
}

void PreviewWindow::printFailed()
{
    // The way out when the printer fails or there is none: the same page as a PDF file.
    m_host.message(this, tr("Error"),
                   tr("The page could not be printed.  To keep it as a PDF file instead, use Export As PDF, or "
                      "choose \"Print to File (PDF)\" in Printer Setup."),
                   Buttons::Ok);
}

bool PreviewWindow::startJob(std::unique_ptr<QPrinter> printer, int first, int last, int copies)
{
    if (!printer || !m_printer->print(std::move(printer), first, last, copies)) {
        printFailed();
        return false;
    }
    m_jobs.push_back(copies);
    return true;
}

void PreviewWindow::printPages()
{
    if (guardBusy())
        return;
    bool cancelled = false;
    std::unique_ptr<QPrinter> printer = jobPrinter(cancelled);
    if (!cancelled)
        startJob(std::move(printer), 1, m_stream ? m_stream->pageCount() : 1, 1);
}

void PreviewWindow::printPage()
{
    if (guardBusy())
        return;
    bool cancelled = false;
    std::unique_ptr<QPrinter> printer = jobPrinter(cancelled);
    const int page = m_preview->page() + 1;
    if (!cancelled)
        startJob(std::move(printer), page, page, 1);
}

void PreviewWindow::printCopies()
{
    CopiesDialog dialog(look(), m_host, this);
    if (m_host.runModal(dialog) != QDialog::Accepted || dialog.copies() < 1)
        return;
    bool cancelled = false;
    std::unique_ptr<QPrinter> first = jobPrinter(cancelled);
    if (!first)
        return;
    // A file takes every copy in one job: a job a copy would write the file anew each time.
    const int maxPerJob =
        first->outputFormat() == QPrinter::PdfFormat ? dialog.copies() + 1 : StreamPrinter::maxCopiesPerJob(*first);
    const std::vector<int> jobs = copyJobs(dialog.copies(), maxPerJob);
    const int page = m_preview->page() + 1;
    if (jobs.size() == 1) {
        if (!guardBusy())
            startJob(std::move(first), page, page, jobs.front());
        return;
    }
    // One copy per job, each once the one before it has gone to the printer.
    const std::unique_ptr<QPrinter> setup = printerLike(*first);
    for (const int copies : jobs) {
        m_printer->wait();
        if (!startJob(first ? std::move(first) : printerLike(*setup), page, page, copies))
            return;
    }
}

std::optional<QString> PreviewWindow::askExportPath(const QString &title, const QString &filter, const QString &suffix,
                                                    const QString &start)
{
    FileRequest request;
    request.title = title;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.initialPath = start;
    request.overwritePrompt = true;
    return m_host.saveFileName(this, request);
}

void PreviewWindow::exportTextFile(TextExportKind kind)
{
    const auto path =
        askExportPath(kind == TextExportKind::Clues ? tr("Export Clues") : tr("Export Words"), tr("text (*.txt)|*.txt"),
                      QStringLiteral("txt"), m_settings.misc.lastExportTextFile);
    if (!path)
        return;
    m_settings.misc.lastExportTextFile = *path;
    ExportInput input;
    input.record = &m_record;
    if (!textFormat(kind).write(input, *path, ReplaceConfirmed)) {
        m_host.message(this, tr("Error"), tr("Unable to create export file."), Buttons::Ok);
        return;
    }
    showSavedTo({*path});
}

void PreviewWindow::exportPdfFile()
{
    exportDrawing(pdfFormat(), tr("Export As PDF"), m_lastPdf);
}

void PreviewWindow::exportSvg()
{
    exportDrawing(svgFormat(), tr("Export As SVG"), m_lastSvg);
}

void PreviewWindow::exportDrawing(const ExportFormat &format, const QString &title, QString &last)
{
    if (last.isEmpty())
        last = puzzleFileName(format.suffix());
    const auto path = askExportPath(title, format.nameFilter(), format.suffix(), last);
    if (!path)
        return;
    last = *path;
    ExportInput input;
    input.record = &m_record;
    input.page = m_stream.get();
    input.pageIndex = m_preview->page();
    if (const FileStatus written = format.write(input, *path, ReplaceConfirmed); !written) {
        m_host.message(this, tr("Error"),
                       tr("Unable to create export file.") + QLatin1Char('\n') + written.error().errorText(),
                       Buttons::Ok);
        return;
    }
    showSavedTo({*path});
}

void PreviewWindow::exportForSolving(const ExportFormat &format)
{
    const auto path = askExportPath(&format == &solvablePageFormat() ? tr("Export As Solvable Web Page")
                                                                     : tr("Export For Solving Apps"),
                                    format.nameFilter(), format.suffix(), puzzleFileName(format.suffix()));
    if (!path)
        return;
    ExportInput input;
    input.record = &m_record;
    if (const FileStatus written = format.write(input, *path, ReplaceConfirmed); !written) {
        m_host.fileError(this, written.error(), tr("Unable to create export file."));
        return;
    }
    showSavedTo({*path});
}

void PreviewWindow::setFits(std::shared_ptr<const PageFits> fits)
{
    m_fits = std::move(fits);
    const bool offered = m_fits != nullptr;
    m_actions.exportWmf->setEnabled(offered);
    m_actions.exportEmf->setEnabled(offered);
    m_controls.exportMetafile->setEnabled(offered);
}

void PreviewWindow::exportMetafile(MetafileKind kind)
{
    if (!m_fits)
        return;
    const bool wmf = kind == MetafileKind::Wmf;
    QString &remembered = wmf ? m_settings.misc.lastExportWmfFile : m_settings.misc.lastExportEmfFile;
    const auto path = askExportPath(wmf ? tr("Save Puzzle As MetaFile") : tr("Save Puzzle As Enhanced MetaFile"),
                                    wmf ? tr("Metafile (*.WMF)|*.WMF") : tr("Enhanced Metafile (*.EMF)|*.EMF"),
                                    wmf ? QStringLiteral("WMF") : QStringLiteral("EMF"), remembered);
    if (!path)
        return;
    remembered = *path;

    if (metafileDropsBitmaps(m_fits->record.Layout)) {
        m_host.message(this, tr("Warning"), tr("Bitmaps in this puzzle will not be saved in the metafile."),
                       Buttons::Ok);
    }

    ExportInput input;
    input.record = &m_fits->record;
    input.page = m_stream.get();
    input.fits = m_fits.get();
    MetafileCreationDialog creation(look(), m_host, metafileFormat(kind), input, *path, this);
    m_host.runModal(creation);
    if (creation.written())
        showSavedTo({*path});
}

void PreviewWindow::exportBitmap()
{
    exportPicture(bmpFormat());
}

void PreviewWindow::exportJpeg()
{
    exportPicture(jpegFormat());
}

void PreviewWindow::exportPicture(const ExportFormat &format)
{
    const bool bitmap = &format == &bmpFormat();
    Settings &s = m_settings;
    PixelWidthDialog width(look(), m_host, bitmap ? PixelWidthDialog::Mode::Bitmap : PixelWidthDialog::Mode::Jpeg,
                           s.reports.pixelWidth, QSizeF(m_stream->pageWidth, m_stream->pageHeight), this);
    if (m_host.runModal(width) != QDialog::Accepted)
        return;
    s.reports.pixelWidth = width.pixelWidth();

    QString &last = bitmap ? s.misc.lastExportBitmapFile : s.misc.lastExportJpegFile;
    const QString suffix = bitmap ? QStringLiteral("BMP") : QStringLiteral("JPG");
    // The folder of the last picture, named after this puzzle as the PDF is: the name of another
    // puzzle's picture would be the wrong one to offer.
    const auto path = askExportPath(bitmap ? tr("Save Puzzle As Bitmap") : tr("Save Puzzle As JPeg"),
                                    bitmap ? tr("Bitmap (*.BMP)|*.BMP") : tr("JPeg (*.JPG)|*.JPG"), suffix,
                                    puzzleFileName(suffix, last));
    if (!path)
        return;
    last = *path;

    ExportInput input;
    input.record = &m_record;
    input.page = m_stream.get();
    input.pageIndex = m_preview->page();
    input.pixelWidth = s.reports.pixelWidth;
    input.jpegQuality = s.reports.jpegQuality;
    input.colors256 = s.reports.pixelFormat == 2;
    if (const FileStatus written = format.write(input, *path, ReplaceConfirmed); !written) {
        m_host.fileError(this, written.error());
        return;
    }
    showSavedTo({*path});
}

void PreviewWindow::setJpegFactor()
{
    editJpegFactor(this, look(), m_host, m_settings);
}

void PreviewWindow::createWebPage()
{
    WebPageDialog page(look(), m_settings, m_host, m_stream, m_preview->page(), this);
    page.startWithPuzzleTitle(cp1252::toUnicode(m_record.PuzzleName.str()).trimmed());
    if (m_host.runModal(page) == QDialog::Accepted && !page.savedPage().isEmpty())
        showSavedTo({page.savedPage(), webPicturePath(page.savedPage())});
}

void PreviewWindow::showSavedTo(const QStringList &paths)
{
    QStringList shown;
    for (const QString &path : paths)
        shown << QFileInfo(path).absoluteFilePath();
    m_savedTo->setText(tr("Saved to %1").arg(shown.join(tr(" and "))));
    m_savedTo->setToolTip(m_savedTo->text());
}

} // namespace qx
