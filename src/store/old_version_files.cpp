#include "store/old_version_files.h"

#include "common/native_file.h"
#include "store/collection_file.h"

#include <QtGlobal>

#include <cerrno>
#include <unistd.h>

namespace qx {

namespace {

template <typename Convert>
FileStatus appendAll(const QString &oldFile, int oldSize, const RecordFile &destination, Convert convert)
{
    const RecordFile source(oldFile, oldSize);
    const auto count = source.count();
    if (!count)
        return count.error();
    std::vector<uint8_t> converted;
    for (int n = 0; n < *count; ++n) {
        const auto bytes = source.read(n);
        if (!bytes)
            return bytes.error();
        const auto record = convert(*bytes);
        converted.insert(converted.end(), record.begin(), record.end());
    }
    const auto appended = destination.append(converted);
    if (!appended)
        return appended.error();
    if (::unlink(nativePath(oldFile).constData()) != 0)
        return FileError{FileError::Kind::Io, oldFile, systemErrorText(errno)};
    return fileDone();
}

} // namespace

FileStatus convertOldPuzzles(const QString &oldFile, const QString &targetCollection, const PageLayout &defaultLayout)
{
    return appendAll(oldFile, OldPuzzleRecord::Size, CollectionFile(targetCollection).file(),
                     [&](const std::vector<uint8_t> &bytes) {
                         const auto old = OldPuzzleRecord::decode(
                             std::span<const uint8_t, OldPuzzleRecord::Size>(bytes.data(), OldPuzzleRecord::Size));
                         PuzzleRecord converted;
                         convertOldRecord(old, defaultLayout, converted);
                         return converted.bytes();
                     });
}

FileStatus convertOldShapes(const QString &oldFile, const QString &shapeLibrary)
{
    return appendAll(oldFile, ShapeRecordBytes,
                     RecordFile(shapeLibrary, ShapeRecordBytes, QT_TRANSLATE_NOOP("qx", "shape library")),
                     [](const std::vector<uint8_t> &bytes) { return bytes; });
}

} // namespace qx
