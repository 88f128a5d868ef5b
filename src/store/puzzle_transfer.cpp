#include "store/puzzle_transfer.h"

#include "common/io_error.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

ImportKind importKindOf(const QString &path)
{
    const QString tail = path.right(4).toUpper();
    if (tail == QLatin1String(".QXM"))
        return ImportKind::OldPuzzleFile;
    if (tail == QLatin1String(".QX3"))
        return ImportKind::Collection;
    return ImportKind::NotQuorvex;
}

bool sameCollection(const QString &a, const QString &b)
{
    if (a.toUpper() == b.toUpper())
        return true;
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

TransferResult importPuzzles(const CollectionFile &source, const std::vector<int> &records,
                             const CollectionFile &target)
{
    if (!source.count())
        return TransferResult::CannotOpenSource;
    if (!target.file().openOrCreate())
        return TransferResult::CannotOpenTarget;
    for (const int n : records) {
        const auto record = source.read(n);
        if (!record)
            throw IoError(source.path(), QStringLiteral("The file could no longer be read"));
        if (!target.append(*record))
            throw IoError(target.path(), QStringLiteral("The file could no longer be written"));
    }
    return TransferResult::Done;
}

OldFileImport importOldPuzzleFile(const QString &path, const PuzzleRecord &buffer, const PageLayout &defaultLayout,
                                  const CollectionFile &target)
{
    OldFileImport out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.result = OldFileResult::CannotOpen;
        return out;
    }
    // The signature is checked before anything else is read.
    if (file.read(3) != QByteArrayLiteral("QXM"))
        return out;
    const QByteArray length = file.read(1);
    if (length.size() != 1)
        return out;
    const auto textLength = static_cast<uint8_t>(length[0]);
    if (file.read(textLength).size() != textLength)
        return out;
    const QByteArray bytes = file.read(OldPuzzleRecord::Size);
    if (bytes.size() != OldPuzzleRecord::Size)
        return out;
    file.close();

    const auto old = OldPuzzleRecord::decode(
        recordSpan<OldPuzzleRecord>(std::span(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size())));
    out.record = buffer;
    convertOldRecord(old, defaultLayout, out.record);
    out.result = target.append(out.record) ? OldFileResult::Imported : OldFileResult::CannotSave;
    return out;
}

PuzzleExportResult exportPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                 const CollectionFile &target)
{
    if (sameCollection(source.path(), target.path()))
        return PuzzleExportResult::SameAsSource;
    if (!target.createEmpty())
        return PuzzleExportResult::CannotCreateTarget;
    if (!source.count())
        return PuzzleExportResult::CannotOpenSource;
    for (const int n : records) {
        const auto record = source.read(n);
        if (!record)
            throw IoError(source.path(), QStringLiteral("The file could no longer be read"));
        if (!target.append(*record))
            throw IoError(target.path(), QStringLiteral("The file could no longer be written"));
    }
    return PuzzleExportResult::Done;
}

} // namespace qx
