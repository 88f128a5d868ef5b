#include "render/page_renderer.h"

#include "common/cp1252.h"
#include "layout/layout_defaults.h"
#include "layout/layout_units.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

QString fromBytes(std::string_view bytes)
{
    return cp1252::toUnicode(bytes);
}

// The text-bearing objects keep their size in 1..1000 points whatever the record says.
int startSize(int16_t stored)
{
    return std::clamp<int>(stored, 1, 1000);
}

} // namespace

QColor colorOf(ColorValue value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

ReportFont mainFont(const LayoutObject &o)
{
    ReportFont f;
    if (!o.FontName.empty())
        f.name = fromBytes(o.FontName.str());
    f.size = startSize(o.FontSize);
    f.color = colorOf(o.FontColor);
    f.bold = o.Bold != 0;
    f.italic = o.Italic != 0;
    f.underline = o.Underline != 0;
    f.strikeOut = o.StrikeOut != 0;
    return f;
}

ReportFont numberFont(const LayoutObject &o)
{
    ReportFont f;
    if (!o.NumberFontName.empty())
        f.name = fromBytes(o.NumberFontName.str());
    f.size = startSize(o.NumberFontSize);
    f.color = colorOf(o.NumberFontColor);
    f.bold = o.NumberStyle[0] != 0;
    f.italic = o.NumberStyle[1] != 0;
    f.underline = o.NumberStyle[2] != 0;
    f.strikeOut = o.NumberStyle[3] != 0;
    return f;
}

PageRenderer::PageRenderer(PuzzleRecord &record, const PrintOptions &options)
    : m_record(record), m_options(options), m_fits(std::make_unique<PageFits>())
{
}

PageRenderer::PageRenderer(PuzzleRecord &record, const PageFits &earlier)
    : m_record(record), m_options(earlier.options), m_fits(std::make_unique<PageFits>()), m_earlier(&earlier)
{
}

PageRenderer::~PageRenderer() = default;

std::unique_ptr<PageFits> PageRenderer::takeFits() const
{
    auto fits = std::make_unique<PageFits>(*m_fits);
    fits->record = m_record;
    fits->options = m_options;
    fits->scale = m_scale;
    fits->printWordCount = m_printWordCount;
    return fits;
}

std::pair<std::string, std::string> PageRenderer::layoutHeaders(const LayoutObject &o) const
{
    // An object without a text of its own shows the labels, as when the print options are opened.
    std::pair<std::string, std::string> headers{m_options.acrossLabel, m_options.downLabel};
    const std::string own = o.text();
    if (own.empty())
        return headers;
    switch (static_cast<ObjectKind>(o.Kind)) {
    case ObjectKind::AcrossHeading:
        headers.first = own;
        break;
    case ObjectKind::DownHeading:
        headers.second = own;
        break;
    default:
        headers = splitCombinedHeaders(own);
        break;
    }
    return headers;
}

void PageRenderer::setEarlierFont(ReportCanvas &report, const LayoutObject &o) const
{
    ReportFont font = mainFont(o);
    font.size = startSize(o.UsedFontSize);
    report.setFont(font);
}

void placeText(ReportCanvas &report, bool byTop, double x, double top, double baseline, QStringView text)
{
    if (byTop)
        report.printTopXY(x, top, text);
    else
        report.printXY(x, baseline, text);
}

void PageRenderer::wire(ReportCanvas &report)
{
    report.OnBeforePrint = [this](ReportCanvas &r) { beginReport(r); };
    report.OnPrintPage = [this](ReportCanvas &r) { drawPage(r); };
    report.OnPrintFooter = [this](ReportCanvas &r) { drawFooter(r); };
    report.OnAfterPrint = [this](ReportCanvas &r) { endReport(r); };
    report.setOrientation(m_record.Layout.Portrait != 0 ? Orientation::Portrait : Orientation::Landscape);
}

RenderOutcome PageRenderer::outcome(const ReportCanvas &report) const
{
    RenderOutcome out = m_outcome;
    out.aborted = report.aborted();
    return out;
}

void PageRenderer::beginReport(ReportCanvas &report)
{
    m_outcome = RenderOutcome{};
    *m_fits = PageFits{};

    //: %p is the page number; %0 and %1 are two lines of progress the renderer fills in.
    report.setStatusFormat(QCoreApplication::translate("qx", "Printing Page %p\n%0\n%1"));
    report.setStatusLines({QString(), QString()});

    const PageLayout &layout = m_record.Layout;
    if (const PaperSize *paper = findStandardPaper(layout.PaperName.str())) {
        report.setPaper(static_cast<PaperKind>(paper->printerPaper));
    } else {
        const double factor = inInches(layout) ? 1.0 : 0.39370078740157480316;
        report.setPaper(PaperKind::Custom, layout.PageWidth * factor, layout.PageHeight * factor);
    }

    // A layout size that is not positive says nothing about the scale: the other one decides, and
    // with neither the units are read as the designer's at the stored zoom.
    const double byWidth = layout.LayoutWidth > 0 ? report.pageWidth() / layout.LayoutWidth : HUGE_VAL;
    const double byHeight = layout.LayoutHeight > 0 ? report.pageHeight() / layout.LayoutHeight : HUGE_VAL;
    m_scale = std::min(byWidth, byHeight);
    if (!std::isfinite(m_scale)) {
        const double perInch = unitsPer(layout.DesignZoom, true);
        m_scale = inInches(layout) ? 1 / perInch : 1 / (unitsPer(layout.DesignZoom, false) * 2.54);
    }

    m_printWordCount = m_record.wordsInUse();
    while (m_printWordCount >= 1 && m_record.WordPlaced[static_cast<size_t>(m_printWordCount - 1)] == 0)
        --m_printWordCount;

    m_textCounter = 0;
    for (auto &p : m_pictures)
        p = QImage();
    if (redrawing()) {
        // The page as it was laid out; pictures are not drawn again, so none is loaded.
        m_scale = m_earlier->scale;
        m_printWordCount = std::clamp(m_earlier->printWordCount, 0, m_record.wordsInUse());
        return;
    }

    for (int k = 1; k <= layout.objectsInUse(); ++k) {
        const LayoutObject &o = layout.Objects[static_cast<size_t>(k - 1)];
        if (o.Kind != static_cast<int16_t>(ObjectKind::Bitmap) || o.BitmapFile.empty())
            continue;
        const QString path = fromBytes(o.BitmapFile.str());
        // A file that is there but cannot be read as a picture is as good as missing: the page
        // prints without it rather than not at all.
        QImage picture;
        if (QFileInfo(path).isFile())
            picture.load(path);
        if (picture.isNull())
            m_outcome.missingBitmaps = true;
        m_pictures[static_cast<size_t>(k - 1)] = picture;
    }
}

void PageRenderer::drawPage(ReportCanvas &report)
{
    report.newPageState();
    for (int k = 1; k <= m_record.Layout.objectsInUse(); ++k) {
        if (report.aborted())
            return;
        LayoutObject &o = object(k);
        switch (static_cast<ObjectKind>(o.Kind)) {
        case ObjectKind::Title:
            if (m_options.printTitle)
                drawTextLine(report, k);
            break;
        case ObjectKind::Puzzle:
            if (m_options.printBody)
                drawPuzzleGrid(report, k);
            break;
        case ObjectKind::DownHeading:
        case ObjectKind::AcrossHeading:
            if (m_options.printClues)
                drawTextLine(report, k);
            break;
        case ObjectKind::DownClues:
            if (m_options.printClues)
                drawClueList(report, k, ClueDirection::Down);
            break;
        case ObjectKind::AcrossClues:
            if (m_options.printClues)
                drawClueList(report, k, ClueDirection::Across);
            break;
        case ObjectKind::WordList:
            if (m_options.printWords)
                drawWordList(report, k);
            break;
        case ObjectKind::BonusQuestion:
            if (m_options.printBonus && !m_record.BonusQuestion.empty()) {
                o.setText(m_record.BonusQuestion.str());
                drawTextLine(report, k);
            }
            break;
        case ObjectKind::CombinedClues:
            if (m_options.printClues)
                drawCombinedClues(report, k);
            break;
        case ObjectKind::Text:
            drawTextBox(report, k);
            break;
        case ObjectKind::Bitmap:
            if (!redrawing())
                drawPicture(report, k);
            break;
        case ObjectKind::Rectangle:
        case ObjectKind::Circle:
            drawRectangle(report, k);
            break;
        default:
            break; // not a kind: skipped
        }
    }
}

void PageRenderer::drawFooter(ReportCanvas &)
{
}

void PageRenderer::endReport(ReportCanvas &)
{
    for (auto &p : m_pictures)
        p = QImage();
}

bool PageRenderer::objectBox(const LayoutObject &o, Box &box) const
{
    box = Box{o.Bounds[0] * m_scale, o.Bounds[1] * m_scale, o.Bounds[2] * m_scale, o.Bounds[3] * m_scale};
    // Bounds the designer cannot make (right of left, below top) are a damaged object: skipped.
    return box.right >= box.left && box.bottom >= box.top;
}

int PageRenderer::acrossCount() const
{
    return std::clamp<int>(m_record.AcrossCount, 0, m_printWordCount);
}

QString PageRenderer::clueText(int word) const
{
    return fromBytes(m_record.Clues[static_cast<size_t>(word - 1)].str());
}

void PageRenderer::drawBorder(ReportCanvas &report, const LayoutObject &o, const Box &box, BorderShape shape) const
{
    if (o.HasBorder == 0)
        return;
    report.setPen(colorOf(o.BorderColor));
    // Borders grow outwards one device pixel per step; past the page's size they are off the paper.
    const double pageReach = report.toDevice(std::max(report.pageWidth(), report.pageHeight())) + 2;
    const int steps = static_cast<int>(std::min<double>(o.BorderWidth, pageReach));
    for (int k = 0; k < steps; ++k) {
        const double dx = report.toInches(k);
        const double dy = report.toInches(k);
        if (shape == BorderShape::Rectangle) {
            report.frameRect(box.left - dx, box.top - dy, box.right + dx, box.bottom + dy);
        } else {
            // The outline as two half arcs, top then bottom.
            report.arc(box.left - dx, box.top - dy, box.right + dx, box.bottom + dy, 0, 180);
            report.arc(box.left - dx, box.top - dy, box.right + dx, box.bottom + dy, 180, 180);
        }
    }
}

PageRenderer::FontFit PageRenderer::fitMainFont(ReportCanvas &report, LayoutObject &o, int floor, bool shrink,
                                                const std::function<bool()> &fits)
{
    report.setFont(mainFont(o));
    const FontFit fit = shrink ? shrinkToFit(report, floor, fits) : FontFit{report.font().size, fits()};
    o.UsedFontSize = static_cast<int16_t>(fit.size);
    return fit;
}

PageRenderer::FontFit PageRenderer::shrinkToFit(ReportCanvas &report, int floor, const std::function<bool()> &fits)
{
    FontFit fit{report.font().size, fits()};
    while (!fit.fits && fit.size > floor) {
        --fit.size;
        report.setFontSize(fit.size);
        fit.fits = fits();
    }
    return fit;
}

double PageRenderer::measuringHeight(const ReportCanvas &report)
{
    static const QString measuring = QStringLiteral("ABCWjkl");
    return report.textHeight(measuring);
}

void PageRenderer::drawTextLine(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const double w = box.width();
    const double h = box.height();

    QString text;
    switch (static_cast<ObjectKind>(o.Kind)) {
    case ObjectKind::Title:
        text = fromBytes(m_record.PuzzleName.str());
        break;
    case ObjectKind::DownHeading:
        // A redrawn page shows the layout's own header; a printing shows this printing's.
        text = fromBytes(redrawing() ? layoutHeaders(o).second : m_options.downHeader);
        break;
    case ObjectKind::AcrossHeading:
        text = fromBytes(redrawing() ? layoutHeaders(o).first : m_options.acrossHeader);
        break;
    default:
        text = fromBytes(o.text());
        break;
    }

    if (redrawing())
        setEarlierFont(report, o);
    else
        fitMainFont(report, o, 2, o.MakeItFit != 0,
                    [&] { return report.textWidth(text) < w && report.textHeight(text) < h; });

    report.setBackgroundMode(o.Transparent != 0 ? BackgroundMode::Transparent : BackgroundMode::Opaque);
    const double textWidth = report.textWidth(text);
    double x = box.left;
    if (o.Alignment == 2)
        x = box.left + (w - textWidth) / 2;
    else if (o.Alignment == 3)
        x = box.left + w - textWidth;
    const double middle = box.bottom - h / 2;
    printLine(report, x, middle - report.textHeight(text) / 2,
              middle + (report.fontAscent() - report.fontDescent()) / 2, text);
    drawBorder(report, o, box);
}

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

struct TextToken {
    qsizetype start; // after its line break, at its leading spaces
    qsizetype end;
    bool breakBefore;
};

// Tokens: an optional line break, any spaces, then the characters up to the next space or break.
// A line break is CR LF as the designer writes it; a lone LF or CR counts as one too.
std::vector<TextToken> textTokens(const QString &text)
{
    std::vector<TextToken> tokens;
    qsizetype pos = 0;
    const qsizetype n = text.size();
    while (pos < n) {
        bool brk = false;
        if (text[pos] == QLatin1Char('\r') && pos + 1 < n && text[pos + 1] == QLatin1Char('\n')) {
            pos += 2;
            brk = true;
        } else if (isBreak(text[pos])) {
            pos += 1;
            brk = true;
        }
        const qsizetype start = pos;
        while (pos < n && text[pos] == QLatin1Char(' '))
            ++pos;
        while (pos < n && text[pos] != QLatin1Char(' ') && !isBreak(text[pos]))
            ++pos;
        if (!brk && pos == start)
            break; // the empty token ends the text
        tokens.push_back({start, pos, brk});
    }
    return tokens;
}

struct TextLines {
    std::vector<std::pair<qsizetype, qsizetype>> lines; // start, end
    bool fits = true;
};

constexpr int MaxTextLines = 100;

// Breaks the text into lines no wider than w at its spaces and line breaks. A word wider than w
// does not fit; with breakWords it is broken inside instead, each piece as long as fits (at least
// one character), so that a text without spaces stays inside its box.
TextLines breakText(const ReportCanvas &report, const QString &text, double w, int available, bool breakWords)
{
    TextLines out;
    std::vector<double> prefix;
    report.prefixWidths(text, prefix);
    const auto addLine = [&](qsizetype start, qsizetype end) {
        if (static_cast<int>(out.lines.size()) == MaxTextLines) {
            out.fits = false;
            return false;
        }
        out.lines.emplace_back(start, end);
        return true;
    };
    for (const TextToken &t : textTokens(text)) {
        if (!out.lines.empty() && !t.breakBefore) {
            auto &line = out.lines.back();
            if (report.widthBetween(prefix, line.first, t.end) <= w) {
                line.second = t.end;
                continue;
            }
        }
        qsizetype start = t.start;
        if (breakWords && report.widthBetween(prefix, start, t.end) > w) {
            // The spaces before a word that is broken anyway would only take room on its first line.
            while (start < t.end && text[start] == QLatin1Char(' '))
                ++start;
        }
        while (breakWords && report.widthBetween(prefix, start, t.end) > w) {
            qsizetype cut = start + 1;
            while (cut < t.end && report.widthBetween(prefix, start, cut + 1) <= w)
                ++cut;
            if (!addLine(start, cut))
                break;
            start = cut;
        }
        if (!out.fits)
            break;
        if (report.widthBetween(prefix, start, t.end) > w)
            out.fits = false;
        if (!addLine(start, t.end))
            break;
    }
    if (static_cast<int>(out.lines.size()) > available)
        out.fits = false;
    return out;
}

} // namespace

void PageRenderer::drawTextBox(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    ++m_textCounter;
    const int slot = m_textCounter;
    Box box;
    if (!objectBox(o, box))
        return;
    const double w = box.width();
    const double h = box.height();
    const QString text = fromBytes(o.text());

    TextMetrics &fit = fitOf(index).text;
    if (redrawing()) {
        setEarlierFont(report, o);
        fit = earlierFit(index).text;
    } else {
        TextLines lines;
        fitMainFont(report, o, 3, o.MakeItFit != 0, [&] {
            fit.lineHeight = measuringHeight(report);
            fit.available = static_cast<int>(std::min(h / fit.lineHeight, 1e6));
            lines = breakText(report, text, w, fit.available, false);
            return lines.fits;
        });
        // A word too wide for the box even at the size settled on is broken inside it.
        if (!lines.fits)
            lines = breakText(report, text, w, fit.available, true);
        if (!lines.fits && slot <= RenderOutcome::TextSlots)
            m_outcome.textOverflow[static_cast<size_t>(slot)] = true;
        fit.lines = std::move(lines.lines);
    }
    const double e = fit.lineHeight;

    report.setBackgroundMode(o.Transparent != 0 ? BackgroundMode::Transparent : BackgroundMode::Opaque);
    const int count = std::min<int>(static_cast<int>(fit.lines.size()), fit.available);
    for (int i = 1; i <= count; ++i) {
        const auto &[start, end] = fit.lines[static_cast<size_t>(i - 1)];
        const QString line = text.mid(start, end - start).trimmed();
        const double lineWidth = report.textWidth(line);
        double x = box.left;
        if (o.Alignment == 2)
            x = box.left + (w - lineWidth) / 2;
        else if (o.Alignment == 3)
            x = box.left + w - lineWidth;
        printLine(report, x, box.top + (i - 1) * e, box.top + i * e - 0.2 * e, line);
    }
    drawBorder(report, o, box);
}

void PageRenderer::drawRectangle(ReportCanvas &report, int index)
{
    const LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const bool circle = o.Kind == static_cast<int16_t>(ObjectKind::Circle);
    if (o.Filled != 0) {
        report.setPen(colorOf(o.FillColor));
        report.setBrush(colorOf(o.FillColor));
        if (circle)
            report.ellipse(box.left, box.top, box.right, box.bottom);
        else
            report.rectangle(box.left, box.top, box.right, box.bottom);
    }
    drawBorder(report, o, box, circle ? BorderShape::Ellipse : BorderShape::Rectangle);
}

namespace {

// Tiles across a page: the whole part of page / tile, plus one for the remainder, but exactly the
// quotient when the tile divides the page. A quotient a rounding error away from a whole number
// counts as whole, so a tile of a third of the page lays three columns, not four.
int tileCount(double page, double tile)
{
    const double q = page / tile;
    const double nearest = std::round(q);
    if (std::abs(q - nearest) <= 1e-9 * std::max(1.0, q))
        return static_cast<int>(nearest);
    return static_cast<int>(std::floor(q)) + 1;
}

// Beyond this a tiled picture is a damaged layout (a tile of a few device pixels): not drawn.
constexpr double MaxTiles = 40000;

} // namespace

void PageRenderer::drawPicture(ReportCanvas &report, int index)
{
    const LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const QImage &picture = m_pictures[static_cast<size_t>(index - 1)];
    if (o.Transparent == 0) {
        report.stretchDraw(box.left, box.top, box.right, box.bottom, picture);
        drawBorder(report, o, box);
        return;
    }
    const double tileWidth = box.width();
    const double tileHeight = box.height();
    if (!(tileWidth > 0) || !(tileHeight > 0))
        return;
    const double pageWidth = report.pageWidth();
    const double pageHeight = report.pageHeight();
    if ((pageWidth / tileWidth + 1) * (pageHeight / tileHeight + 1) > MaxTiles)
        return;
    const int columns = tileCount(pageWidth, tileWidth);
    const int rows = tileCount(pageHeight, tileHeight);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            report.stretchDraw(c * tileWidth, r * tileHeight, (c + 1) * tileWidth, (r + 1) * tileHeight, picture);
        }
    }
}

} // namespace qx
