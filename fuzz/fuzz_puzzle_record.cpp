// Any bytes decode into a puzzle record that encodes back to the same bytes, and every reader's
// clamped view of it stays in range.
#include "store/puzzle_record.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<uint8_t> bytes(qx::PuzzleRecord::Size, 0);
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const auto record =
        qx::PuzzleRecord::decode(std::span<const uint8_t, qx::PuzzleRecord::Size>(bytes.data(), bytes.size()));
    const auto encoded = record.bytes();
    if (std::memcmp(encoded.data(), bytes.data(), bytes.size()) != 0)
        std::abort();
    if (record.wordsInUse() < 0 || record.wordsInUse() > qx::MaxWords)
        std::abort();
    for (int k = 0; k < record.wordsInUse(); ++k) {
        if (record.Words[k].str().size() > 30 || record.Clues[k].str().size() > 150)
            std::abort();
    }
    if (record.Layout.objectsInUse() > qx::PageLayout::MaxObjects)
        std::abort();
    qx::PString<20> category;
    qx::PString<35> name;
    qx::PuzzleRecord::decodeListed(bytes, category, name);
    if (category.str() != record.Category.str() || name.str() != record.PuzzleName.str())
        std::abort();
    return 0;
}
