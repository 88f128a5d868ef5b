#include "render/render_outcome.h"

#include <QtGlobal>

#include <algorithm>

namespace qx {

bool RenderOutcome::anyTextOverflow() const
{
    return std::any_of(textOverflow.begin(), textOverflow.end(), [](bool b) { return b; });
}

std::vector<RenderWarning> RenderOutcome::warnings() const
{
    std::vector<RenderWarning> out;
    if (missingBitmaps)
        out.push_back(RenderWarning::MissingBitmaps);
    if (aborted)
        return out;
    if (cluesOverflow)
        out.push_back(RenderWarning::CluesDidNotFit);
    if (wordsOverflow)
        out.push_back(RenderWarning::WordsDidNotFit);
    if (anyTextOverflow())
        out.push_back(RenderWarning::TextDidNotFit);
    return out;
}

const char *warningText(RenderWarning warning)
{
    switch (warning) {
    case RenderWarning::MissingBitmaps:
        return QT_TRANSLATE_NOOP("PrintStatusDialog", "One or more bitmaps in the layout design could not be located.");
    case RenderWarning::CluesDidNotFit:
        return QT_TRANSLATE_NOOP(
            "PrintStatusDialog",
            "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the "
            "page layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue "
            "fonts.");
    case RenderWarning::WordsDidNotFit:
        return QT_TRANSLATE_NOOP(
            "PrintStatusDialog",
            "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the "
            "page layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle "
            "words.");
    case RenderWarning::TextDidNotFit:
        return QT_TRANSLATE_NOOP(
            "PrintStatusDialog",
            "Text would not fit in allocated space.  You will need to change the alotted text space on the page "
            "layout, change the font size for the text or select the \"Make It Fit\" attribute for the text object.");
    }
    return "";
}

} // namespace qx
