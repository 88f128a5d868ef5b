#include "common/exchange_file.h"

#include "common/file_writing.h"
#include "common/native_file.h"

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

FileOutcome<std::optional<std::vector<uint8_t>>> readExchangeFile(const QString &path, const ExchangeFormat &format)
{
    const auto bytes = readRegularFileStart(path, format.fileSize());
    if (!bytes)
        return bytes.error();
    const auto inside =
        exchangeRecord(std::span(reinterpret_cast<const uint8_t *>(bytes->constData()), bytes->size()), format);
    if (!inside)
        return std::optional<std::vector<uint8_t>>();
    return std::optional(std::vector<uint8_t>(inside->begin(), inside->end()));
}

FileStatus writeExchangeFile(const QString &path, const ExchangeFormat &format, std::span<const uint8_t> record,
                             bool confirmedReplace)
{
    QByteArray bytes;
    bytes.reserve(format.fileSize());
    bytes.append(format.signature.data(), static_cast<qsizetype>(format.signature.size()));
    bytes.append(ExchangeFormat::WrittenVersion.data(), static_cast<qsizetype>(ExchangeFormat::WrittenVersion.size()));
    bytes.append(reinterpret_cast<const char *>(record.data()), static_cast<qsizetype>(record.size()));
    // A folder where only the existing file may be written still takes the export.
    return replaceFile(path, bytes, WriteRules{confirmedReplace, true});
}

} // namespace qx
