#pragma once
// The small picture of a built grid in the candidate window and the enlarged view: letters on
// white squares, open squares without a letter black, squares outside the shape in the window
// colour, and nothing at all for an empty slot.

#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <QColor>
#include <QImage>

#include <functional>

namespace qx {

// The side of one square: the smaller of (width div columns) - 1 and (height div rows) - 1.
int candidateCellSize(QSize picture, int gridWidth, int gridHeight);

// The largest Arial size from 20 down whose "W" is lower than a square; 4 at the least.
int candidateFontSize(int cellSize);

// A built grid's picture: squares of candidateCellSize, a white area of whiteArea squares with
// black grid lines over the window colour, squares outside the shape in the window colour, letters
// centred on white, and open squares without a letter in the colour emptyColour gives their cell.
QImage drawGridPicture(const PuzzleRecord &record, QSize whiteArea, QSize picture, const QColor &buttonFace,
                       const std::function<QColor(int cell)> &emptyColour);

QImage drawCandidate(const PuzzleRecord &record, int score, const ShapeRecord &currentShape, QSize picture,
                     const QColor &buttonFace);

} // namespace qx
