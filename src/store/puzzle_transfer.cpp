#include "store/puzzle_transfer.h"

#include "common/native_file.h"

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

namespace {

// The chosen records of the source, one after another.
FileOutcome<std::vector<uint8_t>> readRecords(const CollectionFile &source, const std::vector<int> &records,
                                              const std::optional<FileStamp> &listed)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(records.size() * PuzzleRecord::Size);
    for (const int n : records) {
        const auto record = source.file().read(n, listed);
        if (!record)
            return record.error();
        bytes.insert(bytes.end(), record->begin(), record->end());
    }
    return bytes;
}

} // namespace

FileOutcome<PuzzleImport> importPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                        const CollectionFile &target, const std::optional<FileStamp> &listed)
{
    const auto bytes = readRecords(source, records, listed);
    if (!bytes)
        return bytes.error();
    for (size_t k = 0; k < records.size(); ++k) {
        const auto record = PuzzleRecord::decode(
            recordSpan<PuzzleRecord>(std::span(bytes->data() + k * PuzzleRecord::Size, PuzzleRecord::Size)));
        if (const auto control = findControlCharacter(record))
            return PuzzleImport{0, RefusedPuzzle{records[k], record.PuzzleName.str(), *control}};
    }
    const auto first = target.file().append(*bytes);
    if (!first)
        return first.error();
    return PuzzleImport{*first, std::nullopt};
}

FileOutcome<OldFileImport> readOldPuzzleFile(const QString &path, const PuzzleRecord &buffer,
                                             const PageLayout &defaultLayout)
{
    // The text after the signature is at most 255 bytes.
    const auto file = readRegularFileStart(path, 4 + 255 + OldPuzzleRecord::Size);
    if (!file)
        return file.error();
    const QByteArray &bytes = *file;
    OldFileImport out;
    // The signature is checked before anything else.
    if (!bytes.startsWith(QByteArrayLiteral("QXM")) || bytes.size() < 4)
        return out;
    const qsizetype start = 4 + static_cast<uint8_t>(bytes[3]);
    if (bytes.size() < start + OldPuzzleRecord::Size)
        return out;
    const auto old = OldPuzzleRecord::decode(recordSpan<OldPuzzleRecord>(
        std::span(reinterpret_cast<const uint8_t *>(bytes.constData()) + start, OldPuzzleRecord::Size)));
    out.record = buffer;
    convertOldRecord(old, defaultLayout, out.record);
    out.control = findControlCharacter(out.record);
    out.result = out.control ? OldFileResult::HoldsControlCharacter : OldFileResult::Imported;
    return out;
}

FileOutcome<PuzzleExportResult> exportPuzzles(const CollectionFile &source, const std::vector<int> &records,
                                              const CollectionFile &target, const std::optional<FileStamp> &listed)
{
    if (sameCollection(source.path(), target.path()))
        return PuzzleExportResult::SameAsSource;
    const auto bytes = readRecords(source, records, listed);
    if (!bytes)
        return bytes.error();
    const auto written = target.file().writeAll(*bytes);
    if (!written)
        return written.error();
    return PuzzleExportResult::Done;
}

} // namespace qx
