// Page layouts and ".PAG" files: any 28,868 bytes decode and encode back to themselves, whatever
// the stale slots, reserved bytes and picture places hold; list texts, rescaling, new objects and
// the kind limits cope with damaged counts, kinds and sizes; the import parser accepts exactly the
// files that start with "PAG" and are long enough. Run with -max_len=30000 to reach whole records.

#include "common/exchange_file.h"
#include "layout/layout_defaults.h"
#include "layout/layout_library.h"
#include "layout/layout_units.h"
#include "layout/page_layout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace qx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<uint8_t> bytes(PageLayout::Size, 0);
    std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
    const auto layout = PageLayout::decode(std::span<const uint8_t, PageLayout::Size>(bytes.data(), PageLayout::Size));
    if (layout.encoded() != bytes)
        abort();

    (void)layoutEntryText(layout, true);
    for (int k = 0; k < layout.objectsInUse(); ++k)
        (void)layout.Objects[k].text();

    for (int zoom = 1; zoom <= 3; ++zoom) {
        auto rescaled = layout;
        rescaleForZoom(rescaled, rescaled.DesignZoom, zoom);
        updateLayoutSize(rescaled, zoom);
        // Stale slots are never touched.
        for (int k = rescaled.objectsInUse(); k < PageLayout::MaxObjects; ++k)
            if (!(rescaled.Objects[k] == layout.Objects[k]))
                abort();
    }
    auto switched = layout;
    switchUnit(switched, !inInches(switched));
    switchUnit(switched, !inInches(switched));

    const auto &first = layout.Objects[0];
    for (int16_t kind = 0; kind <= 14; ++kind) {
        const auto k = static_cast<ObjectKind>(kind);
        const auto check = canAddKind(layout, k);
        if (check == AddCheck::Allowed && layout.objectsInUse() >= PageLayout::MaxObjects)
            abort();
        const auto object = newLayoutObject(k, first.Bounds[0], first.Bounds[1], layout, layout.DesignZoom, {});
        if (object.ObjectLabel.length() > 15)
            abort();
    }

    const auto record = exchangeRecord(std::span<const uint8_t>(data, size), LayoutExchange);
    const bool acceptable = size >= static_cast<size_t>(LayoutExchange.fileSize()) && std::memcmp(data, "PAG", 3) == 0;
    if (record.has_value() != acceptable)
        abort();
    if (record) {
        const auto imported = PageLayout::decode(record->first<PageLayout::Size>());
        if (!std::equal(record->begin(), record->end(), imported.encoded().begin()))
            abort();
    }
    return 0;
}
