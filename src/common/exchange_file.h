#pragma once
// Single-record exchange files: ".LAY" carries one shape, ".PAG" one page layout. Such a file is a
// three-letter signature, a three-byte version text and one record. This version writes "1.0";
// reading never looks at the version, so a file of another version with the right signature is
// accepted, and bytes after the record are ignored.

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qx {

enum class ImportResult { Imported, CannotOpen, Corrupt, CannotAdd };
enum class ExportResult { Exported, CannotCreate };

struct ImportOutcome {
    ImportResult result = ImportResult::Corrupt;
    int recordNumber = -1; // the record appended to the library, when imported

    friend bool operator==(const ImportOutcome &, const ImportOutcome &) = default;
};

struct ExchangeFormat {
    static constexpr int SignatureSize = 3;
    static constexpr int TagSize = 6; // signature and version
    static constexpr std::string_view WrittenVersion = "1.0";

    std::string_view signature; // three ASCII letters, no length byte
    int recordSize = 0;

    int fileSize() const { return TagSize + recordSize; }
};

inline constexpr ExchangeFormat ShapeExchange{"LAY", 2555};
inline constexpr ExchangeFormat LayoutExchange{"PAG", 28868};

// The record inside the bytes of an exchange file; empty when the bytes are too short for the tag
// and a whole record, or do not start with the signature.
std::optional<std::span<const uint8_t>> exchangeRecord(std::span<const uint8_t> fileBytes,
                                                       const ExchangeFormat &format);

enum class ExchangeRead { Read, CannotOpen, Corrupt };

// Reads the record of an exchange file into record (resized to the record size). Reading stops after
// the record, so a long file costs no more than a short one. IoError when reading fails after the
// file was opened.
ExchangeRead readExchangeFile(const QString &path, const ExchangeFormat &format, std::vector<uint8_t> &record);

// Writes the signature, "1.0" and the record. The file appears only complete: it is written beside
// the target and renamed over it. CannotCreate when it cannot be created; IoError when writing
// fails after.
ExportResult writeExchangeFile(const QString &path, const ExchangeFormat &format, std::span<const uint8_t> record);

} // namespace qx
