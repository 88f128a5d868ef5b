#pragma once
// Why a build left a word out of a candidate, in plain words for the candidate window and the
// command line.

#include "store/puzzle_record.h"

#include <QString>

#include <cstdint>

namespace qx {

enum class LeftOutReason : uint8_t {
    None,           // the word is placed, or nobody asked
    LongerThanRuns, // longer than any run of squares in the shape
    NoCommonLetter, // no letter in common with the words placed
    Blocked,        // every position crossing a placed word breaks a rule
    NotTried,       // a position is free now, but the attempt stopped before trying it again
};

struct LeftOut {
    LeftOutReason reason = LeftOutReason::None;
    // For Blocked: the word in the way of the first position crossing a placed word, or -1 when
    // that position runs out of the shape. A word index, counted as the holder counts its words.
    int16_t blocker = -1;
};

// The reason as one line; a blocker is named with its text in `candidate`.
QString leftOutText(const LeftOut &leftOut, const PuzzleRecord &candidate);

} // namespace qx
