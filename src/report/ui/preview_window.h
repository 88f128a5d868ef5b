#pragma once
// "Puzzle Preview": the rendered page at a zoom, printing it (once or several copies), and the
// exports: the clue and word lists as text, the page as a bitmap, a JPEG, a web page around a
// JPEG, a PDF, an SVG drawing or a metafile, and the puzzle for solving on a screen (.ipuz, .puz, a solvable
// web page). The metafile exports are offered once the window has the page's
// rendering (setFits).
//
// A picture is drawn from the page's recording at the width asked for, apart from the view: the
// preview's zoom is the same after an export as before it, whatever became of the export.

#include "common/ui/dialog_conventions.h"
#include "export/metafile_writer.h"
#include "render/page_fits.h"
#include "report/page_stream.h"
#include "store/puzzle_record.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;

namespace qx {

struct Settings;
class StreamPreview;
class StreamPrinter;
class UiHost;
class ExportFormat;
enum class TextExportKind;

// The jobs that print n copies on a printer making up to maxPerJob copies in one job: one job of n
// when n is below that number, otherwise n jobs of one copy each.
std::vector<int> copyJobs(int copies, int maxPerJob);

// A file named after the puzzle, in the folder of the file or folder `besides`, by default that of
// the last exported text.
QString puzzleFilePath(const Settings &settings, const PuzzleRecord &record, const QString &suffix,
                       const QString &besides = {});

class PreviewWindow : public ConventionalDialog {
    Q_OBJECT

public:
    // Gives a printer set up as the user chose (Printer Setup); each print job takes a new one.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    PreviewWindow(const DialogLook &look, Settings &settings, UiHost &host, const PuzzleRecord &record,
                  std::shared_ptr<const PageStream> stream, PrinterFactory printers, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // What the page's rendering settled: the metafile exports draw the page again from it, and
    // are offered once it is given.
    void setFits(std::shared_ptr<const PageFits> fits);

    // The controls, by the actions they start.
    void printPages();  // the whole stored report
    void printPage();   // the current page, one copy
    void printCopies(); // the current page, as many copies as asked
    void exportTextFile(TextExportKind kind);
    void exportPdfFile();
    // .ipuz, .puz or the solvable web page, made from the puzzle rather than the page.
    void exportForSolving(const ExportFormat &format);
    void exportSvg();
    void exportBitmap();
    void exportJpeg();
    void setJpegFactor();
    void createWebPage();
    void exportMetafile(MetafileKind kind);
    void zoomEditDone();
    void pixelEditDone();

    // The menu commands, one named pointer each as in every window: the lists are alike in form only.
    struct Actions {
        QAction *printPage = nullptr;
        QAction *printCopies = nullptr;
        QAction *exportWmf = nullptr;
        QAction *exportEmf = nullptr;
        QAction *exportBmp = nullptr;
        QAction *exportJpeg = nullptr;
        QAction *jpegFactor = nullptr;
        QAction *exportHtml = nullptr;
        QAction *exportClues = nullptr;
        QAction *exportWords = nullptr;
        QAction *exportPdf = nullptr;
        QAction *exportIpuz = nullptr;
        QAction *exportPuz = nullptr;
        QAction *exportSolvablePage = nullptr;
        QAction *exportSvg = nullptr;
        QAction *exit = nullptr;
        std::array<QAction *, 2> zoomIn{};  // 1 : 1, 2 : 1
        std::array<QAction *, 5> zoomOut{}; // 1 : 1 .. 1 : 5
        QAction *zoomPageWidth = nullptr;
        QAction *zoomWholePage = nullptr;
    };
    // The buttons of the two rows above the page.
    struct Controls {
        QPushButton *printPage = nullptr; // the whole stored report
        QPushButton *zoomIn = nullptr;
        QPushButton *zoomOut = nullptr;
        QPushButton *zoomPageWidth = nullptr;
        QPushButton *done = nullptr;
        QPushButton *exportMetafile = nullptr;
        QPushButton *exportBitmap = nullptr;
        QPushButton *exportJpeg = nullptr;
        QPushButton *createWebPage = nullptr;
        QPushButton *exportPdf = nullptr;
    };

    StreamPreview *preview() const { return m_preview; }
    StreamPrinter *filePrinter() const { return m_printer.get(); }
    QLineEdit *zoomEdit() const { return m_zoomEdit; }
    QLineEdit *pixelEdit() const { return m_pixelEdit; }
    const Actions &actions() const { return m_actions; }
    const Controls &controls() const { return m_controls; }
    // Where the last export was written ("Saved to …"), empty before the first.
    QLabel *savedToLabel() const { return m_savedTo; }
    // The copies of each print job started so far.
    const std::vector<int> &jobsStarted() const { return m_jobs; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QMenuBar *buildMenus();
    void buildFileMenu(QMenu *file);
    void buildViewMenu(QMenu *view);
    QLayout *buildButtonRows();
    bool guardBusy();
    // The printer for the next job: the one the print options chose or, with no printer on the
    // system at all, Qt's "Print to File (PDF)" once the user agreed to it in the print dialog.
    // Nothing when there is none or the user cancelled (`cancelled`).
    std::unique_ptr<QPrinter> jobPrinter(bool &cancelled);
    bool startJob(std::unique_ptr<QPrinter> printer, int first, int last, int copies);
    void printFailed();
    void refreshZoomEdits();
    void rememberGeometry();
    QString puzzleFileName(const QString &suffix, const QString &besides = {}) const
    {
        return puzzleFilePath(m_settings, m_record, suffix, besides);
    }
    void exportPicture(const ExportFormat &format);
    // An export's save dialog, starting at `start`, asking before it overwrites; nothing when the
    // user cancels.
    std::optional<QString> askExportPath(const QString &title, const QString &filter, const QString &suffix,
                                         const QString &start);
    void exportDrawing(const ExportFormat &format, const QString &title, QString &last);
    void showSavedTo(const QStringList &paths);

    Settings &m_settings;
    UiHost &m_host;
    PuzzleRecord m_record;
    std::shared_ptr<const PageStream> m_stream;
    std::shared_ptr<const PageFits> m_fits;
    PrinterFactory m_printers;
    std::unique_ptr<StreamPrinter> m_printer;
    StreamPreview *m_preview = nullptr;
    QLineEdit *m_zoomEdit = nullptr;
    QLineEdit *m_pixelEdit = nullptr;
    QLabel *m_savedTo = nullptr;
    Actions m_actions;
    Controls m_controls;
    QString m_lastPdf;
    QString m_lastSvg;
    std::vector<int> m_jobs;
    bool m_placed = false;
};

} // namespace qx
