// Shape records and ".LAY" files: any 2,555 bytes decode and encode back to themselves, list texts
// and derived shapes never read outside the record, and the import parser accepts exactly the
// files that start with "LAY" and are long enough.

#include "common/exchange_file.h"
#include "common/list_entry.h"
#include "shapes/shape_record.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::array<uint8_t, ShapeRecord::Size> bytes{};
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    const auto shape = ShapeRecord::decode(bytes);
    if (shape.encoded() != bytes)
        abort();

    int inside = 0;
    for (int r = 1; r <= shape.height(); ++r)
        for (int c = 1; c <= shape.width(); ++c)
            inside += shape.inShape(r, c) ? 1 : 0;
    if (inside > ShapeRecord::MaxExtent * ShapeRecord::MaxExtent)
        abort();

    const auto derived =
        currentPuzzleShape(shape.ShapeWidth, shape.ShapeHeight, std::span<const uint8_t, 2500>(shape.ShapeCells));
    for (size_t i = 0; i < derived.ShapeCells.size(); ++i)
        if (derived.ShapeCells[i] != (shape.ShapeCells[i] != 0 ? 1 : 0))
            abort();

    std::vector<ListEntry> entries{{0, shapeEntryText(shape)}, {1, shapeEntryText(derived)}};
    sortByText(entries);

    const auto record = exchangeRecord(std::span<const uint8_t>(data, size), ShapeExchange);
    const bool acceptable = size >= static_cast<size_t>(ShapeExchange.fileSize()) && std::memcmp(data, "LAY", 3) == 0;
    if (record.has_value() != acceptable)
        abort();
    if (record) {
        const auto imported = ShapeRecord::decode(record->first<ShapeRecord::Size>());
        if (!std::equal(record->begin(), record->end(), imported.encoded().begin()))
            abort();
    }
    return 0;
}
