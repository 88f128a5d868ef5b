// The puzzle grid: squares, lines, clue numbers and the letters the options ask for.
#include "render/page_renderer.h"

#include "common/cp1252.h"
#include "common/upper_case_letter.h"

#include <algorithm>
#include <array>
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

} // namespace

void PageRenderer::drawLetter(ReportCanvas &report, double x0, double y0, double cell, int row, int col) const
{
    const QString letter = letterText(m_record.cell(row, col));
    const double left = x0 + (col - 1) * cell;
    const double bottom = y0 + row * cell;
    const double x = left + (cell - report.textWidth(letter)) / 2;
    const double y = bottom - (cell - report.textHeight(letter)) / 2 - report.fontDescent();
    report.printXY(x, y, letter);
}

void PageRenderer::doPuzz(ReportCanvas &report, int index)
{
    LayoutObject &o = object(index);
    Box box;
    if (!objectBox(o, box))
        return;
    const int columns = m_record.widthInUse();
    const int rows = m_record.heightInUse();
    const double w = box.width();
    const double h = box.height();

    // Square cells, the grid centred along the longer side of the box.
    const double cellWidth = w / columns;
    const double cellHeight = h / rows;
    double cell = cellWidth;
    double x0 = box.left;
    double y0 = box.top;
    if (cellWidth > cellHeight) {
        cell = cellHeight;
        x0 += (w - cell * columns) / 2;
    } else if (cellHeight > cellWidth) {
        cell = cellWidth;
        y0 += (h - cell * rows) / 2;
    }
    const auto left = [&](int c) { return x0 + (c - 1) * cell; };
    const auto top = [&](int r) { return y0 + (r - 1) * cell; };

    if (m_options.useBoxes) {
        const QColor box = colorOf(m_options.boxColor);
        report.setPen(box);
        report.setBrush(box);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                if (m_record.cell(r, c) != ' ')
                    continue;
                report.fillRect(left(c), top(r), left(c) + cell, top(r) + cell);
                // Edge lines carry the filled area to the grid's outer edge.
                if (c == columns || m_record.cell(r, c + 1) == 0) {
                    report.moveTo(left(c) + cell, top(r));
                    report.lineTo(left(c) + cell, top(r) + cell);
                }
                if (r == rows || m_record.cell(r + 1, c) == 0) {
                    report.moveTo(left(c), top(r) + cell);
                    report.lineTo(left(c) + cell, top(r) + cell);
                }
            }
        }
    }

    const QColor square = colorOf(o.SquareColor);
    report.setPen(square);
    report.setBrush(square);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (isLetterCell(m_record.cell(r, c)))
                report.fillRect(left(c), top(r), left(c) + cell, top(r) + cell);
        }
    }

    report.setPen(colorOf(o.LineColor));
    // Thick lines grow into the cell; beyond half the cell there is nothing left to grow into.
    const int lineSteps =
        o.LineWidth < 2 ? 1 : static_cast<int>(std::min<double>(o.LineWidth, report.XI2D(cell) / 2 + 1));
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (!isLetterCell(m_record.cell(r, c)))
                continue;
            for (int k = 0; k < lineSteps; ++k) {
                const double dx = report.XD2I(k);
                const double dy = report.YD2I(k);
                report.frameRect(left(c) + dx, top(r) + dy, left(c) + cell - dx, top(r) + cell - dy);
            }
        }
    }

    // A word is drawn only where its cells lie inside the grid in use.
    const auto wordCells = [&](int word) {
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
            if (r > rows || c > columns)
                break;
            cells.emplace_back(r, c);
        }
        return cells;
    };

    report.setBackgroundMode(BackgroundMode::Transparent);
    report.setFont(numberFont(o));
    const double nine = report.textWidth(u"9");
    const double numberStep = report.lineHeight() - report.fontDescent();
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
        if (row > rows || col > columns)
            continue;
        const std::pair<int, int> key(pos, wordNumber(word));
        if (std::find(numbered.begin(), numbered.end(), key) != numbered.end())
            continue;
        numbered.push_back(key);
        const QString number = QString::number(wordNumber(word));
        const double x = left(col) + nine / 2;
        const double y = top(row) + numberStep;
        if (o.NumbersHorizontal != 0) {
            report.printXY(x, y, number);
        } else {
            for (qsizetype d = 0; d < number.size(); ++d)
                report.printXY(x, y + d * numberStep, QStringView(number).mid(d, 1));
        }
    }

    ReportFont letters = mainFont(o);
    report.setFont(letters);
    int size = letters.size;
    while (size > 4 && report.textWidth(u"W") >= cell) {
        --size;
        report.setFontSize(size);
    }
    o.UsedFontSize = static_cast<int16_t>(size);

    // Each shown letter is drawn once, however many words and rules show it: a crossing letter
    // drawn twice would look bolder than its neighbours.
    std::array<bool, GridCells + 1> shown{};
    const auto show = [&](int r, int c) {
        bool &done = shown[static_cast<size_t>(cellIndex(r, c))];
        if (!done && isLetterCell(m_record.cell(r, c))) {
            drawLetter(report, x0, y0, cell, r, c);
            done = true;
        }
    };
    if (m_options.answerKey) {
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c)
                show(r, c);
        }
    } else if (m_options.partialAnswer) {
        for (int word = 1; word <= m_printWordCount; ++word) {
            if (m_options.partialAnswerWords[static_cast<size_t>(word - 1)] == 0)
                continue;
            for (const auto &[r, c] : wordCells(word))
                show(r, c);
        }
    }
    const auto drawMatching = [&](const std::string &set) {
        for (int word = 1; word <= m_printWordCount; ++word) {
            for (const auto &[r, c] : wordCells(word)) {
                if (set.find(static_cast<char>(m_record.cell(r, c))) != std::string::npos)
                    show(r, c);
            }
        }
    };
    if (m_options.partialLetters && !m_options.answerKey && !m_options.letters.empty()) {
        std::string set;
        for (const char c : m_options.letters)
            set += static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(c)));
        drawMatching(set);
    }
    if (!m_options.wordSeparators.empty())
        drawMatching(m_options.wordSeparators);
}

} // namespace qx
