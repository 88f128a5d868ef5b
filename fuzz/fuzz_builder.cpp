// The grid builder on a damaged shape and a damaged word list: the first byte chooses one to three
// attempts, shrinking, the quick build and the thorough search (at a small effort); then come a
// shape record and the first part of a puzzle record (its words and clues; missing bytes are
// zero). With a fixed seed and one thread the build finishes, stops before the last attempt only
// when nothing better can come, the candidates are ranked by the words they placed, and no
// candidate places more words than the list holds or lays a grid larger than the grid can be;
// every word a candidate leaves out has a reason.

#include "builder/grid_builder.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace qx;
using namespace qx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    std::array<uint8_t, ShapeRecord::Size> shapeBytes{};
    static std::vector<uint8_t> recordBytes(PuzzleRecord::Size);
    std::fill(recordBytes.begin(), recordBytes.end(), 0);
    const uint8_t *at = data + 1;
    size_t left = size - 1;
    const size_t shapePart = std::min(left, shapeBytes.size());
    std::copy_n(at, shapePart, shapeBytes.begin());
    at += shapePart;
    left -= shapePart;
    std::copy_n(at, std::min(left, recordBytes.size()), recordBytes.begin());

    const ShapeRecord shape = ShapeRecord::decode(shapeBytes);
    const auto working =
        std::make_unique<PuzzleRecord>(PuzzleRecord::decode(std::span<const uint8_t, PuzzleRecord::Size>(recordBytes)));

    BuildOptions options;
    options.attempts = data[0] % 3 + 1;
    options.shrink = (data[0] & 0x10) != 0;
    options.quickBuild = (data[0] & 0x20) != 0;
    options.thorough = (data[0] & 0x40) != 0;
    options.effort = 0.002;
    options.seed = 20261207;
    options.threads = 1;
    CandidateSlots candidates;
    const BuildOutcome outcome = Build(*working, shape, options, candidates);

    check(outcome.attemptsRanked >= 1 && outcome.attemptsRanked <= options.attempts && !outcome.aborted,
          "attempts ranked");
    // Attempts stop early only when all four candidates hold every word.
    if (!options.thorough && outcome.attemptsRanked < options.attempts)
        check(candidates[3].score == working->wordsInUse(), "no attempt skipped while one could do better");
    for (size_t i = 0; i < candidates.size(); ++i) {
        const CandidateSlot &slot = candidates[i];
        check(slot.score >= 0 && slot.score <= working->wordsInUse(), "no more words placed than listed");
        if (i > 0)
            check(slot.score <= candidates[i - 1].score, "candidates ranked by words placed");
        if (slot.score == 0)
            continue;
        const PuzzleRecord &r = *slot.record;
        check(r.GridWidth >= 1 && r.GridWidth <= GridSide && r.GridHeight >= 1 && r.GridHeight <= GridSide,
              "a grid that fits");
        check(std::count(slot.placed.begin(), slot.placed.end(), 1) == slot.score, "one placed flag per word placed");
        for (int k = slot.score; k < working->wordsInUse(); ++k)
            check(slot.leftOut[static_cast<size_t>(k)].reason != LeftOutReason::None,
                  "a reason for every word left out");
    }
    return 0;
}
