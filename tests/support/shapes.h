#pragma once
// Shapes for tests.

#include "shapes/shape_record.h"

#include <utility>

namespace qx::test {

// A width x height rectangle with every square in the shape except the holes (row, column).
inline ShapeRecord fullShape(int width, int height, std::initializer_list<std::pair<int, int>> holes = {})
{
    ShapeRecord s;
    s.ShapeWidth = static_cast<int16_t>(width);
    s.ShapeHeight = static_cast<int16_t>(height);
    s.ShapeCells.fill(0);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c)
            s.ShapeCells[ShapeRecord::cellIndex(r, c)] = 1;
    for (const auto &[r, c] : holes)
        s.ShapeCells[ShapeRecord::cellIndex(r, c)] = 0;
    return s;
}

} // namespace qx::test
