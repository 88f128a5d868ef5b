#pragma once
// What a new installation starts with, as this build made it: the shape library compiled from
// data/shapes, and the sample word lists of data/samples.

#include "shapes/shape_library.h"
#include "shapes/shape_record.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace qx::test {

inline QString shippedShapeLibraryPath()
{
    return QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/QXFLAY.DAT");
}

// The text files of a data folder, in file-name order.
inline QStringList shippedSources(const QString &folder)
{
    const QDir dir(QStringLiteral(QUORVEX_SOURCE_DIR "/data/") + folder);
    QStringList paths;
    for (const auto &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

// Every record of the shipped library, in record order.
inline std::vector<ShapeRecord> shippedShapes()
{
    const ShapeLibrary library(shippedShapeLibraryPath());
    std::vector<ShapeRecord> shapes;
    for (int n = 0; n < library.count().value(); ++n)
        shapes.push_back(library.read(n).value());
    return shapes;
}

struct LongestRuns {
    int across = 0;
    int down = 0;
};

// The longest straight lines of squares inside the shape's rectangle: the longest word a build
// can place across and down.
inline LongestRuns longestRuns(const ShapeRecord &shape)
{
    LongestRuns best;
    for (int row = 1; row <= shape.height(); ++row) {
        int run = 0;
        for (int col = 1; col <= shape.width(); ++col) {
            run = shape.inShape(row, col) ? run + 1 : 0;
            best.across = std::max(best.across, run);
        }
    }
    for (int col = 1; col <= shape.width(); ++col) {
        int run = 0;
        for (int row = 1; row <= shape.height(); ++row) {
            run = shape.inShape(row, col) ? run + 1 : 0;
            best.down = std::max(best.down, run);
        }
    }
    return best;
}

} // namespace qx::test
