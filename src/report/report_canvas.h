#pragma once
// The report canvas the page renderers draw on: a page in inches with fonts, text, lines, shapes and
// pictures, run as a report with four events (before, page, footer, after). What becomes of the
// drawing is the subclass's business: RecordingCanvas keeps it as a PageStream, PrinterCanvas puts it
// on paper, and tests use a canvas with fixed metrics that records every call.
//
// Coordinates are inches from the page's top left corner, font sizes points, pen widths device
// pixels of the report's own resolution (devicePixelsPerInch). Text is measured without any screen
// (FontMeasure), so a page measures the same wherever it is rendered.
//
// Coordinates are never trusted: a shape far beyond the page (a damaged layout) is dropped or cut
// to the page's surroundings, so no device ever receives a coordinate it cannot handle.

#include "report/font_measure.h"
#include "report/page_stream.h"
#include "report/report_font.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace qx {

// The paper kinds a report can select (the printer's numbering); Custom takes a size in inches.
enum class PaperKind : int { Custom = 0, Letter = 1, Legal = 5, Executive = 7, A4 = 9, A5 = 11, B5 = 13 };

enum class Orientation { Portrait, Landscape };
enum class BackgroundMode { Transparent = 0, Opaque = 1 };
enum class BrushStyle { Solid, Clear };

class ReportCanvas {
public:
    using Event = std::function<void(ReportCanvas &)>;

    virtual ~ReportCanvas();
    ReportCanvas(const ReportCanvas &) = delete;
    ReportCanvas &operator=(const ReportCanvas &) = delete;

    // The events, run in this order by execute(): before the page, the page, its footer, after.
    Event OnBeforePrint;
    Event OnPrintPage;
    Event OnPrintFooter;
    Event OnAfterPrint;
    // Called with the status text whenever it changes (a page starts, the lines change).
    std::function<void(const QString &)> onStatus;

    // Paper. A standard kind has its own size (portrait; landscape turns it); Custom takes the
    // page as given, already turned. Sizes that are not finite or not positive give Letter.
    void setPaper(PaperKind kind, double customWidth = 0, double customHeight = 0);
    void setOrientation(Orientation orientation);
    PaperKind paper() const { return m_paper; }
    Orientation pageOrientation() const { return m_orientation; }
    double pageWidth() const;
    double pageHeight() const;

    // Status: "%p" in the format is the page number, "%0", "%1" … the status lines.
    void setStatusFormat(const QString &format);
    void setStatusLines(const QStringList &lines);
    QString statusText() const;

    // Runs the events once: before, then one page (its state reset, page, footer), then after.
    // The after event runs even when the report was aborted.
    void execute();
    // Asks a running report to stop; safe from any thread. Renderers check aborted() as they go.
    void abort() { m_aborted = true; }
    bool aborted() const { return m_aborted; }
    int currentPage() const { return m_page; }
    // Pen, brush, font and position back to the defaults; done at the start of every page.
    void newPageState();

    // Fonts. The size is held to 1..1000 points: nothing larger fits any paper.
    void setFont(const ReportFont &font);
    void setFontSize(int points);
    const ReportFont &font() const { return m_font; }
    // Extents in the current font, in inches; never less than one device pixel. The height is the
    // font's ascent plus descent, whatever the text.
    double textWidth(QStringView text) const;
    double textHeight(QStringView text) const;
    // Widths add up: a text is as wide as its characters together (no kerning). So a renderer that
    // tries many cuts of one text measures it once: out[i] is the width of its first i characters,
    // and the width of characters a..b-1 is max(out[b] - out[a], one device pixel).
    void prefixWidths(QStringView text, std::vector<double> &out) const;
    double widthBetween(const std::vector<double> &prefix, qsizetype from, qsizetype to) const;
    double fontAscent() const { return m_extents.ascent; }
    double fontDescent() const { return m_extents.descent; }
    double lineHeight() const { return m_font.size / 60.0; }

    // Text, its baseline at y. Opaque text is laid on white.
    void setBackgroundMode(BackgroundMode mode) { m_background = mode; }
    BackgroundMode background() const { return m_background; }
    void printXY(double x, double y, QStringView text);
    // Text with the top of its extent (the baseline less the ascent) at y, as metafiles place it.
    void printTopXY(double x, double y, QStringView text);
    void gotoXY(double x, double y);
    // Prints at the current position and moves it along the baseline by the text's width.
    void print(QStringView text);

    // Pen and brush.
    void setPen(const QColor &color, double widthPixels = 1);
    void setPenColor(const QColor &color) { m_penColor = color; }
    void setBrush(const QColor &color, BrushStyle style = BrushStyle::Solid);
    void setBrushColor(const QColor &color) { m_brushColor = color; }
    void setBrushStyle(BrushStyle style) { m_brushStyle = style; }

    // Lines and shapes.
    void moveTo(double x, double y);
    void lineTo(double x, double y);
    void rectangle(double x1, double y1, double x2, double y2); // outline in the pen, filled in the brush
    void fillRect(double x1, double y1, double x2, double y2);  // brush only
    void frameRect(double x1, double y1, double x2, double y2); // pen only
    void ellipse(double x1, double y1, double x2, double y2);   // as rectangle()
    void arc(double x1, double y1, double x2, double y2, double startDegrees, double spanDegrees);
    void stretchDraw(double x1, double y1, double x2, double y2, const QImage &picture);

    // Device units: pixels of the report's resolution.
    double devicePixelsPerInch() const { return m_dpi; }
    double toDevice(double inches) const { return inches * m_dpi; }
    double toInches(double pixels) const { return pixels / m_dpi; }

    // Everything drawn in this run (pages so far).
    const PageStream &stream() const { return *m_stream; }

protected:
    explicit ReportCanvas(double devicePixelsPerInch);

    std::shared_ptr<PageStream> m_stream = std::make_shared<PageStream>();

    // Called once the before event has chosen the paper, before the first page.
    virtual void beginDocument() {}
    // Called when a page is complete: m_stream->pages.back() holds it.
    virtual void endPage() {}
    virtual void endDocument() {}

    // Measurement in inches at the font's size; the real fonts unless a test says otherwise.
    virtual double measureText(const ReportFont &font, QStringView text) const;
    virtual FontExtents measureFont(const ReportFont &font) const;

private:
    void add(PageOp op);
    void addText(double x, double y, QStringView text, uint8_t flags);
    void updateStatus();
    bool withinReach(double x, double y) const;

    double m_dpi;
    PaperKind m_paper = PaperKind::Letter;
    Orientation m_orientation = Orientation::Portrait;
    double m_customWidth = 8.5;
    double m_customHeight = 11;
    //: %p is the page number.
    QString m_statusFormat = QCoreApplication::translate("qx", "Printing page %p");
    QStringList m_statusLines;
    std::atomic<bool> m_aborted = false;
    int m_page = 0;
    bool m_inPage = false;

    ReportFont m_font;
    FontExtents m_extents;
    mutable const FontMeasure::Face *m_face = nullptr; // of m_font, looked up when first measured
    BackgroundMode m_background = BackgroundMode::Transparent;
    QColor m_penColor = Qt::black;
    double m_penWidth = 1;
    QColor m_brushColor = Qt::white;
    BrushStyle m_brushStyle = BrushStyle::Solid;
    double m_x = 0;
    double m_y = 0;
};

} // namespace qx
