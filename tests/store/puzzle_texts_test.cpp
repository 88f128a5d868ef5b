#include "store/puzzle_texts.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(PuzzleTexts, TheFirstControlCharacterIsFoundInTitleCategoryQuestionWordsAndClues)
{
    using Field = ControlInPuzzle::Field;
    const auto clean = [] {
        auto r = std::make_unique<PuzzleRecord>();
        r->PuzzleName.set("Birds");
        r->Category.set("Animals");
        r->BonusQuestion.set("Which one swims?");
        r->WordCount = 2;
        r->Words[0].set("OWL");
        r->Clues[0].set("Night bird");
        r->Words[1].set("EMU");
        r->Clues[1].set("Big bird");
        return r;
    };
    EXPECT_FALSE(findControlCharacter(*clean()));

    struct Case {
        void (*spoil)(PuzzleRecord &);
        std::optional<ControlInPuzzle> expected;
    };
    const Case cases[] = {
        {[](PuzzleRecord &r) { r.PuzzleName.set("Bi\x1B[2Jrds"); }, ControlInPuzzle{Field::Title, -1, 0x1B}},
        {[](PuzzleRecord &r) { r.Category.set("Ani\x7Fmals"); }, ControlInPuzzle{Field::Category, -1, 0x7F}},
        {[](PuzzleRecord &r) { r.BonusQuestion.set("Which\x9D?"); }, ControlInPuzzle{Field::BonusQuestion, -1, 0x9D}},
        {[](PuzzleRecord &r) { r.Words[1].set(std::string("OCTO\0PUS", 8)); }, ControlInPuzzle{Field::Word, 1, 0}},
        {[](PuzzleRecord &r) { r.Clues[1].set("Big\tbird"); }, ControlInPuzzle{Field::Clue, 1, '\t'}},
        // Entries past the word count are not part of the puzzle.
        {[](PuzzleRecord &r) { r.Words[2].set("\x07"); }, std::nullopt},
    };
    for (const Case &c : cases) {
        auto r = clean();
        c.spoil(*r);
        EXPECT_EQ(findControlCharacter(*r), c.expected);
    }
}
