// Whole ".PAG" files through the layout import and export: a file is imported exactly when it
// starts with "PAG" and holds a whole record after the six-byte tag, whatever the version text and
// whatever follows; the layout appended to the library is that record byte for byte, the library
// lists it and a new puzzle can take it, and exporting it writes "PAG1.0" and the same record.

#include "fuzz_support.h"
#include "layout/layout_library.h"

#include <algorithm>
#include <cstring>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratchFile("layout.PAG");
    const QString libraryPath = scratchFile("QXFPAGE.DAT");
    const QString exportPath = scratchFile("export.PAG");
    writeWholeFile(path, std::span(data, size));
    removeFile(libraryPath);
    const LayoutLibrary library(libraryPath);

    const auto outcome = importLayout(path, library);
    const bool acceptable = size >= static_cast<size_t>(LayoutExchange.fileSize()) && std::memcmp(data, "PAG", 3) == 0;
    check((outcome.ok() && outcome->result == ImportResult::Imported) == acceptable,
          "imported exactly the whole files");
    if (!acceptable) {
        check(library.count() == 0, "a refused file adds nothing");
        return 0;
    }
    check(outcome->recordNumber == 0 && library.count() == 1, "one layout appended");
    const std::span<const uint8_t> record(data + ExchangeFormat::TagSize, PageLayout::Size);
    const auto stored = readWholeFile(libraryPath);
    check(std::equal(record.begin(), record.end(), stored.begin(), stored.end()), "the record stored unchanged");

    (void)library.list(0);
    (void)library.list(-1);
    const PageLayout layout = layoutForNewPuzzle(libraryPath, 0).value();
    check(std::equal(record.begin(), record.end(), layout.encoded().begin()), "a new puzzle takes the stored layout");

    check(exportLayout(exportPath, layout).ok(), "export writes");
    const auto exported = readWholeFile(exportPath);
    check(exported.size() == static_cast<size_t>(LayoutExchange.fileSize()), "an exported file is tag and record");
    check(std::memcmp(exported.data(), "PAG1.0", 6) == 0, "the tag written");
    check(std::equal(record.begin(), record.end(), exported.begin() + ExchangeFormat::TagSize), "the record written");
    return 0;
}
