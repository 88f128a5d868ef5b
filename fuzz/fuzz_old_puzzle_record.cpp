// Any bytes decode into an old puzzle record that encodes back identically, and converting it
// never leaves a word or clue past the converted count.
#include "store/puzzle_record.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<uint8_t> bytes(qx::OldPuzzleRecord::Size, 0);
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const auto old =
        qx::OldPuzzleRecord::decode(std::span<const uint8_t, qx::OldPuzzleRecord::Size>(bytes.data(), bytes.size()));
    std::vector<uint8_t> encoded(bytes.size());
    old.encode(std::span<uint8_t, qx::OldPuzzleRecord::Size>(encoded.data(), encoded.size()));
    if (encoded != bytes)
        std::abort();
    qx::PuzzleRecord converted;
    qx::convertOldRecord(old, qx::PageLayout{}, converted);
    for (int k = std::max<int>(old.WordCount, 0); k < qx::MaxWords; ++k) {
        if (!converted.Words[k].empty() || !converted.Clues[k].empty() || converted.WordPlaced[k] != 0)
            std::abort();
    }
    return 0;
}
