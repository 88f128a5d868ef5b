#pragma once
// The previous version's data files, converted once at start-up: its puzzle file becomes a new
// collection, its shape file is added to the shape library.

#include "common/file_outcome.h"
#include "layout/page_layout.h"

#include <QString>

namespace qx {

inline constexpr auto OldPuzzleFileName = "QXFUPUZZ.DAT";
inline constexpr auto ConvertedCollectionName = "OLDPUZZ.QX3";
inline constexpr auto OldShapeFileName = "QXFULAY.DAT";
inline constexpr int ShapeRecordBytes = 2555;

// Appends every whole old puzzle, converted, to the target collection (created when missing), then
// deletes the old file. All or nothing: on failure the target is as it was and the old file stays.
FileStatus convertOldPuzzles(const QString &oldFile, const QString &targetCollection, const PageLayout &defaultLayout);

// Appends every whole old shape record unchanged to the shape library, then deletes the old file.
FileStatus convertOldShapes(const QString &oldFile, const QString &shapeLibrary);

} // namespace qx
