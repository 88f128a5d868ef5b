// The puzzle grid: squares, lines, clue numbers and the letters the options ask for.
#include "render/page_renderer.h"

#include "common/cp1252.h"
#include "common/upper_case_letter.h"

#include <algorithm>
#include <cmath>

namespace qx {

namespace {

QString letterText(uint8_t byte)
{
    const char c = static_cast<char>(byte);
    return cp1252::toUnicode(std::string_view(&c, 1));
}

bool isLetterCell(uint8_t byte)
{
    return byte != 0 && byte != ' ';
}

// Clue numbers shrink to stay inside their cell, but not below this size.
constexpr int NumberFloor = 2;
// A number keeps to the top two fifths of its cell: beside a shown letter so that the letter keeps
// a readable size, and in a blank cell so that the solver has room to write (a large number font
// on a fine grid would otherwise fill the squares).
constexpr double NumberShare = 0.4;
// Grid letters never go below this size.
constexpr int LetterFloor = 4;

} // namespace

struct PageRenderer::Grid {
    int rows = 0;
    int columns = 0;
    double x0 = 0;
    double y0 = 0;
    double cell = 0;
    std::vector<uint8_t> shown; // per cell index: its letter is drawn

    double left(int c) const { return x0 + (c - 1) * cell; }
    double top(int r) const { return y0 + (r - 1) * cell; }
};

PageRenderer::Grid PageRenderer::gridIn(const Box &box) const
{
    // Square cells, the grid centred along the longer side of the box.
    Grid grid;
    grid.columns = m_record.widthInUse();
    grid.rows = m_record.heightInUse();
    const double w = box.width();
    const double h = box.height();
    const double cellWidth = w / grid.columns;
    const double cellHeight = h / grid.rows;
    grid.cell = cellWidth;
    grid.x0 = box.left;
    grid.y0 = box.top;
    if (cellWidth > cellHeight) {
        grid.cell = cellHeight;
        grid.x0 += (w - grid.cell * grid.columns) / 2;
    } else if (cellHeight > cellWidth) {
        grid.cell = cellWidth;
        grid.y0 += (h - grid.cell * grid.rows) / 2;
    }
    return grid;
}

std::vector<std::pair<int, int>> PageRenderer::wordCells(const Grid &grid, int word) const
{
    std::vector<std::pair<int, int>> cells;
    const int pos = m_record.WordPos[static_cast<size_t>(word - 1)];
    if (pos < 1 || pos > GridCells)
        return cells;
    const int row = (pos - 1) / GridSide + 1;
    const int col = (pos - 1) % GridSide + 1;
    const int length = std::clamp<int>(m_record.WordLen[static_cast<size_t>(word - 1)], 0, GridSide);
    const bool across = m_record.WordAcross[static_cast<size_t>(word - 1)] != 0;
    for (int j = 0; j < length; ++j) {
        const int r = across ? row : row + j;
        const int c = across ? col + j : col;
        if (r > grid.rows || c > grid.columns)
            break;
        cells.emplace_back(r, c);
    }
    return cells;
}

std::vector<std::pair<int, int>> PageRenderer::shownLetters(const Grid &grid) const
{
    // Each shown letter is drawn once, however many words and rules show it: a crossing letter
    // drawn twice would look bolder than its neighbours.
    std::vector<std::pair<int, int>> order;
    std::vector<bool> done(static_cast<size_t>(GridCells + 1), false);
    const auto show = [&](int r, int c) {
        const auto k = static_cast<size_t>(cellIndex(r, c));
        if (!done[k] && isLetterCell(m_record.cell(r, c))) {
            order.emplace_back(r, c);
            done[k] = true;
        }
    };
    if (m_options.answerKey) {
        for (int r = 1; r <= grid.rows; ++r) {
            for (int c = 1; c <= grid.columns; ++c)
                show(r, c);
        }
    } else if (m_options.partialAnswer) {
        for (int word = 1; word <= m_printWordCount; ++word) {
            if (m_options.partialAnswerWords[static_cast<size_t>(word - 1)] == 0)
                continue;
            for (const auto &[r, c] : wordCells(grid, word))
                show(r, c);
        }
    }
    const auto showMatching = [&](const std::string &set) {
        for (int word = 1; word <= m_printWordCount; ++word) {
            for (const auto &[r, c] : wordCells(grid, word)) {
                if (set.find(static_cast<char>(m_record.cell(r, c))) != std::string::npos)
                    show(r, c);
            }
        }
    };
    if (m_options.partialLetters && !m_options.answerKey && !m_options.letters.empty()) {
        std::string set;
        for (const char c : m_options.letters)
            set += static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(c)));
        showMatching(set);
    }
    if (!m_options.wordSeparators.empty())
        showMatching(m_options.wordSeparators);
    return order;
}

void PageRenderer::drawFilledBoxes(ReportCanvas &report, const Grid &grid) const
{
    const QColor box = colorOf(m_options.boxColor);
    report.setPen(box);
    report.setBrush(box);
    const double cell = grid.cell;
    for (int r = 1; r <= grid.rows; ++r) {
        for (int c = 1; c <= grid.columns; ++c) {
            if (m_record.cell(r, c) != ' ')
                continue;
            const double left = grid.left(c);
            const double top = grid.top(r);
            report.fillRect(left, top, left + cell, top + cell);
            // Edge lines carry the filled area to the grid's outer edge.
            if (c == grid.columns || m_record.cell(r, c + 1) == 0) {
                report.moveTo(left + cell, top);
                report.lineTo(left + cell, top + cell);
            }
            if (r == grid.rows || m_record.cell(r + 1, c) == 0) {
                report.moveTo(left, top + cell);
                report.lineTo(left + cell, top + cell);
            }
        }
    }
}

void PageRenderer::drawSquares(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const
{
    const QColor square = colorOf(o.SquareColor);
    report.setPen(square);
    report.setBrush(square);
    for (int r = 1; r <= grid.rows; ++r) {
        for (int c = 1; c <= grid.columns; ++c) {
            if (isLetterCell(m_record.cell(r, c)))
                report.fillRect(grid.left(c), grid.top(r), grid.left(c) + grid.cell, grid.top(r) + grid.cell);
        }
    }
}

void PageRenderer::drawGridLines(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const
{
    report.setPen(colorOf(o.LineColor));
    // Thick lines grow into the cell; beyond half the cell there is nothing left to grow into.
    const int lineSteps =
        o.LineWidth < 2 ? 1 : static_cast<int>(std::min<double>(o.LineWidth, report.toDevice(grid.cell) / 2 + 1));
    for (int r = 1; r <= grid.rows; ++r) {
        for (int c = 1; c <= grid.columns; ++c) {
            if (!isLetterCell(m_record.cell(r, c)))
                continue;
            const double left = grid.left(c);
            const double top = grid.top(r);
            for (int k = 0; k < lineSteps; ++k) {
                const double dx = report.toInches(k);
                const double dy = report.toInches(k);
                report.frameRect(left + dx, top + dy, left + grid.cell - dx, top + grid.cell - dy);
            }
        }
    }
}

std::vector<double> PageRenderer::drawClueNumbers(ReportCanvas &report, const LayoutObject &o, const Grid &grid) const
{
    std::vector<double> depth(static_cast<size_t>(GridCells + 1), 0.0);
    report.setBackgroundMode(BackgroundMode::Transparent);
    const ReportFont font = numberFont(o);
    report.setFont(font);
    const bool horizontal = o.NumbersHorizontal != 0;
    // An across and a down word that start in one cell share its number. Printing it twice on the
    // same spot would show it bolder than the rest wherever ink is blended (screens, pictures,
    // PDF viewers), so a number already in its cell is not printed again.
    std::vector<std::pair<int, int>> numbered; // cell, number
    for (int word = 1; word <= m_printWordCount; ++word) {
        const int pos = m_record.WordPos[static_cast<size_t>(word - 1)];
        if (pos < 1 || pos > GridCells)
            continue;
        const int row = (pos + GridSide - 1) / GridSide;
        const int col = pos - GridSide * (row - 1);
        if (row > grid.rows || col > grid.columns)
            continue;
        const std::pair<int, int> key(pos, wordNumber(word));
        if (std::find(numbered.begin(), numbered.end(), key) != numbered.end())
            continue;
        numbered.push_back(key);

        // The number sits half a digit in from the cell's left edge, its first baseline one line
        // (less the descent) below the top; stacked, each digit a line lower. It keeps its font
        // size unless that would take it out of its cell.
        const QString number = QString::number(wordNumber(word));
        const int lines = horizontal ? 1 : static_cast<int>(number.size());
        const double room = NumberShare * grid.cell;
        const auto step = [&] { return report.lineHeight() - report.fontDescent(); };
        const auto inCell = [&] {
            double width = 0;
            if (horizontal) {
                width = report.textWidth(number);
            } else {
                for (qsizetype d = 0; d < number.size(); ++d)
                    width = std::max(width, report.textWidth(QStringView(number).mid(d, 1)));
            }
            return report.textWidth(u"9") / 2 + width <= grid.cell && lines * step() <= room;
        };
        report.setFontSize(font.size);
        // A redrawn page keeps the number font's own size, its digits one text height apart
        // from the cell's top.
        if (!redrawing())
            shrinkToFit(report, NumberFloor, inCell);
        const double pitch = redrawing() ? report.textHeight(number) : step();

        const double x = grid.left(col) + report.textWidth(u"9") / 2;
        const double top = grid.top(row);
        for (qsizetype d = 0; d < lines; ++d) {
            const QStringView digits = horizontal ? QStringView(number) : QStringView(number).mid(d, 1);
            printLine(report, x, top + d * pitch, top + step() + d * pitch, digits);
        }
        double &reach = depth[static_cast<size_t>(pos)];
        reach = std::max(reach, lines * step());
    }
    return depth;
}

void PageRenderer::drawGridLetters(ReportCanvas &report, LayoutObject &o, const Grid &grid,
                                   const std::vector<std::pair<int, int>> &letters,
                                   const std::vector<double> &numberDepth) const
{
    if (redrawing()) {
        // Each letter at the size the page was drawn with, centred in its cell by its extent.
        setEarlierFont(report, o);
        for (const auto &[r, c] : letters) {
            const QString letter = letterText(m_record.cell(r, c));
            printLine(report, grid.left(c) + (grid.cell - report.textWidth(letter)) / 2,
                      grid.top(r) + (grid.cell - report.textHeight(letter)) / 2, 0, letter);
        }
        return;
    }
    const FontFit fit = fitMainFont(report, o, LetterFloor, true, [&] { return report.textWidth(u"W") < grid.cell; });
    for (const auto &[r, c] : letters) {
        const QString letter = letterText(m_record.cell(r, c));
        const double depth = numberDepth[static_cast<size_t>(cellIndex(r, c))];
        // Centred in the cell. In a cell with a number that the letter would reach up into, the
        // letter is centred in the part of the cell below the number's baseline instead, and made
        // smaller while its ascent is taller than that part. Its box may then reach one descent
        // above the number's baseline: a capital leaves about that much of the box's top empty.
        report.setFontSize(fit.size);
        const double bottom = grid.top(r) + grid.cell;
        double y = bottom - (grid.cell - report.textHeight(letter)) / 2 - report.fontDescent();
        if (depth > 0 && (grid.cell - report.textHeight(letter)) / 2 + report.fontDescent() < depth) {
            const double band = grid.cell - depth;
            shrinkToFit(report, LetterFloor, [&] { return report.fontAscent() <= band; });
            y = bottom - std::max(0.0, (band - report.fontAscent()) / 2) - report.fontDescent();
        }
        const double x = grid.left(c) + (grid.cell - report.textWidth(letter)) / 2;
        report.printXY(x, y, letter);
    }
}

void PageRenderer::drawPuzzleGrid(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    Grid grid = gridIn(box);
    const std::vector<std::pair<int, int>> letters = shownLetters(grid);
    grid.shown.assign(static_cast<size_t>(GridCells + 1), 0);
    for (const auto &[r, c] : letters)
        grid.shown[static_cast<size_t>(cellIndex(r, c))] = 1;

    if (m_options.useBoxes)
        drawFilledBoxes(report, grid);
    drawSquares(report, o, grid);
    drawGridLines(report, o, grid);
    const std::vector<double> numberDepth = drawClueNumbers(report, o, grid);
    drawGridLetters(report, o, grid, letters, numberDepth);
}

} // namespace qx
