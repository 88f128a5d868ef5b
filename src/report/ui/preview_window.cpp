#include "report/ui/preview_window.h"

#include "common/cp1252.h"
#include "common/dialog_look.h"
#include "common/ui/ui_host.h"
#include "export/text_export.h"
#include "report/stream_replay.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/stream_preview.h"
#include "report/ui/stream_printer.h"
#include "store/settings.h"

#include <QAction>
#include <QDir>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

std::vector<int> copyJobs(int copies, int maxPerJob)
{
    if (copies < 1)
        return {};
    if (copies < maxPerJob)
        return {copies};
    return std::vector<int>(static_cast<size_t>(copies), 1);
}

namespace {

QString withoutMarks(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

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
    connect(m_printer.get(), &StreamPrinter::Finished, this, [this](bool ok) {
        if (!ok)
            m_host.message(this, tr("Error"), tr("The page could not be printed."), Buttons::Ok);
    });
    m_preview = new StreamPreview(m_stream, this);

    // Menus.
    auto *bar = new QMenuBar(this);
    QMenu *file = bar->addMenu(tr("&File"));
    connect(file->addAction(tr("&Print Page")), &QAction::triggered, this, &PreviewWindow::onMenuPrintPageClicked);
    connect(file->addAction(tr("Print &Multiple Copies")), &QAction::triggered, this,
            &PreviewWindow::onMultipleCopiesClicked);
    file->addSeparator();
    QMenu *meta = file->addMenu(tr("Export As &Metafile"));
    meta->addAction(tr("&Windows MetaFile (WMF)"))->setEnabled(false);
    meta->addAction(tr("&Enhanced MetaFile (EMF)"))->setEnabled(false);
    QMenu *picture = file->addMenu(tr("Export As &Picture"));
    picture->addAction(tr("Windows &Bitmap (BMP)"))->setEnabled(false);
    QAction *jpeg = picture->addAction(tr("&JPEG (JPG)"));
    jpeg->setShortcut(QKeySequence(tr("Ctrl+J")));
    jpeg->setEnabled(false);
    QAction *factor = picture->addAction(tr("JPEG Compression &Factor"));
    factor->setShortcut(QKeySequence(tr("Ctrl+F")));
    factor->setEnabled(false);
    file->addAction(tr("&HTML Export"))->setEnabled(false);
    QMenu *text = file->addMenu(tr("&Text Export"));
    connect(text->addAction(tr("&Clues")), &QAction::triggered, this,
            [this] { onExportTextClicked(TextExportKind::Clues); });
    connect(text->addAction(tr("&Words")), &QAction::triggered, this,
            [this] { onExportTextClicked(TextExportKind::Words); });
    connect(file->addAction(tr("Export As P&DF...")), &QAction::triggered, this, &PreviewWindow::onExportPdfClicked);
    file->addSeparator();
    connect(file->addAction(tr("E&xit")), &QAction::triggered, this, &QDialog::accept);

    QMenu *view = bar->addMenu(tr("&View"));
    QMenu *in = view->addMenu(tr("Zoom &In"));
    QMenu *out = view->addMenu(tr("Zoom &Out"));
    const auto zoomTo = [this](QMenu *menu, const QString &caption, double percent) {
        connect(menu->addAction(caption), &QAction::triggered, this, [this, percent] { m_preview->setZoom(percent); });
    };
    zoomTo(in, tr("&1 : 1"), 100);
    zoomTo(in, tr("&2 : 1"), 200);
    zoomTo(out, tr("1 : &1"), 100);
    zoomTo(out, tr("1 : &2"), 50);
    zoomTo(out, tr("1 : &3"), 100.0 / 3);
    zoomTo(out, tr("1 : &4"), 25);
    zoomTo(out, tr("1 : &5"), 20);
    view->addSeparator();
    QAction *pageWidth = view->addAction(tr("Zoom Page Width"));
    pageWidth->setShortcut(QKeySequence(tr("Ctrl+Z")));
    connect(pageWidth, &QAction::triggered, m_preview, &StreamPreview::zoomPageWidth);
    QAction *whole = view->addAction(tr("Zoom Whole Page"));
    whole->setShortcut(QKeySequence(tr("Ctrl+W")));
    connect(whole, &QAction::triggered, m_preview, &StreamPreview::zoomWholePage);

    // Buttons and the zoom edits.
    const auto makeButton = [this](const QString &caption, auto handler) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    const auto disabledButton = [this](const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setAutoDefault(false);
        b->setEnabled(false);
        return b;
    };
    m_zoomEdit = new QLineEdit(this);
    m_pixelEdit = new QLineEdit(this);
    m_zoomEdit->setMaximumWidth(scaledBy(70, look.screenFactor));
    m_pixelEdit->setMaximumWidth(scaledBy(70, look.screenFactor));
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, &PreviewWindow::zoomEditDone);
    connect(m_pixelEdit, &QLineEdit::editingFinished, this, &PreviewWindow::pixelEditDone);

    auto *row1 = new QHBoxLayout;
    row1->addWidget(makeButton(tr("Print Page"), &PreviewWindow::onPrintButtonClicked));
    row1->addWidget(makeButton(tr("Zoom In"), [this] { m_preview->zoomIn(); }));
    row1->addWidget(makeButton(tr("Zoom Out"), [this] { m_preview->zoomOut(); }));
    row1->addWidget(makeButton(tr("Zoom Page Width"), [this] { m_preview->zoomPageWidth(); }));
    row1->addWidget(new QLabel(tr("Zoom %"), this));
    row1->addWidget(m_zoomEdit);
    row1->addWidget(new QLabel(tr("Pixel Width"), this));
    row1->addWidget(m_pixelEdit);
    row1->addStretch();
    row1->addWidget(makeButton(tr("Done"), &QDialog::accept));
    auto *row2 = new QHBoxLayout;
    row2->addWidget(disabledButton(tr("Export As Metafile")));
    row2->addWidget(disabledButton(tr("Export As Bitmap")));
    row2->addWidget(disabledButton(tr("Export As JPEG")));
    row2->addWidget(disabledButton(tr("Create Web Page")));
    row2->addWidget(makeButton(tr("Export As PDF"), &PreviewWindow::onExportPdfClicked));
    row2->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(row1);
    layout->addLayout(row2);
    layout->addWidget(m_preview, 1);

    connect(m_preview, &StreamPreview::zoomChanged, this, &PreviewWindow::refreshZoomEdits);
    refreshZoomEdits();
}

PreviewWindow::~PreviewWindow() = default;

QAction *PreviewWindow::action(const QString &caption) const
{
    for (QAction *a : findChildren<QAction *>()) {
        if (withoutMarks(a->text()) == caption)
            return a;
    }
    return nullptr;
}

QPushButton *PreviewWindow::button(const QString &caption) const
{
    for (QPushButton *b : findChildren<QPushButton *>()) {
        if (withoutMarks(b->text()) == caption)
            return b;
    }
    return nullptr;
}

void PreviewWindow::showEvent(QShowEvent *event)
{
    ConventionalDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Where the user last left the preview, never smaller than its controls need.
    const auto &r = m_settings.reports;
    const QSize least = minimumSizeHint();
    resize(std::max(r.viewerWidth, least.width()), std::max(r.viewerHeight, least.height()));
    move(r.viewerLeft, r.viewerTop);
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
    m_zoomEdit->setText(QString::number(m_preview->Zoom(), 'f', 2));
    m_pixelEdit->setText(QString::number(m_preview->pixelWidth()));
}

void PreviewWindow::zoomEditDone()
{
    bool ok = false;
    const double zoom = m_zoomEdit->text().trimmed().toDouble(&ok);
    if (ok && zoom != m_preview->Zoom())
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
    if (!m_printer->Busy())
        return false;
    m_host.message(this, tr("Error"), tr("Previous print job has not yet finished.  Try again later."), Buttons::Ok);
    return true;
}

bool PreviewWindow::startJob(int first, int last, int copies)
{
    std::unique_ptr<QPrinter> printer = m_printers ? m_printers() : nullptr;
    if (!printer || !m_printer->Print(std::move(printer), first, last, copies)) {
        m_host.message(this, tr("Error"), tr("The page could not be printed."), Buttons::Ok);
        return false;
    }
    m_jobs.push_back(copies);
    return true;
}

void PreviewWindow::onPrintButtonClicked()
{
    if (guardBusy())
        return;
    startJob(1, m_stream ? m_stream->pageCount() : 1, 1);
}

void PreviewWindow::onMenuPrintPageClicked()
{
    if (guardBusy())
        return;
    const int page = m_preview->Page() + 1;
    startJob(page, page, 1);
}

void PreviewWindow::onMultipleCopiesClicked()
{
    CopiesDialog dialog(look(), m_host, this);
    if (m_host.runModal(dialog) != QDialog::Accepted || dialog.copies() < 1)
        return;
    std::unique_ptr<QPrinter> probe = m_printers ? m_printers() : nullptr;
    if (!probe)
        return;
    const std::vector<int> jobs = copyJobs(dialog.copies(), StreamPrinter::maxCopiesPerJob(*probe));
    const int page = m_preview->Page() + 1;
    if (jobs.size() == 1) {
        if (!guardBusy())
            startJob(page, page, jobs.front());
        return;
    }
    // One copy per job, each once the one before it has gone to the printer.
    for (const int copies : jobs) {
        m_printer->Wait();
        if (!startJob(page, page, copies))
            return;
    }
}

void PreviewWindow::onExportTextClicked(TextExportKind kind)
{
    FileRequest request;
    request.title = kind == TextExportKind::Clues ? tr("Export Clues") : tr("Export Words");
    request.filter = QStringLiteral("text (*.txt)|*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    request.initialPath = m_settings.misc.lastExportTextFile;
    request.overwritePrompt = true;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    m_settings.misc.lastExportTextFile = *path;
    if (!writeExportText(*path, m_record, kind))
        m_host.message(this, tr("Error"), tr("Unable to create export file."), Buttons::Ok);
}

void PreviewWindow::onExportPdfClicked()
{
    FileRequest request;
    request.title = tr("Export As PDF");
    request.filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    if (m_lastPdf.isEmpty()) {
        // Beside the last exported text, named after the puzzle.
        const QString dir = m_settings.misc.lastExportTextFile.isEmpty()
                                ? QDir::currentPath()
                                : QFileInfo(m_settings.misc.lastExportTextFile).absolutePath();
        QString name = cp1252::toUnicode(m_record.PuzzleName.str()).trimmed();
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        m_lastPdf =
            dir + QLatin1Char('/') + (name.isEmpty() ? QStringLiteral("puzzle") : name) + QStringLiteral(".pdf");
    }
    request.initialPath = m_lastPdf;
    request.overwritePrompt = true;
    const auto path = m_host.saveFileName(this, request);
    if (!path)
        return;
    m_lastPdf = *path;
    QString why;
    if (!m_stream || !writePdf(*m_stream, *path, &why, 0, 0))
        m_host.message(this, tr("Error"), tr("Unable to create export file.") + QLatin1Char('\n') + why, Buttons::Ok);
}

} // namespace qx
