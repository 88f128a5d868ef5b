#pragma once
// Single-record exchange files: ".LAY" carries one shape, ".PAG" one page layout. Such a file is a
// three-letter signature, a three-byte version text and one record. This version writes "1.0";
// reading never looks at the version, so a file of another version with the right signature is
// accepted, and bytes after the record are ignored.

#include "common/file_outcome.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qx {

// What an import that read its file did; a file that could not be read or a library that could
// not take the record is a FileError instead.
enum class ImportResult { Imported, Corrupt };

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

// The record of an exchange file; empty when the file is corrupt. Reading stops after the record,
// so a long file costs no more than a short one. Only a regular file is read.
FileOutcome<std::optional<std::vector<uint8_t>>> readExchangeFile(const QString &path, const ExchangeFormat &format);

// Writes the signature, "1.0" and the record through replaceFile (common/file_writing.h), in place
// when the folder does not let a file be added but the file itself may be written.
// confirmedReplace: the user confirmed replacing this file in a save dialog that named it.
FileStatus writeExchangeFile(const QString &path, const ExchangeFormat &format, std::span<const uint8_t> record,
                             bool confirmedReplace = false);

} // namespace qx
