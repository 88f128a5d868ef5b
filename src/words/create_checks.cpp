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

CreateCheck failure(const QString &message, CreateCheck::Field field, int row = -1)
{
    CreateCheck c;
    c.message = message;
    c.field = field;
    c.row = row;
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

} // namespace

CreateCheck checkCreate(const TypedPuzzle &typed, const QString &attemptsText, const ShapeRecord &shape,
                        PuzzleRecord &record)
{
    using Field = CreateCheck::Field;
    if (trimSpaces(typed.title).empty())
        return failure(QObject::tr("No title specified.  Please correct."), Field::Title);
    if (trimSpaces(typed.category).empty())
        return failure(QObject::tr("No category specified.  Please correct."), Field::Category);
    bool anyWord = false;
    for (const WordRow &row : typed.rows)
        anyWord = anyWord || !trimSpaces(row.word).empty();
    if (!anyWord)
        return failure(QObject::tr("No words have been entered.  Please correct."), Field::None);
    bool isNumber = false;
    const int attempts = attemptsText.trimmed().toInt(&isNumber);
    if (!isNumber || attempts < 1 || attempts > 999)
        return failure(QObject::tr("Attempts must be between 1 and 999.  Please correct."), Field::Attempts);

    CreateCheck result;
    result.attempts = attempts;
    record.GridWidth = shape.ShapeWidth;
    record.GridHeight = shape.ShapeHeight;
    const int dimension = std::max<int>(shape.ShapeWidth, shape.ShapeHeight);
    result.largeDimensions = dimension > 30;
    const int run = longestRun(shape);
    writeRowsIntoRecord(typed, record);

    for (int k = 0; k < record.WordCount; ++k) {
        const int length = record.Words[k].length();
        const QString word = cp1252::toUnicode(record.Words[k].str());
        if (length > dimension) {
            CreateCheck c =
                failure(QObject::tr("Word is greater than puzzle dimension size of %1 characters in \"%2\".")
                            .arg(QString::number(dimension), word),
                        Field::Word, rowOfWord(typed, k));
            c.largeDimensions = result.largeDimensions;
            return c;
        }
        if (length > run) {
            CreateCheck c =
                failure(QObject::tr("The maximum word length as provided by the selected layout is %1.  The "
                                    "following word is greater than the maximum word length: \"%2\".  You "
                                    "will need to correct the word or change the layout.")
                            .arg(QString::number(run), word),
                        Field::Word, rowOfWord(typed, k));
            c.exclamationBeep = true;
            c.largeDimensions = result.largeDimensions;
            return c;
        }
    }
    for (size_t r = 0; r < typed.rows.size(); ++r) {
        const auto &row = typed.rows[r];
        const auto word = trimSpaces(row.word);
        const auto clueLength = static_cast<int>(trimSpaces(row.clue).size());
        if (!word.empty() && clueLength > 150) {
            CreateCheck c = failure(QObject::tr("The length of the clue for the word \"%1\" is %2 characters longer "
                                                "than the maximum clue size of 150.")
                                        .arg(cp1252::toUnicode(word), QString::number(clueLength - 150)),
                                    Field::Clue, static_cast<int>(r));
            c.largeDimensions = result.largeDimensions;
            return c;
        }
    }
    result.ok = true;
    return result;
}

} // namespace qx
