#include "report/report_canvas.h"

#include "common/paper_sizes.h"
#include "report/font_measure.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

constexpr int MinFontSize = 1;
constexpr int MaxFontSize = 1000;

// How far beyond the page a coordinate may lie and still be drawn, in inches. Anything there is
// off the paper anyway; beyond it only a damaged layout can reach, and devices may not cope.
constexpr double Reach = 100;
// Rectangles are cut to the page and this margin: the visible part stays exactly as it was.
constexpr double RectMargin = 1;

struct Size {
    double width;
    double height;
};

// Portrait, in inches; Letter for Custom, whose size is the caller's.
Size standardSize(PaperKind kind)
{
    const PaperSize *paper = findPrinterPaper(static_cast<int>(kind));
    if (!paper)
        paper = findPrinterPaper(static_cast<int>(PaperKind::Letter));
    return {paper->widthInches(), paper->heightInches()};
}

bool usableSize(double x)
{
    return std::isfinite(x) && x > 0;
}

QRgb rgbOf(const QColor &c)
{
    return c.rgb();
}

} // namespace

ReportCanvas::ReportCanvas(double devicePixelsPerInch) : m_dpi(devicePixelsPerInch)
{
    m_extents = FontExtents{};
}

ReportCanvas::~ReportCanvas() = default;

void ReportCanvas::setPaper(PaperKind kind, double customWidth, double customHeight)
{
    switch (kind) {
    case PaperKind::Custom:
    case PaperKind::Letter:
    case PaperKind::Legal:
    case PaperKind::Executive:
    case PaperKind::A4:
    case PaperKind::A5:
    case PaperKind::B5:
        m_paper = kind;
        break;
    default:
        m_paper = PaperKind::Letter;
    }
    if (m_paper == PaperKind::Custom) {
        if (usableSize(customWidth) && usableSize(customHeight)) {
            // A page beyond 200 inches is what PDF and printers refuse; below a tenth nothing shows.
            m_customWidth = std::clamp(customWidth, 0.1, 200.0);
            m_customHeight = std::clamp(customHeight, 0.1, 200.0);
        } else {
            m_paper = PaperKind::Letter;
        }
    }
    m_stream->paperKind = static_cast<int>(m_paper);
}

void ReportCanvas::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}

double ReportCanvas::pageWidth() const
{
    if (m_paper == PaperKind::Custom)
        return m_customWidth;
    const Size s = standardSize(m_paper);
    return m_orientation == Orientation::Portrait ? s.width : s.height;
}

double ReportCanvas::pageHeight() const
{
    if (m_paper == PaperKind::Custom)
        return m_customHeight;
    const Size s = standardSize(m_paper);
    return m_orientation == Orientation::Portrait ? s.height : s.width;
}

void ReportCanvas::setStatusFormat(const QString &format)
{
    m_statusFormat = format;
    updateStatus();
}

void ReportCanvas::setStatusLines(const QStringList &lines)
{
    m_statusLines = lines;
    updateStatus();
}

QString ReportCanvas::statusText() const
{
    QString out;
    for (qsizetype i = 0; i < m_statusFormat.size(); ++i) {
        const QChar c = m_statusFormat[i];
        if (c == QLatin1Char('%') && i + 1 < m_statusFormat.size()) {
            const QChar next = m_statusFormat[i + 1];
            if (next == QLatin1Char('p')) {
                out += QString::number(m_page);
                ++i;
                continue;
            }
            if (next.isDigit()) {
                const int line = next.digitValue();
                if (line < m_statusLines.size())
                    out += m_statusLines[line];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void ReportCanvas::updateStatus()
{
    if (onStatus)
        onStatus(statusText());
}

void ReportCanvas::execute()
{
    m_aborted = false;
    m_page = 0;
    m_stream = std::make_shared<PageStream>();
    m_stream->paperKind = static_cast<int>(m_paper);
    if (OnBeforePrint)
        OnBeforePrint(*this);
    m_stream->paperKind = static_cast<int>(m_paper);
    m_stream->portrait = m_orientation == Orientation::Portrait;
    m_stream->pageWidth = pageWidth();
    m_stream->pageHeight = pageHeight();
    if (!m_aborted) {
        beginDocument();
        m_page = 1;
        m_stream->pages.emplace_back();
        m_inPage = true;
        newPageState();
        updateStatus();
        if (OnPrintPage)
            OnPrintPage(*this);
        if (OnPrintFooter && !m_aborted)
            OnPrintFooter(*this);
        m_inPage = false;
        endPage();
        endDocument();
    }
    if (OnAfterPrint)
        OnAfterPrint(*this);
}

void ReportCanvas::newPageState()
{
    setFont(ReportFont{});
    m_background = BackgroundMode::Transparent;
    m_penColor = Qt::black;
    m_penWidth = 1;
    m_brushColor = Qt::white;
    m_brushStyle = BrushStyle::Solid;
    m_x = 0;
    m_y = 0;
}

void ReportCanvas::setFont(const ReportFont &font)
{
    m_font = font;
    m_face = nullptr;
    m_font.size = std::clamp(font.size, MinFontSize, MaxFontSize);
    m_extents = measureFont(m_font);
}

void ReportCanvas::setFontSize(int points)
{
    m_font.size = std::clamp(points, MinFontSize, MaxFontSize);
    m_extents = measureFont(m_font);
}

double ReportCanvas::textWidth(QStringView text) const
{
    return std::max(measureText(m_font, text), 1 / m_dpi);
}

void ReportCanvas::prefixWidths(QStringView text, std::vector<double> &out) const
{
    out.resize(static_cast<size_t>(text.size()) + 1);
    out[0] = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        out[static_cast<size_t>(i + 1)] = out[static_cast<size_t>(i)] + measureText(m_font, text.mid(i, 1));
}

double ReportCanvas::widthBetween(const std::vector<double> &prefix, qsizetype from, qsizetype to) const
{
    return std::max(prefix[static_cast<size_t>(to)] - prefix[static_cast<size_t>(from)], 1 / m_dpi);
}

double ReportCanvas::textHeight(QStringView) const
{
    return std::max(m_extents.ascent + m_extents.descent, 1 / m_dpi);
}

double ReportCanvas::measureText(const ReportFont &font, QStringView text) const
{
    if (&font != &m_font)
        return FontMeasure::textWidth(font, text);
    if (!m_face)
        m_face = &FontMeasure::face(m_font);
    return FontMeasure::textWidth(*m_face, font.size, text);
}

FontExtents ReportCanvas::measureFont(const ReportFont &font) const
{
    if (&font != &m_font)
        return FontMeasure::extents(font);
    if (!m_face)
        m_face = &FontMeasure::face(m_font);
    return FontMeasure::extents(*m_face, font.size);
}

bool ReportCanvas::withinReach(double x, double y) const
{
    return std::isfinite(x) && std::isfinite(y) && x >= -Reach && y >= -Reach && x <= pageWidth() + Reach &&
           y <= pageHeight() + Reach;
}

void ReportCanvas::add(PageOp op)
{
    if (m_inPage)
        m_stream->pages.back().ops.push_back(op);
}

void ReportCanvas::printXY(double x, double y, QStringView text)
{
    addText(x, y, text, 0);
}

void ReportCanvas::printTopXY(double x, double y, QStringView text)
{
    addText(x, y, text, PageOp::TextByTop);
}

void ReportCanvas::addText(double x, double y, QStringView text, uint8_t flags)
{
    m_x = x;
    m_y = y;
    if (text.isEmpty() || !m_inPage || !withinReach(x, y))
        return;
    PageOp op;
    op.kind = PageOp::Kind::Text;
    op.flags = static_cast<uint8_t>(flags | (m_background == BackgroundMode::Opaque ? PageOp::OpaqueText : 0));
    op.font = m_stream->fontIndex(m_font);
    op.index = m_stream->textIndex(text.toString());
    op.penColor = rgbOf(m_font.color);
    op.brushColor = qRgb(255, 255, 255);
    op.x1 = x;
    op.y1 = y;
    op.x2 = measureText(m_font, text);
    op.a = static_cast<float>(m_extents.ascent);
    op.b = static_cast<float>(m_extents.descent);
    add(op);
}

void ReportCanvas::gotoXY(double x, double y)
{
    m_x = x;
    m_y = y;
}

void ReportCanvas::print(QStringView text)
{
    const double x = m_x;
    printXY(x, m_y, text);
    m_x = x + measureText(m_font, text);
}

void ReportCanvas::setPen(const QColor &color, double widthPixels)
{
    m_penColor = color;
    m_penWidth = std::isfinite(widthPixels) ? std::clamp(widthPixels, 0.0, 1000.0) : 1;
}

void ReportCanvas::setBrush(const QColor &color, BrushStyle style)
{
    m_brushColor = color;
    m_brushStyle = style;
}

void ReportCanvas::moveTo(double x, double y)
{
    m_x = x;
    m_y = y;
}

void ReportCanvas::lineTo(double x, double y)
{
    const double fromX = m_x;
    const double fromY = m_y;
    m_x = x;
    m_y = y;
    if (!withinReach(fromX, fromY) || !withinReach(x, y))
        return;
    PageOp op;
    op.kind = PageOp::Kind::Line;
    op.flags = PageOp::HasPen;
    op.penColor = rgbOf(m_penColor);
    op.penWidth = static_cast<float>(m_penWidth / m_dpi);
    op.x1 = fromX;
    op.y1 = fromY;
    op.x2 = x;
    op.y2 = y;
    add(op);
}

namespace {

void order(double &a, double &b)
{
    if (b < a)
        std::swap(a, b);
}

} // namespace

void ReportCanvas::rectangle(double x1, double y1, double x2, double y2)
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    order(x1, x2);
    order(y1, y2);
    const double lowX = -RectMargin;
    const double lowY = -RectMargin;
    const double highX = pageWidth() + RectMargin;
    const double highY = pageHeight() + RectMargin;
    if (x2 < lowX || y2 < lowY || x1 > highX || y1 > highY)
        return;
    PageOp op;
    op.kind = PageOp::Kind::Rect;
    op.flags = static_cast<uint8_t>((m_penWidth > 0 ? PageOp::HasPen : 0) |
                                    (m_brushStyle == BrushStyle::Solid ? PageOp::HasBrush : 0));
    if (op.flags == 0)
        return;
    op.penColor = rgbOf(m_penColor);
    op.penWidth = static_cast<float>(m_penWidth / m_dpi);
    op.brushColor = rgbOf(m_brushColor);
    op.x1 = std::clamp(x1, lowX, highX);
    op.y1 = std::clamp(y1, lowY, highY);
    op.x2 = std::clamp(x2, lowX, highX);
    op.y2 = std::clamp(y2, lowY, highY);
    add(op);
}

void ReportCanvas::fillRect(double x1, double y1, double x2, double y2)
{
    const double width = m_penWidth;
    const BrushStyle style = m_brushStyle;
    m_penWidth = 0;
    m_brushStyle = BrushStyle::Solid;
    rectangle(x1, y1, x2, y2);
    m_penWidth = width;
    m_brushStyle = style;
}

void ReportCanvas::frameRect(double x1, double y1, double x2, double y2)
{
    const BrushStyle style = m_brushStyle;
    m_brushStyle = BrushStyle::Clear;
    rectangle(x1, y1, x2, y2);
    m_brushStyle = style;
}

void ReportCanvas::ellipse(double x1, double y1, double x2, double y2)
{
    if (!withinReach(x1, y1) || !withinReach(x2, y2))
        return;
    order(x1, x2);
    order(y1, y2);
    PageOp op;
    op.kind = PageOp::Kind::Ellipse;
    op.flags = static_cast<uint8_t>((m_penWidth > 0 ? PageOp::HasPen : 0) |
                                    (m_brushStyle == BrushStyle::Solid ? PageOp::HasBrush : 0));
    op.penColor = rgbOf(m_penColor);
    op.penWidth = static_cast<float>(m_penWidth / m_dpi);
    op.brushColor = rgbOf(m_brushColor);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    add(op);
}

void ReportCanvas::arc(double x1, double y1, double x2, double y2, double startDegrees, double spanDegrees)
{
    if (!withinReach(x1, y1) || !withinReach(x2, y2) || !std::isfinite(startDegrees) || !std::isfinite(spanDegrees))
        return;
    order(x1, x2);
    order(y1, y2);
    PageOp op;
    op.kind = PageOp::Kind::Arc;
    op.flags = PageOp::HasPen;
    op.penColor = rgbOf(m_penColor);
    op.penWidth = static_cast<float>(m_penWidth / m_dpi);
    op.a = static_cast<float>(startDegrees);
    op.b = static_cast<float>(spanDegrees);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    add(op);
}

void ReportCanvas::stretchDraw(double x1, double y1, double x2, double y2, const QImage &picture)
{
    if (picture.isNull() || !m_inPage || !withinReach(x1, y1) || !withinReach(x2, y2))
        return;
    order(x1, x2);
    order(y1, y2);
    PageOp op;
    op.kind = PageOp::Kind::Image;
    op.index = m_stream->imageIndex(picture);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    add(op);
}

} // namespace qx
