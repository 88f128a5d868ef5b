#include "render/print_options.h"

#include "common/cp1252.h"
#include "common/text.h"
#include "store/settings.h"

namespace qx {

std::string partialLettersText(std::string_view typed)
{
    return trimSpaces(trimSpaces(typed).substr(0, MaxPartialLetters));
}

std::string wordSeparatorSet(const Settings &settings)
{
    const auto &r = settings.reports;
    std::string set;
    if (r.wordSepDash)
        set += '-';
    if (r.wordSepSlash)
        set += '/';
    if (r.wordSepPlus)
        set += '+';
    if (r.wordSepStar)
        set += '*';
    if (r.wordSepOther) {
        const std::string c = cp1252::fromUnicodeDropping(QString(r.wordSepChar));
        set += c.empty() ? std::string(" ") : c;
    }
    return set;
}

PrintOptions printOptionsFromSettings(const Settings &settings)
{
    const auto &r = settings.reports;
    PrintOptions o;
    o.printTitle = r.printTitle;
    o.printBody = r.printBody;
    o.printClues = r.printClues;
    o.printWords = r.printWords;
    o.printBonus = r.printBonus;
    o.answerKey = r.answerKey;
    o.partialAnswer = r.partialAnswer;
    o.partialLetters = r.partialLetters;
    o.letters = partialLettersText(cp1252::fromUnicodeDropping(r.letters));
    o.useBoxes = r.useBoxes;
    o.boxColor = static_cast<ColorValue>(r.boxColor);
    o.acrossLabel = cp1252::fromUnicodeDropping(r.acrossLabel);
    o.downLabel = cp1252::fromUnicodeDropping(r.downLabel);
    o.acrossHeader = o.acrossLabel;
    o.downHeader = o.downLabel;
    o.wordSeparators = wordSeparatorSet(settings);
    return o;
}

std::pair<std::string, std::string> splitCombinedHeaders(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return {std::string(), std::string(text)};
    return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

void applyLayout(PrintOptions &options, const PageLayout &layout)
{
    options.acrossHeader = options.acrossLabel;
    options.downHeader = options.downLabel;
    for (int k = 0; k < layout.objectsInUse(); ++k) {
        const LayoutObject &o = layout.Objects[static_cast<size_t>(k)];
        switch (static_cast<ObjectKind>(o.Kind)) {
        case ObjectKind::Puzzle:
            options.useBoxes = o.Transparent == 0;
            options.boxColor = o.FillColor;
            break;
        // An object without a text of its own (the built-in default layout's headings) keeps the
        // heading from the settings rather than printing an empty heading.
        case ObjectKind::DownHeading:
            if (!o.text().empty())
                options.downHeader = o.text();
            break;
        case ObjectKind::AcrossHeading:
            if (!o.text().empty())
                options.acrossHeader = o.text();
            break;
        case ObjectKind::CombinedClues: {
            if (o.text().empty())
                break;
            auto [across, down] = splitCombinedHeaders(o.text());
            options.acrossHeader = std::move(across);
            options.downHeader = std::move(down);
            break;
        }
        default:
            break;
        }
    }
}

} // namespace qx
