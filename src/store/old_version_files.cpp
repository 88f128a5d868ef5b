#include "store/old_version_files.h"

#include "common/io_error.h"
#include "common/record_file.h"
#include "store/puzzle_record.h"

#include <QFile>

namespace qx {

namespace {

template <typename Convert>
ConversionResult appendAll(const QString &oldFile, int oldSize, const QString &target, int targetSize, Convert convert)
{
    const RecordFile source(oldFile, oldSize);
    const auto count = source.count();
    if (!count)
        return ConversionResult::CannotOpenSource;
    const RecordFile destination(target, targetSize);
    if (!destination.openOrCreate())
        return ConversionResult::CannotOpenTarget;
    for (int n = 0; n < *count; ++n) {
        const auto bytes = source.read(n);
        if (!bytes)
            throw IoError(oldFile, QStringLiteral("The file could no longer be read"));
        if (!destination.append(convert(*bytes)))
            throw IoError(target, QStringLiteral("The file could no longer be written"));
    }
    if (!QFile::remove(oldFile))
        throw IoError(oldFile, QStringLiteral("The converted file could not be deleted"));
    return ConversionResult::Converted;
}

} // namespace

ConversionResult convertOldPuzzles(const QString &oldFile, const QString &targetCollection,
                                   const PageLayout &defaultLayout)
{
    return appendAll(oldFile, OldPuzzleRecord::Size, targetCollection, PuzzleRecord::Size,
                     [&](const std::vector<uint8_t> &bytes) {
                         const auto old = OldPuzzleRecord::decode(
                             std::span<const uint8_t, OldPuzzleRecord::Size>(bytes.data(), OldPuzzleRecord::Size));
                         PuzzleRecord converted;
                         convertOldRecord(old, defaultLayout, converted);
                         return converted.bytes();
                     });
}

ConversionResult convertOldShapes(const QString &oldFile, const QString &shapeLibrary)
{
    return appendAll(oldFile, ShapeRecordBytes, shapeLibrary, ShapeRecordBytes,
                     [](const std::vector<uint8_t> &bytes) { return bytes; });
}

} // namespace qx
