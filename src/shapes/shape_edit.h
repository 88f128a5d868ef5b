#pragma once
// What the shape editor does to the cells of a shape, and how shapes are drawn, free of widgets so
// that every rule can be checked on its own. Rows and columns count from 1; the working rectangle
// is 1..width() by 1..height() of the 50 by 50 cell array, and cells outside it are never touched
// except by reverseCells.

#include "shapes/shape_record.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QStringView>

namespace qx {

enum class ShapeEditMode { New, Modify, Copy };

// What the editor starts from: the new-shape defaults, the current shape as it is, or the current
// shape under the name of a copy.
ShapeRecord startingShape(ShapeEditMode mode, const ShapeRecord &current);

// Whether a width or height typed into the editor is allowed.
constexpr bool validExtent(int value)
{
    return value >= ShapeRecord::MinExtent && value <= ShapeRecord::MaxExtent;
}

// The number at the start of a width or height box: blanks around it ignored, then decimal digits
// up to the first other character; no digits give 0 ("12a" is 12, "a" and "-5" are 0).
int leadingWholeNumber(QStringView text);

// Flips one cell between 0 and 1.
void toggleCell(ShapeRecord &shape, int row, int col);

// The right-click fill at (row, col): the cell's run along its row, then rows swept upwards and
// then downwards by a row rule that spreads only rightwards along a row (and one cell leftwards).
// Deliberately not a general flood fill: users know exactly which squares it reaches. Flips the
// cells it reaches and returns how many there were.
int fillAt(ShapeRecord &shape, int row, int col);

enum class ShiftDirection { Left, Right, Up, Down };

// Moves the pattern inside the working rectangle by one square; what is pushed over the edge is
// lost and the row or column left behind becomes 0.
void shiftCells(ShapeRecord &shape, ShiftDirection direction);

// Flips all 2,500 cells, those outside the working rectangle too.
void reverseCells(ShapeRecord &shape);

// The editor's square size on a surface: one pixel less than fits, so squares never touch the
// far edge (30 by 30 on 401 pixels gives 12, 5 by 5 gives 79, 49 by 49 gives 7).
int editorCellSize(QSize surface, int width, int height);
// The preview's square size: as many whole pixels as fit (240 pixels and 30 by 30 give 8).
int previewCellSize(QSize surface, int width, int height);

// The cell under a point of a drawing with squares of the given size; (0, 0) when the point lies
// left of or above the drawing. The cell may lie beyond the shape.
struct CellPos {
    int row = 0;
    int col = 0;

    friend bool operator==(const CellPos &, const CellPos &) = default;
};
CellPos cellAt(int x, int y, int cellSize);

// Whether a cell lies in the working rectangle of the shape.
bool insideShape(const ShapeRecord &shape, CellPos cell);

// Draws the shape: background, a white area of width x height squares with black grid lines, and
// every cell of the shape filled in the cell colour. A square's fill leaves its top and left grid
// line alone.
void drawShape(QImage &image, const ShapeRecord &shape, int cellSize, QColor cellColour, QColor background);

// Repaints one square in the cell colour when the cell is in the shape, else white.
void paintCell(QImage &image, const ShapeRecord &shape, int cellSize, CellPos cell, QColor cellColour);

} // namespace qx
