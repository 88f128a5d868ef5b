#pragma once
// A puzzle shape: which squares of a grid of at most 49 by 49 may hold letters. One fixed record of
// 2,555 bytes, kept in the shape library and in the single-shape exchange file.

#include "common/pstring.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace qx {

struct ShapeRecord {
    static constexpr int Size = 2555;
    static constexpr int Side = 50;      // the cell array is always 50 by 50
    static constexpr int MinExtent = 5;  // smallest width or height the editor offers
    static constexpr int MaxExtent = 49; // row 50 and column 50 are never inside a shape
    static constexpr int CellCount = Side * Side;

    PString<50> ShapeName; // keeps all 51 bytes, so an unchanged record writes back identically
    int16_t ShapeWidth = 30;
    int16_t ShapeHeight = 30;
    std::array<uint8_t, CellCount> ShapeCells{}; // row-major; 1 in the shape, 0 outside

    static ShapeRecord decode(std::span<const uint8_t, Size> bytes);
    void encode(std::span<uint8_t, Size> out) const;
    std::array<uint8_t, Size> encoded() const;

    static constexpr int cellIndex(int row, int col) { return (row - 1) * Side + (col - 1); }

    // Rows and columns count from 1 up to 50; any non-zero cell is in the shape.
    bool inShape(int row, int col) const { return ShapeCells[cellIndex(row, col)] != 0; }

    // The stored width and height cut into 1..49. A damaged file may hold anything there; cutting
    // (rather than forcing the editor's lower limit of 5) keeps a small stored shape as it is,
    // while every consumer can index rows and columns 1..width() and 1..height() safely.
    int width() const { return clampExtent(ShapeWidth); }
    int height() const { return clampExtent(ShapeHeight); }

    friend bool operator==(const ShapeRecord &, const ShapeRecord &) = default;

private:
    static int clampExtent(int16_t v) { return v < 1 ? 1 : (v > MaxExtent ? MaxExtent : v); }
};

// "New Layout", 30 by 30, every cell in the shape.
ShapeRecord newShape();

// The list text of a shape: width, "x", height, a blank and the name, e.g. "15x15 Star". The stored
// numbers are shown as they are.
std::string shapeEntryText(const ShapeRecord &shape);

// The record number carried by the list entry that stands for the open puzzle's own shape; no
// library can reach it (a library of 100,000 shapes would be a quarter of a gigabyte).
inline constexpr int CurrentPuzzleShapeMarker = 100000;
inline constexpr const char *CurrentPuzzleShapeName = QT_TRANSLATE_NOOP("qx", "<Current Puzzle>");
// The word list editor's entry that asks the builder for the smallest square holding every word.
inline constexpr int SmallestSquareMarker = 100001;
inline constexpr const char *SmallestSquareName = QT_TRANSLATE_NOOP("qx", "<Smallest Square>");

// The shape of a built puzzle, derived from its grid: a cell is in the shape wherever the grid byte
// is non-zero (a letter or an open square), over all 2,500 cells, beyond the grid size too. Width
// and height are the puzzle's grid size as given.
ShapeRecord currentPuzzleShape(int gridWidth, int gridHeight, std::span<const uint8_t, ShapeRecord::CellCount> grid);

// A full square of the given side (5..49), with the given name.
ShapeRecord squareShape(int side, const char *name = "");

} // namespace qx
