#pragma once
// A literal, slow transcription of the documented grid builder, kept as the reference the real
// builder is compared with. It scans every cell the way the description reads and works on the
// record's own arrays; nothing of the real builder is used but the generator and the capital-letter
// mapping, which are tested on their own.

#include "builder/split_mix.h"
#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <array>
#include <memory>

namespace qx::test {

struct ReferenceSlot {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
    std::array<uint8_t, MaxWords> placed{};
    int score = 0;
};

// One attempt: the working record is overwritten from the saved one and left as the attempt
// makes it; placed receives the placed flags.
void referenceAttempt(const PuzzleRecord &saved, const ShapeRecord &shape, bool shrink, bool quick, SplitMix64 &rng,
                      PuzzleRecord &working, std::array<uint8_t, MaxWords> &placed);

// A whole build, one attempt after the other, ranked into four slots. Returns the attempts run.
int referenceBuild(const PuzzleRecord &record, const ShapeRecord &shape, int attempts, bool shrink, bool quick,
                    uint64_t seed, std::array<ReferenceSlot, 4> &slots);

} // namespace qx::test
