#include "words/create_checks.h"

#include "common/cp1252.h"
#include "common/text.h"

#include <QObject>

namespace qx {

void writeRowsIntoRecord(const TypedPuzzle &typed, PuzzleRecord &record)
{
    record.BonusQuestion.setTrimmed(typed.bonusQuestion);
    record.PuzzleName.setTrimmed(typed.title);
    record.Category.setTrimmed(typed.category);
    int count = 0;
    for (const WordRow &row : typed.rows) {
        const std::string word = trimSpaces(row.word);
        if (word.empty() || count == MaxWords)
            continue;
        record.Words[count].set(word);
        record.Clues[count].setTrimmed(row.clue);
        ++count;
    }
    record.WordCount = static_cast<int16_t>(count);
    for (int k = count; k < MaxWords; ++k) {
        record.Words[k].clear();
        record.Clues[k].clear();
    }
}

int longestRun(const ShapeRecord &shape)
{
    const int width = shape.width();
    const int height = shape.height();
    int best = 0;
    for (int r = 1; r <= height; ++r) {
        int run = 0;
        for (int c = 1; c <= width; ++c) {
            run = shape.inShape(r, c) ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    for (int c = 1; c <= width; ++c) {
        int run = 0;
        for (int r = 1; r <= height; ++r) {
            run = shape.inShape(r, c) ? run + 1 : 0;
            best = std::max(best, run);
        }
    }
    return best;
}

QString largeDimensionsWarning()
{
    return QObject::tr("You have selected a puzzle shape with large dimensions.  Be advised that you may need to "
                       "select a \"Page Layout\" that has a very large area for the puzzle in order for the puzzle "
                       "to appear in a normal size.");
}

namespace {

CreateCheck failure(CreateCheck::Problem problem, int row = -1, std::string word = {}, int limit = 0)
{
    CreateCheck c;
    c.problem = problem;
    c.row = row;
    c.word = std::move(word);
    c.limit = limit;
    return c;
}

// The grid row of stored word k: the k-th row with a word.
int rowOfWord(const TypedPuzzle &typed, int k)
{
    int seen = -1;
    for (size_t r = 0; r < typed.rows.size(); ++r) {
        if (!trimSpaces(typed.rows[r].word).empty() && ++seen == k)
            return static_cast<int>(r);
    }
    return -1;
}

// The word and clue lengths against the shape, after the rows are in the record.
CreateCheck checkLengths(const TypedPuzzle &typed, const PuzzleRecord &record, int dimension, int run)
{
    using Problem = CreateCheck::Problem;
    for (int k = 0; k < record.WordCount; ++k) {
        const int length = record.Words[k].length();
        if (length > dimension)
            return failure(Problem::WordLongerThanShape, rowOfWord(typed, k), record.Words[k].str(), dimension);
        if (length > run)
            return failure(Problem::WordLongerThanRun, rowOfWord(typed, k), record.Words[k].str(), run);
    }
    for (size_t r = 0; r < typed.rows.size(); ++r) {
        const auto word = trimSpaces(typed.rows[r].word);
        const auto clueLength = static_cast<int>(trimSpaces(typed.rows[r].clue).size());
        if (!word.empty() && clueLength > 150)
            return failure(Problem::ClueTooLong, static_cast<int>(r), word, clueLength - 150);
    }
    return {};
}

} // namespace

CreateCheck::Field CreateCheck::field() const
{
    switch (problem) {
    case Problem::NoTitle:
        return Field::Title;
    case Problem::NoCategory:
        return Field::Category;
    case Problem::AttemptsOutOfRange:
        return Field::Attempts;
    case Problem::WordLongerThanShape:
    case Problem::WordLongerThanRun:
        return Field::Word;
    case Problem::ClueTooLong:
        return Field::Clue;
    case Problem::None:
    case Problem::NoWords:
        break;
    }
    return Field::None;
}

CreateCheck checkCreate(const TypedPuzzle &typed, const QString &attemptsText, const ShapeRecord &shape,
                        PuzzleRecord &record)
{
    using Problem = CreateCheck::Problem;
    if (trimSpaces(typed.title).empty())
        return failure(Problem::NoTitle);
    if (trimSpaces(typed.category).empty())
        return failure(Problem::NoCategory);
    bool anyWord = false;
    for (const WordRow &row : typed.rows)
        anyWord = anyWord || !trimSpaces(row.word).empty();
    if (!anyWord)
        return failure(Problem::NoWords);
    bool isNumber = false;
    const int attempts = attemptsText.trimmed().toInt(&isNumber);
    if (!isNumber || attempts < 1 || attempts > 999)
        return failure(Problem::AttemptsOutOfRange);

    record.GridWidth = shape.ShapeWidth;
    record.GridHeight = shape.ShapeHeight;
    const int dimension = std::max<int>(shape.ShapeWidth, shape.ShapeHeight);
    writeRowsIntoRecord(typed, record);
    CreateCheck result = checkLengths(typed, record, dimension, longestRun(shape));
    result.largeDimensions = dimension > 30;
    if (result.ok())
        result.attempts = attempts;
    return result;
}

QString createCheckText(const CreateCheck &check)
{
    using Problem = CreateCheck::Problem;
    const QString word = cp1252::toUnicode(check.word);
    const QString limit = QString::number(check.limit);
    switch (check.problem) {
    case Problem::None:
        break;
    case Problem::NoTitle:
        return QObject::tr("No title specified.  Please correct.");
    case Problem::NoCategory:
        return QObject::tr("No category specified.  Please correct.");
    case Problem::NoWords:
        return QObject::tr("No words have been entered.  Please correct.");
    case Problem::AttemptsOutOfRange:
        return QObject::tr("Attempts must be between 1 and 999.  Please correct.");
    case Problem::WordLongerThanShape:
        return QObject::tr("Word is greater than puzzle dimension size of %1 characters in \"%2\".").arg(limit, word);
    case Problem::WordLongerThanRun:
        return QObject::tr("The maximum word length as provided by the selected layout is %1.  The following word "
                           "is greater than the maximum word length: \"%2\".  You will need to correct the word "
                           "or change the layout.")
            .arg(limit, word);
    case Problem::ClueTooLong:
        return QObject::tr("The length of the clue for the word \"%1\" is %2 characters longer than the maximum clue "
                           "size of 150.")
            .arg(word, limit);
    }
    return {};
}

} // namespace qx
