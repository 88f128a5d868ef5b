// Whole ".LAY" files through the shape import and export: a file is imported exactly when it starts
// with "LAY" and holds a whole record after the six-byte tag, whatever the version text and
// whatever follows; the shape appended to the library is that record byte for byte, and exporting
// it writes "LAY1.0" and the same record. A refused file changes neither the library nor the
// current shape.

#include "fuzz_support.h"
#include "shapes/shape_library.h"

#include <algorithm>
#include <cstring>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratchFile("shape.LAY");
    const QString libraryPath = scratchFile("QXFLAY.DAT");
    const QString exportPath = scratchFile("export.LAY");
    writeWholeFile(path, std::span(data, size));
    removeFile(libraryPath);
    const ShapeLibrary library(libraryPath);

    ShapeRecord current = newShape();
    const ShapeRecord before = current;
    const auto outcome = importShape(path, library, current);
    const bool acceptable = size >= static_cast<size_t>(ShapeExchange.fileSize()) && std::memcmp(data, "LAY", 3) == 0;
    check((outcome.ok() && outcome->result == ImportResult::Imported) == acceptable,
          "imported exactly the whole files");
    if (!acceptable) {
        check(current == before, "a refused file leaves the current shape");
        check(library.count() == 0, "a refused file adds nothing");
        return 0;
    }
    check(outcome->recordNumber == 0 && library.count() == 1, "one shape appended");
    const std::span<const uint8_t> record(data + ExchangeFormat::TagSize, ShapeRecord::Size);
    const auto stored = readWholeFile(libraryPath);
    check(std::equal(record.begin(), record.end(), stored.begin(), stored.end()), "the record stored unchanged");
    check(current.encoded() == library.read(0)->encoded(), "the current shape is the one stored");
    (void)library.list();

    check(exportShape(exportPath, current).ok(), "export writes");
    const auto exported = readWholeFile(exportPath);
    check(exported.size() == static_cast<size_t>(ShapeExchange.fileSize()), "an exported file is tag and record");
    check(std::memcmp(exported.data(), "LAY1.0", 6) == 0, "the tag written");
    check(std::equal(record.begin(), record.end(), exported.begin() + ExchangeFormat::TagSize), "the record written");
    return 0;
}
