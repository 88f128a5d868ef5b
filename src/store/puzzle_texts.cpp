#include "store/puzzle_texts.h"

#include "common/storable_text.h"

namespace qx {

std::optional<ControlInPuzzle> findControlCharacter(const PuzzleRecord &record)
{
    using Field = ControlInPuzzle::Field;
    const auto check = [](const std::string &text, Field field, int entry) -> std::optional<ControlInPuzzle> {
        if (const auto byte = firstControlByte(text))
            return ControlInPuzzle{field, entry, *byte};
        return std::nullopt;
    };
    std::optional<ControlInPuzzle> found = check(record.PuzzleName.str(), Field::Title, -1);
    if (!found)
        found = check(record.Category.str(), Field::Category, -1);
    if (!found)
        found = check(record.BonusQuestion.str(), Field::BonusQuestion, -1);
    for (int k = 0; !found && k < record.wordsInUse(); ++k) {
        found = check(record.Words[static_cast<size_t>(k)].str(), Field::Word, k);
        if (!found)
            found = check(record.Clues[static_cast<size_t>(k)].str(), Field::Clue, k);
    }
    return found;
}

} // namespace qx
