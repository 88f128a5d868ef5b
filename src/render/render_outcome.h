#pragma once
// What a rendering run has to tell the user afterwards. The renderers only set flags; the window
// (or the command line) turns them into its messages.

#include <array>
#include <vector>

namespace qx {

enum class RenderWarning {
    MissingBitmaps, // during the run, before the page
    CluesDidNotFit, // after the run, in this order
    WordsDidNotFit,
    TextDidNotFit,
};

struct RenderOutcome {
    static constexpr int TextSlots = 21; // text objects are counted 1..21 in drawing order

    bool aborted = false;
    bool missingBitmaps = false;
    bool cluesOverflow = false;
    bool wordsOverflow = false;
    std::array<bool, TextSlots + 1> textOverflow{}; // slot 0 unused

    bool anyTextOverflow() const;
    // The warnings to show, in order: the missing bitmaps whenever files were missing; the three
    // overflow warnings only for a run that was not aborted.
    std::vector<RenderWarning> warnings() const;
};

// The message of a warning (caption "Warning"), marked for translation in the context
// "PrintStatusDialog": a window shows QCoreApplication::translate("PrintStatusDialog", warningText(w)).
const char *warningText(RenderWarning warning);

} // namespace qx
