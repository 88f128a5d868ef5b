// Previous-version single-puzzle files (".QXM") through the puzzle import: "QXM", a length byte,
// that many bytes of text, then one old record. A file is read exactly when it starts with the
// signature and holds the whole record; it is imported exactly when the conversion of that record
// holds no control character (otherwise it is refused naming where one is); the puzzle appended is
// that conversion, and a refused file leaves the target collection as it was.

#include "fuzz_support.h"
#include "layout/layout_defaults.h"
#include "store/collection_file.h"
#include "store/puzzle_transfer.h"

#include <cstring>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const PageLayout defaultLayout = builtInDefaultLayout();
    static const auto buffer = [] {
        auto r = std::make_unique<PuzzleRecord>();
        r->resetForNewPuzzle(defaultLayout);
        r->Reserved.fill(0x5A); // kept through the conversion
        return r;
    }();

    const QString path = scratchFile("puzzle.QXM");
    const QString targetPath = scratchFile("target.QX3");
    writeWholeFile(path, std::span(data, size));
    removeFile(targetPath);
    const CollectionFile target(targetPath);

    // Read and converted, then appended, as the import window does.
    const auto outcome = readOldPuzzleFile(path, *buffer, defaultLayout);
    check(outcome.ok(), "a regular file is read");
    const bool imported = outcome->result == OldFileResult::Imported;
    if (imported)
        check(target.append(outcome->record).ok(), "the converted puzzle appends");

    const size_t textLength = size >= 4 ? data[3] : 0;
    const size_t recordAt = 4 + textLength;
    const bool whole = size >= 4 && std::memcmp(data, "QXM", 3) == 0 && size >= recordAt + OldPuzzleRecord::Size;
    check(whole == (outcome->result != OldFileResult::Corrupt), "read exactly the whole files");
    if (!whole) {
        check(readWholeFile(targetPath).empty(), "a refused file adds nothing");
        return 0;
    }
    const auto old = OldPuzzleRecord::decode(
        std::span<const uint8_t, OldPuzzleRecord::Size>(data + recordAt, OldPuzzleRecord::Size));
    auto expected = std::make_unique<PuzzleRecord>(*buffer);
    convertOldRecord(old, defaultLayout, *expected);
    check(outcome->record == *expected, "the conversion of the record read");
    const auto control = findControlCharacter(*expected);
    check(imported == !control.has_value(), "imported exactly the files without a control character");
    check(outcome->control == control, "the refusal names the first control character");
    if (!imported) {
        check(readWholeFile(targetPath).empty(), "a refused file adds nothing");
        return 0;
    }

    const auto stored = readWholeFile(targetPath);
    check(stored.size() == static_cast<size_t>(PuzzleRecord::Size), "one record appended");
    const auto bytes = expected->bytes();
    check(std::equal(bytes.begin(), bytes.end(), stored.begin()), "the converted puzzle is what was stored");
    return 0;
}
