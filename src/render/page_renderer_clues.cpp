// The clue lists, the combined clues and the word list: wrapping, the fit test with Make It Fit,
// and the columns.
#include "render/page_renderer.h"

#include "common/cp1252.h"
#include "common/upper_case_letter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace qx {

namespace {

constexpr int MaxClueLines = 7;
constexpr int MaxColumns = 50;
constexpr int FitFloor = 3; // Make It Fit never goes below this size for lists

// Lines per column: the whole part of h / m, held to a range any page can show.
int linesPerColumn(double h, double m)
{
    return static_cast<int>(std::clamp(std::floor(h / m), 0.0, 1e6));
}

struct WrappedClue {
    std::vector<int> lengths;  // consecutive pieces of the clue, at most 7, at least 1
    bool needsEighth = false;  // a further line was needed
    bool emptyClue = false;    // nothing to wrap: the clue is empty
    bool wordTooWide = false;  // a word alone is wider than t, so a line came out empty
    bool emptyTooWide = false; // even an empty line is not narrower than t
    // Make It Fit must shrink for these; without it they leave the list not fitting.
    bool shrinkNeeded() const { return needsEighth || wordTooWide || emptyTooWide; }
    bool lineCameOutEmpty() const { return emptyClue || wordTooWide || emptyTooWide; }
};

// Wraps a clue into lines narrower than t: characters move from the end of the line to the next
// one, first the trailing spaces, then back to the previous space, until the line is narrower.
// A line that comes out empty ends the clue, so that a word too wide for the column cannot wrap
// forever; an empty clue keeps one (empty) line for its number.
WrappedClue wrapClue(const ReportCanvas &report, const QString &clue, double t)
{
    WrappedClue out;
    const QStringView text(clue);
    qsizetype start = 0;
    const qsizetype n = text.size();
    std::vector<double> prefix;
    report.prefixWidths(text, prefix);
    const auto finish = [&] {
        if (out.lengths.empty())
            out.lengths.push_back(0);
        return out;
    };
    while (true) {
        qsizetype end = n;
        while (report.widthBetween(prefix, start, end) >= t) {
            if (end == start) {
                out.emptyTooWide = true;
                return finish();
            }
            while (end > start && text[end - 1] == QLatin1Char(' '))
                --end;
            while (end > start && text[end - 1] != QLatin1Char(' '))
                --end;
        }
        if (static_cast<int>(out.lengths.size()) == MaxClueLines) {
            out.needsEighth = true;
            return out;
        }
        if (end == start) {
            (start == n ? out.emptyClue : out.wordTooWide) = true;
            return finish();
        }
        out.lengths.push_back(static_cast<int>(end - start));
        if (end == n)
            return out;
        start = end;
    }
}

struct Columns {
    double left, top, indent, numberWidth, gap, textWidth, pitch;
    bool byTop; // a redrawn page: rows are placed by their top
    double x(int col) const { return left + indent + (col - 1) * (gap + numberWidth + textWidth); }
    void print(ReportCanvas &report, double atX, int row, QStringView text) const
    {
        placeText(report, byTop, atX, top + (row - 1) * pitch, top + row * pitch - 0.2 * pitch, text);
    }
};

// Prints one clue: its number with "." at the number column, its pieces trimmed beside it.
void printClue(ReportCanvas &report, const Columns &cols, int col, int row, int number, const QString &clue,
               const std::vector<int> &lengths)
{
    cols.print(report, cols.x(col), row, QString(QString::number(number) + QLatin1Char('.')));
    qsizetype start = 0;
    for (size_t j = 0; j < lengths.size(); ++j) {
        const QString piece = clue.mid(start, lengths[j]).trimmed();
        cols.print(report, cols.x(col) + cols.numberWidth, row + static_cast<int>(j), piece);
        start += lengths[j];
    }
}

double numberWidthFor(int lastNumber, double nine)
{
    if (lastNumber < 10)
        return nine * 2;
    if (lastNumber < 100)
        return nine * 3;
    return nine * 4;
}

int columnsOf(const LayoutObject &o)
{
    return std::clamp<int>(o.Columns, 1, MaxColumns);
}

void setBackgroundOf(ReportCanvas &report, const LayoutObject &o)
{
    report.setBackgroundMode(o.Transparent != 0 ? BackgroundMode::Transparent : BackgroundMode::Opaque);
}

// A list's lines per column, number width, gap, indent and text column width at the current font.
void measureClueColumns(const ReportCanvas &report, ClueListMetrics &metrics, double m, double w, double h,
                        int lastNumber)
{
    const int C = metrics.columns;
    metrics.linesPerColumn = linesPerColumn(h, m);
    const double nine = report.textWidth(u"9");
    metrics.numberWidth = numberWidthFor(lastNumber, nine);
    metrics.gap = 2 * nine;
    metrics.indent = nine / 4;
    metrics.columnWidth = (w - (C * metrics.numberWidth + (C - 1) * metrics.gap + metrics.indent)) / C;
}

// The combined clues laid out at one font size: each clue's place and the two headers', computed
// by the same placement that prints, so what the fit test accepts is exactly what prints inside
// the box. Fills the metrics' lines and the counts of clues fitted.
class CombinedLayout {
public:
    CombinedLayout(const ReportCanvas &report, const std::vector<QString> &clues, ClueListMetrics &metrics,
                   bool makeItFit)
        : m_report(report), m_clues(clues), m_metrics(metrics), m_makeItFit(makeItFit),
          m_count(static_cast<int>(clues.size())), m_across(metrics.acrossWords)
    {
    }

    // Lays both groups; true when everything fits.
    bool lay(bool split)
    {
        const int L = m_metrics.linesPerColumn;
        m_metrics.lines.assign(static_cast<size_t>(m_count), {});
        m_metrics.places.assign(static_cast<size_t>(m_count), ListPlace{});
        m_fits = L >= 1 || m_count == 0;
        m_metrics.lastFitted = L >= 1 ? m_across : 0;
        m_metrics.lastFittedDown = L >= 1 ? m_count - m_across : 0;
        if (L >= 1) {
            if (split)
                laySplit();
            else
                layFlow();
        }
        return m_fits;
    }

private:
    int lines(int i) const
    {
        return std::max<int>(1, static_cast<int>(m_metrics.lines[static_cast<size_t>(i)].size()));
    }

    // Lays one group from `col`, `row`; a new column starts at `newColumnRow`; the group fits in
    // columns up to `lastColumn`. Returns how many of its clues fitted.
    int layList(int from, int to, int col, int row, int newColumnRow, int lastColumn)
    {
        const int L = m_metrics.linesPerColumn;
        for (int i = from; i < to; ++i) {
            const WrappedClue wrapped = wrapClue(m_report, m_clues[static_cast<size_t>(i)], m_metrics.columnWidth);
            if (m_makeItFit && wrapped.shrinkNeeded()) {
                m_fits = false;
                return i - from;
            }
            if (!m_makeItFit && wrapped.lineCameOutEmpty())
                m_fits = false;
            const int k = static_cast<int>(wrapped.lengths.size());
            m_metrics.lines[static_cast<size_t>(i)] = wrapped.lengths;
            if (row + k - 1 > L) {
                ++col;
                row = newColumnRow;
            }
            if (col > lastColumn || row + k - 1 > L) {
                m_fits = false;
                return i - from;
            }
            m_metrics.places[static_cast<size_t>(i)] = ListPlace{col, row};
            row += k;
        }
        return to - from;
    }

    // One flow: the across header, the across clues, then the down header and the down clues
    // where the across group ended.
    void layFlow()
    {
        const int C = m_metrics.columns;
        const int L = m_metrics.linesPerColumn;
        m_metrics.acrossHeader = ListPlace{1, 1};
        m_metrics.lastFitted = layList(0, m_across, 1, 2, 1, C);
        if (m_metrics.lastFitted < m_across) {
            m_metrics.lastFittedDown = 0;
            return;
        }
        int col = 1;
        int row = 2;
        if (m_across > 0) {
            col = m_metrics.places[static_cast<size_t>(m_across - 1)].col;
            row = m_metrics.places[static_cast<size_t>(m_across - 1)].row + lines(m_across - 1);
        }
        // The down header and the first down clue go together.
        int firstLines = 1;
        if (m_across < m_count) {
            firstLines = std::max<int>(
                1,
                static_cast<int>(
                    wrapClue(m_report, m_clues[static_cast<size_t>(m_across)], m_metrics.columnWidth).lengths.size()));
        }
        if (row + firstLines > L) {
            ++col;
            row = 1;
        }
        m_metrics.downHeader = ListPlace{col, row};
        if (col > C) {
            m_fits = false;
            m_metrics.lastFittedDown = 0;
        } else {
            m_metrics.lastFittedDown = layList(m_across, m_count, col, row + 1, 1, C);
        }
    }

    // The across clues in the left half of the columns, the down clues in the right half; every
    // column keeps its first line for the header.
    void laySplit()
    {
        const int half = m_metrics.columns / 2;
        m_metrics.acrossHeader = ListPlace{1, 1};
        m_metrics.downHeader = ListPlace{half + 1, 1};
        if (half < 1 && m_count > 0) {
            m_fits = false;
            m_metrics.lastFitted = 0;
            m_metrics.lastFittedDown = 0;
            return;
        }
        m_metrics.lastFitted = layList(0, m_across, 1, 2, 2, half);
        m_metrics.lastFittedDown = layList(m_across, m_count, half + 1, 2, 2, 2 * half);
    }

    const ReportCanvas &m_report;
    const std::vector<QString> &m_clues;
    ClueListMetrics &m_metrics;
    const bool m_makeItFit;
    const int m_count;
    const int m_across;
    bool m_fits = true;
};

// The combined clues as laid out: the header boxes (one line high, their text centred, outlined)
// and the clues that fitted.
void printCombinedClues(ReportCanvas &report, const LayoutObject &o, double left, double top, bool byTop,
                        const std::vector<QString> &clues, const ClueListMetrics &metrics,
                        const std::function<int(int)> &numberOf, const std::string &acrossHeader,
                        const std::string &downHeader, bool split)
{
    const int C = metrics.columns;
    // Header boxes span half the columns in split mode with 4, 6 or 8 columns, else one column.
    const int headerSpan = split && (C == 4 || C == 6 || C == 8) ? C / 2 : 1;
    const Columns cols{
        left, top, metrics.indent, metrics.numberWidth, metrics.gap, metrics.columnWidth, metrics.rowPitch, byTop};
    const auto drawHeader = [&](const ListPlace &at, const std::string &text) {
        if (at.col < 1 || at.col > C)
            return;
        const int span = std::min(headerSpan, C - at.col + 1);
        const double x1 = cols.x(at.col);
        const double x2 = cols.x(at.col + span - 1) + metrics.numberWidth + metrics.columnWidth;
        const double y1 = top + (at.row - 1) * metrics.rowPitch;
        const double y2 = y1 + metrics.rowPitch;
        const QString header = cp1252::toUnicode(text);
        setBackgroundOf(report, o);
        placeText(report, byTop, x1 + (x2 - x1 - report.textWidth(header)) / 2, y1, y1 + 0.8 * metrics.rowPitch,
                  header);
        report.setPen(colorOf(o.BorderColor));
        report.frameRect(x1, y1, x2, y2);
    };
    drawHeader(metrics.acrossHeader, acrossHeader);
    if (split || metrics.lastFitted == metrics.acrossWords)
        drawHeader(metrics.downHeader, downHeader);
    setBackgroundOf(report, o);
    const auto printList = [&](int from, int fitted) {
        const int end =
            std::min({from + fitted, static_cast<int>(clues.size()), static_cast<int>(metrics.places.size()),
                      static_cast<int>(metrics.lines.size()), static_cast<int>(metrics.words.size())});
        for (int i = from; i < end; ++i) {
            const ListPlace &at = metrics.places[static_cast<size_t>(i)];
            printClue(report, cols, at.col, at.row, numberOf(metrics.words[static_cast<size_t>(i)]),
                      clues[static_cast<size_t>(i)], metrics.lines[static_cast<size_t>(i)]);
        }
    };
    printList(0, metrics.lastFitted);
    printList(metrics.acrossWords, metrics.lastFittedDown);
}

} // namespace

template <typename Metrics>
void PageRenderer::fitListFont(ReportCanvas &report, LayoutObject &o, Metrics &metrics, const Metrics *earlier,
                               bool makeItFit, const std::function<bool()> &layOut, bool &overflow)
{
    if (earlier) {
        setEarlierFont(report, o);
        metrics = *earlier;
        return;
    }
    const FontFit fit = fitMainFont(report, o, FitFloor, makeItFit, layOut);
    metrics.fontSize = fit.size;
    if (!fit.fits)
        overflow = true;
}

std::vector<QString> PageRenderer::listClues(ClueListMetrics &metrics, int first, int last) const
{
    std::vector<QString> clues;
    for (int word = first; word <= last; ++word) {
        metrics.words.push_back(word);
        clues.push_back(clueText(word));
    }
    return clues;
}

void PageRenderer::drawClueList(ReportCanvas &report, int index, ClueDirection direction)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const double w = box.width();
    const double h = box.height();
    const bool makeItFit = o.MakeItFit != 0;
    ClueListMetrics &metrics = fitOf(index).clues;
    metrics = ClueListMetrics{};
    metrics.columns = columnsOf(o);
    const int C = metrics.columns;
    const int first = direction == ClueDirection::Across ? 1 : acrossCount() + 1;
    const int last = direction == ClueDirection::Across ? acrossCount() : m_printWordCount;
    const std::vector<QString> clues = listClues(metrics, first, last);
    const int count = static_cast<int>(clues.size());
    const int lastNumber = count > 0 ? wordNumber(last) : 0;

    // The fit test: a row counter from 1 growing by each clue's lines; past L a new column begins
    // with the counter at the clue's lines; past C columns the list does not fit.
    const auto layOut = [&] {
        measureClueColumns(report, metrics, measuringHeight(report), w, h, lastNumber);
        const int L = metrics.linesPerColumn;
        metrics.lines.assign(static_cast<size_t>(count), {});
        bool fits = true;
        metrics.lastFitted = count;
        if (L < 1 && count > 0) {
            fits = false;
            metrics.lastFitted = 0;
        }
        int row = 1;
        int col = 1;
        for (int i = 0; L >= 1 && i < count; ++i) {
            const WrappedClue wrapped = wrapClue(report, clues[static_cast<size_t>(i)], metrics.columnWidth);
            if (makeItFit && wrapped.shrinkNeeded()) {
                fits = false;
                metrics.lastFitted = i;
                break;
            }
            if (!makeItFit && wrapped.lineCameOutEmpty())
                fits = false;
            const int k = static_cast<int>(wrapped.lengths.size());
            metrics.lines[static_cast<size_t>(i)] = wrapped.lengths;
            row += k;
            if (row > L) {
                ++col;
                row = k;
            }
            // A clue taller than a whole column cannot be printed inside the box at all.
            if (col > C || k > L) {
                fits = false;
                metrics.lastFitted = i;
                break;
            }
        }
        return fits;
    };
    fitListFont(report, o, metrics, redrawing() ? &earlierFit(index).clues : nullptr, makeItFit, layOut,
                m_outcome.cluesOverflow);

    const int L = metrics.linesPerColumn;
    if (L >= 1) {
        metrics.rowPitch = h / L;
        setBackgroundOf(report, o);
        const Columns cols{
            box.left,         box.top,    metrics.indent, metrics.numberWidth, metrics.gap, metrics.columnWidth,
            metrics.rowPitch, redrawing()};
        int row = 1;
        int col = 1;
        const int printed = std::min({metrics.lastFitted, count, static_cast<int>(metrics.lines.size()),
                                      static_cast<int>(metrics.words.size())});
        for (int i = 0; i < printed; ++i) {
            const auto &lengths = metrics.lines[static_cast<size_t>(i)];
            const int k = std::max<int>(1, static_cast<int>(lengths.size()));
            if (row + k - 1 > L) {
                ++col;
                row = 1;
            }
            printClue(report, cols, col, row, wordNumber(metrics.words[static_cast<size_t>(i)]),
                      clues[static_cast<size_t>(i)], lengths);
            row += k;
        }
    }
    drawBorder(report, o, box);
}

void PageRenderer::drawCombinedClues(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const double w = box.width();
    const double h = box.height();
    const bool split = o.Split != 0;
    ClueListMetrics &metrics = fitOf(index).clues;
    metrics = ClueListMetrics{};
    metrics.columns = columnsOf(o);
    const int across = acrossCount();
    const std::vector<QString> clues = listClues(metrics, 1, m_printWordCount);
    metrics.acrossWords = across;
    const int lastNumber =
        std::max(across > 0 ? wordNumber(across) : 0, m_printWordCount > 0 ? wordNumber(m_printWordCount) : 0);

    // A redrawn page splits the object's own text into the headers; a printing has its own.
    std::string acrossHeader = m_options.acrossHeader;
    std::string downHeader = m_options.downHeader;
    if (redrawing()) {
        setEarlierFont(report, o);
        metrics = earlierFit(index).clues;
        std::tie(acrossHeader, downHeader) = layoutHeaders(o);
    } else {
        CombinedLayout layout(report, clues, metrics, o.MakeItFit != 0);
        const FontFit fit = fitMainFont(report, o, FitFloor, o.MakeItFit != 0, [&] {
            measureClueColumns(report, metrics, measuringHeight(report), w, h, lastNumber);
            return layout.lay(split);
        });
        metrics.fontSize = fit.size;
        if (!fit.fits)
            m_outcome.cluesOverflow = true;
    }

    if (metrics.linesPerColumn >= 1) {
        metrics.rowPitch = h / metrics.linesPerColumn;
        printCombinedClues(
            report, o, box.left, box.top, redrawing(), clues, metrics, [this](int word) { return wordNumber(word); },
            acrossHeader, downHeader, split);
    }
    drawBorder(report, o, box);
}

void PageRenderer::drawWordList(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const double w = box.width();
    const double h = box.height();
    const bool makeItFit = o.MakeItFit != 0;
    WordListMetrics &metrics = fitOf(index).words;
    metrics = WordListMetrics{};
    metrics.columns = columnsOf(o);
    const int C = metrics.columns;

    // Sorted by their capitals, byte by byte; equal words keep their order.
    const auto key = [&](int word) {
        std::string k = m_record.Words[static_cast<size_t>(word - 1)].str();
        for (char &c : k)
            c = static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(c)));
        return k;
    };
    std::vector<std::pair<std::string, int>> sorted;
    for (int word = 1; word <= m_printWordCount; ++word)
        sorted.emplace_back(key(word), word);
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) {
        return std::lexicographical_compare(
            a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
            [](char x, char y) { return static_cast<uint8_t>(x) < static_cast<uint8_t>(y); });
    });
    std::vector<QString> texts;
    for (const auto &[k, word] : sorted) {
        metrics.words.push_back(word);
        texts.push_back(cp1252::toUnicode(m_record.Words[static_cast<size_t>(word - 1)].str()).trimmed());
    }
    const int count = static_cast<int>(texts.size());

    // Words are laid one per row, column after column.
    const auto layOut = [&] {
        metrics.linesPerColumn = linesPerColumn(h, measuringHeight(report));
        const int L = metrics.linesPerColumn;
        metrics.indent = report.textWidth(u"9") / 4;
        metrics.columnPitch = (w - metrics.indent) / C;
        metrics.blank.assign(static_cast<size_t>(count), false);
        bool fits = true;
        metrics.lastFitted = count;
        if (L < 1 && count > 0) {
            fits = false;
            metrics.lastFitted = 0;
            return fits;
        }
        int row = 1;
        int col = 1;
        for (int i = 0; i < count; ++i) {
            if (row > L) {
                ++col;
                row = 1;
            }
            if (col > C) {
                fits = false;
                metrics.lastFitted = i;
                break;
            }
            // A word wider than its column prints as a blank row; the list then does not fit.
            if (report.textWidth(texts[static_cast<size_t>(i)]) > metrics.columnPitch) {
                metrics.blank[static_cast<size_t>(i)] = true;
                fits = false;
            }
            ++row;
        }
        return fits;
    };
    fitListFont(report, o, metrics, redrawing() ? &earlierFit(index).words : nullptr, makeItFit, layOut,
                m_outcome.wordsOverflow);

    const int L = metrics.linesPerColumn;
    if (L >= 1) {
        metrics.rowPitch = h / L;
        setBackgroundOf(report, o);
        const int printed = std::min({metrics.lastFitted, count, static_cast<int>(metrics.blank.size())});
        for (int i = 0; i < printed; ++i) {
            const int col = i / L + 1;
            const int line = i % L + 1;
            if (metrics.blank[static_cast<size_t>(i)])
                continue;
            const double top = box.top + (line - 1) * metrics.rowPitch;
            printLine(report, box.left + metrics.indent + (col - 1) * metrics.columnPitch, top,
                      box.top + line * metrics.rowPitch - 0.2 * metrics.rowPitch, texts[static_cast<size_t>(i)]);
        }
    }
    drawBorder(report, o, box);
}

} // namespace qx
