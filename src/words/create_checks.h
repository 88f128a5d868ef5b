#pragma once
// What "Create" checks before a build, in its order and with its messages, shared by the word list
// editor and the command line: title, category, words, attempts, the shape's size and runs, word
// and clue lengths. Also how the typed rows are written into the record.

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

struct CreateCheck {
    enum class Field { None, Title, Category, Attempts, Word, Clue };

    bool ok = false;
    QString message;           // the error, caption "Error"
    Field field = Field::None; // where the focus goes
    int row = -1;              // grid row (0-based) of the word or clue concerned
    bool exclamationBeep = false;
    bool largeDimensions = false; // the large-shape warning comes first, then the build goes on
    int attempts = 0;
};

QString largeDimensionsWarning();

// Runs the checks in order, stopping at the first failure. On success the record holds the rows
// and the shape's size, ready for the builder.
CreateCheck checkCreate(const TypedPuzzle &typed, const QString &attemptsText, const ShapeRecord &shape,
                        PuzzleRecord &record);

} // namespace qx
