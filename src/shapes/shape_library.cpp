#include "shapes/shape_library.h"

#include <QtGlobal>

namespace qx {

namespace {

// Name, width and height: all a list entry needs.
constexpr int EntryPrefix = 55;

} // namespace

ShapeLibrary::ShapeLibrary(QString filePath)
    : RecordLibrary(std::move(filePath), QT_TRANSLATE_NOOP("qx", "shape library"), EntryPrefix, ShapeExchange)
{
}

ShapeLibrary ShapeLibrary::inProgramDir(const QString &programDir)
{
    return ShapeLibrary(programDir + QLatin1Char('/') + QLatin1String(FileName));
}

FileOutcome<EntryList> ShapeLibrary::list() const
{
    return entries([](int, const ShapeRecord &shape) { return shapeEntryText(shape); });
}

FileStatus exportShape(const QString &path, const ShapeRecord &shape, bool confirmedReplace)
{
    return writeExchangeFile(path, ShapeExchange, encodeRecord(shape), confirmedReplace);
}

FileOutcome<ImportOutcome> importShape(const QString &path, const ShapeLibrary &library, ShapeRecord &current)
{
    return library.importRecord(path, &current);
}

} // namespace qx
