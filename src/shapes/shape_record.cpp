#include "shapes/shape_record.h"

#include "common/field_coder.h"

namespace qx {

namespace {

// The fields at their offsets (docs/FILE_FORMATS.md), for both directions.
template <typename Shape, typename Coder>
void shapeFields(Shape &s, const Coder &c)
{
    c(0, s.ShapeName);
    c(51, s.ShapeWidth);
    c(53, s.ShapeHeight);
    c(55, s.ShapeCells);
    static_assert(55 + ShapeRecord::CellCount == ShapeRecord::Size);
}

} // namespace

ShapeRecord ShapeRecord::decode(std::span<const uint8_t, Size> bytes)
{
    ShapeRecord s;
    shapeFields(s, FieldReader(bytes));
    return s;
}

void ShapeRecord::encode(std::span<uint8_t, Size> out) const
{
    shapeFields(*this, FieldWriter(out));
}

std::array<uint8_t, ShapeRecord::Size> ShapeRecord::encoded() const
{
    std::array<uint8_t, Size> out{};
    encode(out);
    return out;
}

ShapeRecord newShape()
{
    ShapeRecord s;
    s.ShapeName.set("New Layout");
    s.ShapeWidth = 30;
    s.ShapeHeight = 30;
    s.ShapeCells.fill(1);
    return s;
}

std::string shapeEntryText(const ShapeRecord &shape)
{
    return std::to_string(shape.ShapeWidth) + "x" + std::to_string(shape.ShapeHeight) + " " + shape.ShapeName.str();
}

ShapeRecord currentPuzzleShape(int gridWidth, int gridHeight, std::span<const uint8_t, ShapeRecord::CellCount> grid)
{
    ShapeRecord s;
    s.ShapeName.set(CurrentPuzzleShapeName);
    s.ShapeWidth = static_cast<int16_t>(gridWidth);
    s.ShapeHeight = static_cast<int16_t>(gridHeight);
    for (size_t i = 0; i < s.ShapeCells.size(); ++i)
        s.ShapeCells[i] = grid[i] != 0 ? 1 : 0;
    return s;
}

ShapeRecord squareShape(int side, const char *name)
{
    ShapeRecord square;
    square.ShapeName.set(name);
    square.ShapeWidth = square.ShapeHeight = static_cast<int16_t>(side);
    square.ShapeCells.fill(0);
    for (int r = 1; r <= side; ++r) {
        for (int c = 1; c <= side; ++c)
            square.ShapeCells[static_cast<size_t>(ShapeRecord::cellIndex(r, c))] = 1;
    }
    return square;
}

} // namespace qx
