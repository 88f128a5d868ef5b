// Whole collection files: the listing the main window reloads, every record read whole, the lists
// the window shows built and walked, and a record written back and the last one deleted. The
// listing has one entry per whole record in file order, with a category the list holds; every
// record read is the file's bytes; writing a record back unchanged leaves the file as it was, and
// deleting the last record only cuts the file.

#include "fuzz_support.h"
#include "store/collection_file.h"
#include "store/collection_view.h"

#include <algorithm>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratchFile("collection.QX3");
    writeWholeFile(path, std::span(data, size));
    const CollectionFile file(path);
    const size_t whole = size / PuzzleRecord::Size;

    const auto read = file.reload();
    const auto count = file.count();
    check(read.ok() == count.ok(), "listing and counting agree on whether the file reads");
    if (!count)
        return 0;
    const CollectionIndex &index = *read;
    check(static_cast<size_t>(*count) == whole, "whole records counted");
    check(index.PuzzleIndexList.size() == whole, "one entry per whole record");
    for (size_t n = 0; n < whole; ++n) {
        const PuzzleIndexEntry &entry = index.PuzzleIndexList[n];
        check(entry.record == static_cast<int>(n), "entries in file order");
        check(entry.category >= 0 && static_cast<size_t>(entry.category) < index.CategoryList.size(),
              "a listed category");
        const auto record = file.read(static_cast<int>(n));
        check(static_cast<bool>(record), "a whole record reads");
        const auto bytes = record->bytes();
        check(std::equal(bytes.begin(), bytes.end(), data + n * PuzzleRecord::Size), "a record as the file holds it");
        check(record->PuzzleName.str() == entry.name, "the listed name is the record's");
        check(record->Category.str() == index.CategoryList[static_cast<size_t>(entry.category)],
              "the listed category is the record's");
    }

    CollectionView view;
    check(view.reload(file).ok(), "the view reads what the file lists");
    check(view.categories().size() == index.CategoryList.size(), "every category shown");
    for (int c = 0; c < static_cast<int>(view.categories().size()); ++c) {
        view.selectCategory(c);
        view.selectFirstPuzzle();
        if (const auto record = view.selectedRecord())
            check(*record >= 0 && static_cast<size_t>(*record) < whole, "a selected record is in the file");
        (void)view.selectedCategoryName();
        (void)view.selectedPuzzleName();
    }
    if (!view.puzzles().empty()) {
        view.selectPuzzle(static_cast<int>(view.puzzles().size()) - 1);
        view.setReselectAfterDelete();
        check(view.reload(file).ok(), "the view reads the file again");
    }

    if (whole == 0)
        return 0;
    const int last = static_cast<int>(whole) - 1;
    // Saved back as a window saves it: over the record read, while it still holds what was read.
    const auto lastBytes = file.file().read(last);
    PuzzlePlace place = PuzzlePlace::read(last, *lastBytes);
    const auto saved = file.save(PuzzleRecord::decode(recordSpan<PuzzleRecord>(*lastBytes)), place);
    // A partial tail marks a damaged file or another kind: it is never written to.
    const bool damaged = size % PuzzleRecord::Size != 0;
    check(saved.ok() != damaged, "a record writes back exactly into a file of whole records");
    const auto rewritten = readWholeFile(path);
    check(std::equal(rewritten.begin(), rewritten.end(), data, data + size), "writing back changes nothing");
    const auto removed = file.remove(last);
    check(removed.ok() != damaged, "the last record deletes exactly from a file of whole records");
    check(readWholeFile(path).size() == (damaged ? size : static_cast<size_t>(last) * PuzzleRecord::Size),
          "deleting cuts the file, or nothing changes");
    return 0;
}
