#pragma once
// The previous version's data files, converted once at start-up: its puzzle file becomes a new
// collection, its shape file is added to the shape library.

#include "layout/page_layout.h"

#include <QString>

namespace qx {

inline constexpr auto OldPuzzleFileName = "QXFUPUZZ.DAT";
inline constexpr auto ConvertedCollectionName = "OLDPUZZ.QX3";
inline constexpr auto OldShapeFileName = "QXFULAY.DAT";
inline constexpr int ShapeRecordBytes = 2555;

enum class ConversionResult { Converted, CannotOpenSource, CannotOpenTarget };

// Appends every whole old puzzle, converted, to the target collection (opened or created), then
// deletes the old file. Throws IoError for a failure after both files were opened.
ConversionResult convertOldPuzzles(const QString &oldFile, const QString &targetCollection,
                                   const PageLayout &defaultLayout);

// Appends every whole old shape record unchanged to the shape library, then deletes the old file.
ConversionResult convertOldShapes(const QString &oldFile, const QString &shapeLibrary);

} // namespace qx
