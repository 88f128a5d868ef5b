// Compiles the shape pictures in data/shapes into the shape library the program ships, QXFLAY.DAT.
//
//     quorvex_shape_compiler OUTPUT PICTURE...
//
// Each picture becomes one record, in the order of the pictures' file names (whatever order the
// build lists them in), so a shape keeps its record number, which the settings remember, for as
// long as no file is slipped in before it. Every picture is checked before anything is written; a
// faulty one stops the build with "file:line: message" for each fault, and the library from the
// last good build stays as it was.

#include "common/record_file.h"
#include "shapes/shape_library.h"
#include "shapes/shape_record.h"

#include "library_compiler.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace qx;

namespace {

constexpr std::string_view NameKey = "name:";
constexpr int MaxNameLength = 50;

class Picture : public tools::CompilerSource {
public:
    using CompilerSource::CompilerSource;

    // The record, or empty when the picture has faults (listed by faults()).
    std::optional<ShapeRecord> compile()
    {
        auto read = readLines();
        if (!read)
            return std::nullopt;
        std::vector<std::string> &lines = *read;
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();

        ShapeRecord shape; // every cell starts outside the shape, those past the picture stay so
        readName(lines.empty() ? std::string() : lines.front(), shape);
        readRows(lines, shape);
        if (faulty())
            return std::nullopt;
        return shape;
    }

private:
    void readName(const std::string &line, ShapeRecord &shape)
    {
        if (!line.starts_with(NameKey)) {
            fault(1, "the first line must be \"name: <shape name>\"");
            return;
        }
        std::string name = line.substr(NameKey.size());
        const auto first = name.find_first_not_of(' ');
        const auto last = name.find_last_not_of(' ');
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        if (name.empty())
            fault(1, "the shape has no name");
        else if (static_cast<int>(name.size()) > MaxNameLength)
            fault(1, "the name has " + std::to_string(name.size()) + " characters; a shape name has at most " +
                         std::to_string(MaxNameLength));
        else if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= ' ' && c <= '~'; }))
            fault(1, "the name may hold only printable ASCII characters");
        else
            shape.ShapeName.set(name);
    }

    void readRows(const std::vector<std::string> &lines, ShapeRecord &shape)
    {
        const int height = static_cast<int>(lines.size()) - 1;
        if (height < ShapeRecord::MinExtent || height > ShapeRecord::MaxExtent) {
            // At the first row too many, or after the last row when there are too few.
            const int line = height > ShapeRecord::MaxExtent ? ShapeRecord::MaxExtent + 2 : std::max(height + 1, 1);
            fault(line, "the picture has " + std::to_string(std::max(height, 0)) + " rows; a shape " + extentRange());
            return;
        }
        const int width = static_cast<int>(lines[1].size());
        if (width < ShapeRecord::MinExtent || width > ShapeRecord::MaxExtent) {
            fault(2, "the picture is " + std::to_string(width) + " squares wide; a shape " + extentRange());
            return;
        }
        bool anySquare = false;
        for (int row = 1; row <= height; ++row) {
            const std::string &text = lines[row];
            const int lineNo = row + 1;
            // A stray character first: a trailing blank would otherwise show up as a ragged row.
            if (const auto stray = text.find_first_not_of("#."); stray != std::string::npos) {
                fault(lineNo, "column " + std::to_string(stray + 1) + ": '" + std::string(1, text[stray]) +
                                  "' is neither '#' (a square of the puzzle) nor '.' (outside it)");
                continue;
            }
            if (static_cast<int>(text.size()) != width) {
                fault(lineNo, "this row is " + std::to_string(text.size()) + " squares wide, but the first row is " +
                                  std::to_string(width));
                continue;
            }
            for (int col = 1; col <= width; ++col) {
                if (text[col - 1] == '#') {
                    shape.ShapeCells[ShapeRecord::cellIndex(row, col)] = 1;
                    anySquare = true;
                }
            }
        }
        if (!faulty() && !anySquare)
            fault(2, "the picture has no square in it");
        shape.ShapeWidth = static_cast<int16_t>(width);
        shape.ShapeHeight = static_cast<int16_t>(height);
    }

    static std::string extentRange()
    {
        return "has " + std::to_string(ShapeRecord::MinExtent) + " to " + std::to_string(ShapeRecord::MaxExtent);
    }
};

} // namespace

int main(int argc, char **argv)
{
    return qx::tools::compileLibrary<ShapeLibrary, Picture>(
        argc, argv, "PICTURE", "shape", [](const ShapeRecord &shape) { return encodeRecord(shape); });
}
