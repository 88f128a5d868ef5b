#include "common/exchange_file.h"

#include "common/io_error.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace qx {

std::optional<std::span<const uint8_t>> exchangeRecord(std::span<const uint8_t> fileBytes, const ExchangeFormat &format)
{
    if (fileBytes.size() < static_cast<size_t>(ExchangeFormat::SignatureSize))
        return std::nullopt;
    if (!std::equal(format.signature.begin(), format.signature.end(), fileBytes.begin(),
                    [](char want, uint8_t got) { return static_cast<uint8_t>(want) == got; }))
        return std::nullopt;
    if (fileBytes.size() < static_cast<size_t>(format.fileSize()))
        return std::nullopt;
    return fileBytes.subspan(ExchangeFormat::TagSize, static_cast<size_t>(format.recordSize));
}

ExchangeRead readExchangeFile(const QString &path, const ExchangeFormat &format, std::vector<uint8_t> &record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ExchangeRead::CannotOpen;
    std::vector<uint8_t> bytes(static_cast<size_t>(format.fileSize()));
    qint64 got = 0;
    while (got < format.fileSize()) {
        const auto n = file.read(reinterpret_cast<char *>(bytes.data()) + got, format.fileSize() - got);
        if (n < 0)
            throw IoError(path, file.errorString());
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(static_cast<size_t>(got));
    const auto inside = exchangeRecord(bytes, format);
    if (!inside)
        return ExchangeRead::Corrupt;
    record.assign(inside->begin(), inside->end());
    return ExchangeRead::Read;
}

ExportResult writeExchangeFile(const QString &path, const ExchangeFormat &format, std::span<const uint8_t> record)
{
    QSaveFile file(path);
    // A directory where only the existing file may be written still takes the export.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return ExportResult::CannotCreate;
    QByteArray bytes;
    bytes.reserve(format.fileSize());
    bytes.append(format.signature.data(), static_cast<qsizetype>(format.signature.size()));
    bytes.append(ExchangeFormat::WrittenVersion.data(), static_cast<qsizetype>(ExchangeFormat::WrittenVersion.size()));
    bytes.append(reinterpret_cast<const char *>(record.data()), static_cast<qsizetype>(record.size()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw IoError(path, file.errorString());
    return ExportResult::Exported;
}

} // namespace qx
