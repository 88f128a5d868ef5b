#pragma once
// What "Create" checks before a build, in its order, shared by the word list editor and the command
// line: title, category, words, attempts, the shape's size and runs, word and clue lengths. The
// check says what it found; createCheckText words it for both. Also how the typed rows are written
// into the record.

#include "shapes/shape_record.h"
#include "store/puzzle_record.h"

#include <QString>

#include <string>
#include <vector>

namespace qx {

struct WordRow {
    std::string word; // Windows-1252 bytes as typed
    std::string clue;
};

struct TypedPuzzle {
    std::string title;
    std::string category;
    std::string bonusQuestion;
    std::vector<WordRow> rows; // grid rows 1..200 in order, empty rows included
};

// Trims each text, packs the rows with a word into entries 1..WordCount, empties the rest.
void writeRowsIntoRecord(const TypedPuzzle &typed, PuzzleRecord &record);

// The longest unbroken run of shape cells in any row or column of the shape's rectangle.
int longestRun(const ShapeRecord &shape);

// What "Create" found, for the caller to word (createCheckText) and act on.
struct CreateCheck {
    enum class Problem {
        None,
        NoTitle,
        NoCategory,
        NoWords,
        AttemptsOutOfRange,
        WordLongerThanShape, // limit: the shape's larger dimension
        WordLongerThanRun,   // limit: the shape's longest run
        ClueTooLong,         // limit: the clue's excess over 150 characters
    };
    enum class Field { None, Title, Category, Attempts, Word, Clue };

    Problem problem = Problem::None;
    int row = -1;                 // grid row (0-based) of the word or clue concerned
    std::string word;             // that word as stored (Windows-1252)
    int limit = 0;                // the number the message names
    bool largeDimensions = false; // the large-shape warning comes first, then the build goes on
    int attempts = 0;

    bool ok() const { return problem == Problem::None; }
    // Where the focus goes.
    Field field() const;
    // A word longer than the shape's runs is told with the exclamation beep.
    bool exclamationBeep() const { return problem == Problem::WordLongerThanRun; }
};

QString largeDimensionsWarning();

// Runs the checks in order, stopping at the first failure. On success the record holds the rows
// and the shape's size, ready for the builder.
CreateCheck checkCreate(const TypedPuzzle &typed, const QString &attemptsText, const ShapeRecord &shape,
                        PuzzleRecord &record);

// The message for a failed check (caption "Error"), as the editor and the command line show it;
// empty when the check passed.
QString createCheckText(const CreateCheck &check);

} // namespace qx
