#include "shapes/shape_edit.h"

#include "common/text.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace qx {

namespace {

uint8_t &cell(ShapeRecord &shape, int row, int col)
{
    return shape.ShapeCells[ShapeRecord::cellIndex(row, col)];
}

uint8_t cell(const ShapeRecord &shape, int row, int col)
{
    return shape.ShapeCells[ShapeRecord::cellIndex(row, col)];
}

// The fill's marks, indexed from 1 like the cells.
class Marks {
public:
    bool at(int row, int col) const { return m_marks[index(row, col)]; }
    void set(int row, int col) { m_marks[index(row, col)] = true; }

private:
    static size_t index(int row, int col) { return static_cast<size_t>(row * (ShapeRecord::Side + 1) + col); }
    std::array<bool, (ShapeRecord::Side + 1) * (ShapeRecord::Side + 1)> m_marks{};
};

// Marks the cells of value v in row r that the row above, the row below or a marked neighbour in
// the row reaches; true when any cell qualified. The neighbour pass runs once, left to right, so a
// mark travels right along a run but only one cell to the left.
bool markRow(const ShapeRecord &shape, Marks &marks, int r, uint8_t v)
{
    const int w = shape.width();
    const int h = shape.height();
    bool found = false;
    auto qualify = [&](int c) {
        marks.set(r, c);
        found = true;
    };
    if (r > 1)
        for (int c = 1; c <= w; ++c)
            if (cell(shape, r, c) == v && marks.at(r - 1, c))
                qualify(c);
    if (r < h)
        for (int c = 1; c <= w; ++c)
            if (cell(shape, r, c) == v && marks.at(r + 1, c))
                qualify(c);
    if (w >= 3)
        for (int c = 2; c <= w - 1; ++c)
            if (cell(shape, r, c) == v && (marks.at(r, c - 1) || marks.at(r, c + 1)))
                qualify(c);
    return found;
}

} // namespace

ShapeRecord startingShape(ShapeEditMode mode, const ShapeRecord &current)
{
    switch (mode) {
    case ShapeEditMode::New:
        return newShape();
    case ShapeEditMode::Modify:
        return current;
    case ShapeEditMode::Copy:
        break;
    }
    ShapeRecord copy = current;
    copy.ShapeName.set(copyName(current.ShapeName.str(), decltype(copy.ShapeName)::Capacity));
    return copy;
}

int leadingWholeNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    int value = 0;
    for (const QChar ch : trimmed) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        value = std::min(value * 10 + (ch.unicode() - '0'), 1000000);
    }
    return value;
}

void toggleCell(ShapeRecord &shape, int row, int col)
{
    cell(shape, row, col) ^= 1;
}

int fillAt(ShapeRecord &shape, int row, int col)
{
    if (!insideShape(shape, {row, col}))
        return 0;
    const int w = shape.width();
    const int h = shape.height();
    const uint8_t v = cell(shape, row, col);

    Marks marks;
    marks.set(row, col);
    for (int c = col - 1; c >= 1 && cell(shape, row, c) == v; --c)
        marks.set(row, c);
    for (int c = col + 1; c <= w && cell(shape, row, c) == v; ++c)
        marks.set(row, c);
    for (int r = row - 1; r >= 1; --r)
        if (!markRow(shape, marks, r, v))
            break;
    for (int r = row + 1; r <= h; ++r)
        if (!markRow(shape, marks, r, v))
            break;

    int flipped = 0;
    for (int r = 1; r <= h; ++r)
        for (int c = 1; c <= w; ++c)
            if (marks.at(r, c)) {
                cell(shape, r, c) ^= 1;
                ++flipped;
            }
    return flipped;
}

void shiftCells(ShapeRecord &shape, ShiftDirection direction)
{
    const int w = shape.width();
    const int h = shape.height();
    switch (direction) {
    case ShiftDirection::Left:
        for (int r = 1; r <= h; ++r) {
            for (int c = 2; c <= w; ++c)
                cell(shape, r, c - 1) = cell(shape, r, c);
            cell(shape, r, w) = 0;
        }
        break;
    case ShiftDirection::Right:
        for (int r = 1; r <= h; ++r) {
            for (int c = w; c >= 2; --c)
                cell(shape, r, c) = cell(shape, r, c - 1);
            cell(shape, r, 1) = 0;
        }
        break;
    case ShiftDirection::Up:
        for (int c = 1; c <= w; ++c) {
            for (int r = 2; r <= h; ++r)
                cell(shape, r - 1, c) = cell(shape, r, c);
            cell(shape, h, c) = 0;
        }
        break;
    case ShiftDirection::Down:
        for (int c = 1; c <= w; ++c) {
            for (int r = h; r >= 2; --r)
                cell(shape, r, c) = cell(shape, r - 1, c);
            cell(shape, 1, c) = 0;
        }
        break;
    }
}

void reverseCells(ShapeRecord &shape)
{
    for (auto &c : shape.ShapeCells)
        c ^= 1;
}

int editorCellSize(QSize surface, int width, int height)
{
    return std::min(surface.width() / width - 1, surface.height() / height - 1);
}

int previewCellSize(QSize surface, int width, int height)
{
    return std::min(surface.width() / width, surface.height() / height);
}

CellPos cellAt(int x, int y, int cellSize)
{
    if (x < 0 || y < 0 || cellSize <= 0)
        return {};
    return {y / cellSize + 1, x / cellSize + 1};
}

bool insideShape(const ShapeRecord &shape, CellPos cell)
{
    return cell.row >= 1 && cell.col >= 1 && cell.row <= shape.height() && cell.col <= shape.width();
}

void drawShape(QImage &image, const ShapeRecord &shape, int cellSize, QColor cellColour, QColor background)
{
    const int w = shape.width();
    const int h = shape.height();
    const int s = std::max(cellSize, 0);
    QPainter p(&image);
    p.fillRect(image.rect(), background);
    p.fillRect(0, 0, w * s, h * s, Qt::white);
    // Lines are one pixel wide and stop short of their end point, as the squares' white area does.
    for (int k = 0; k <= h; ++k)
        p.fillRect(0, k * s, w * s, 1, Qt::black);
    for (int k = 0; k <= w; ++k)
        p.fillRect(k * s, 0, 1, h * s, Qt::black);
    for (int r = 1; r <= h; ++r)
        for (int c = 1; c <= w; ++c)
            if (shape.inShape(r, c))
                p.fillRect(s * (c - 1) + 1, s * (r - 1) + 1, s - 1, s - 1, cellColour);
}

void paintCell(QImage &image, const ShapeRecord &shape, int cellSize, CellPos cell, QColor cellColour)
{
    const int s = cellSize;
    QPainter p(&image);
    p.fillRect(s * (cell.col - 1) + 1, s * (cell.row - 1) + 1, s - 1, s - 1,
               shape.inShape(cell.row, cell.col) ? cellColour : QColor(Qt::white));
}

} // namespace qx
