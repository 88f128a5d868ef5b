#include "words/manual_placement.h"

#include "builder/word_order.h"
#include "common/cp1252.h"
#include "common/upper_case_letter.h"

#include <QObject>

#include <algorithm>

namespace qx {

namespace {

constexpr uint8_t Space = 0x20;

int rowOf(int cell)
{
    return (cell - 1) / GridSide + 1;
}

int columnOf(int cell)
{
    return (cell - 1) % GridSide + 1;
}

bool isLetter(uint8_t value)
{
    return value != 0 && value != Space;
}

} // namespace

bool isPlacedWord(const PuzzleRecord &record, int k)
{
    const auto i = static_cast<size_t>(k);
    return k >= 0 && k < record.wordsInUse() && record.WordPlaced[i] != 0 && record.WordPos[i] >= 1 &&
           record.WordPos[i] <= GridCells;
}

int entriesInUse(const PuzzleRecord &record)
{
    int used = record.wordsInUse();
    for (int k = MaxWords; k > used; --k) {
        const auto i = static_cast<size_t>(k - 1);
        if (!record.Words[i].empty() || !record.Clues[i].empty())
            return k;
    }
    return used;
}

std::vector<bool> protectedCells(const PuzzleRecord &record)
{
    const int width = record.widthInUse();
    const int height = record.heightInUse();
    std::vector<bool> out(GridCells + 1, false);
    const auto protect = [&](int row, int col) {
        if (row >= 1 && row <= height && col >= 1 && col <= width)
            out[static_cast<size_t>(cellIndex(row, col))] = true;
    };
    for (int k = 0; k < record.wordsInUse(); ++k) {
        if (!isPlacedWord(record, k))
            continue;
        const auto i = static_cast<size_t>(k);
        const int pos = record.WordPos[i];
        const int len = record.WordLen[i];
        const int row = rowOf(pos);
        const int col = columnOf(pos);
        if (record.WordAcross[i] != 0) {
            protect(row, col - 1);
            if (len >= 1)
                protect(row, col + len);
        } else {
            protect(row - 1, col);
            if (len >= 1)
                protect(row + len, col);
        }
    }
    return out;
}

std::vector<LetterRun> newRuns(const PuzzleRecord &record)
{
    const int width = record.widthInUse();
    const int height = record.heightInUse();
    const auto at = [&](int row, int col) -> uint8_t {
        if (row < 1 || row > height || col < 1 || col > width)
            return 0;
        return record.cell(row, col);
    };
    const auto isWord = [&](int start, bool across) {
        for (int k = 0; k < record.wordsInUse(); ++k) {
            const auto i = static_cast<size_t>(k);
            if (isPlacedWord(record, k) && record.WordPos[i] == start && (record.WordAcross[i] != 0) == across)
                return true;
        }
        return false;
    };
    const auto read = [&](int row, int col, int dRow, int dCol) {
        std::string letters;
        for (; isLetter(at(row, col)); row += dRow, col += dCol)
            letters += static_cast<char>(at(row, col));
        return letters;
    };
    std::vector<LetterRun> runs;
    for (int row = 1; row <= height; ++row) {
        for (int col = 1; col <= width; ++col) {
            if (!isLetter(at(row, col)))
                continue;
            const int start = cellIndex(row, col);
            if (!isLetter(at(row, col - 1)) && isLetter(at(row, col + 1)) && !isWord(start, true))
                runs.push_back({start, true, read(row, col, 0, 1)});
            if (!isLetter(at(row - 1, col)) && isLetter(at(row + 1, col)) && !isWord(start, false))
                runs.push_back({start, false, read(row, col, 1, 0)});
        }
    }
    return runs;
}

std::optional<uint8_t> typedCell(const QString &typed)
{
    if (typed.isEmpty())
        return Space;
    const QChar first = typed.at(0).toUpper();
    if (first < u'A' || first > u'Z')
        return std::nullopt;
    return static_cast<uint8_t>(first.unicode());
}

WordCase wordCaseFrom(int setting)
{
    switch (setting) {
    case 1:
        return WordCase::Upper;
    case 2:
        return WordCase::Lower;
    default:
        return WordCase::FirstCapital;
    }
}

std::string casedWord(const std::string &letters, WordCase wordCase)
{
    std::string out = letters.substr(0, MaxWordLength);
    if (wordCase == WordCase::Upper) {
        for (char &c : out)
            c = static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(c)));
        return out;
    }
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (wordCase == WordCase::FirstCapital && !out.empty())
        out[0] = static_cast<char>(UpperCaseLetter(static_cast<uint8_t>(out[0])));
    return out;
}

PlacementCheck checkPlacementOpens(const PuzzleRecord &record)
{
    PlacementCheck check;
    if (record.PuzzleBuilt == 0)
        check.problem = PlacementCheck::Problem::NeverBuilt;
    else if (entriesInUse(record) >= MaxWords)
        check.problem = PlacementCheck::Problem::NoFreeEntry;
    return check;
}

PlacementCheck checkNewRuns(const PuzzleRecord &record, const std::vector<LetterRun> &runs)
{
    PlacementCheck check = checkPlacementOpens(record);
    if (!check.ok())
        return check;
    for (const LetterRun &run : runs) {
        if (static_cast<int>(run.letters.size()) > MaxWordLength) {
            check.problem = PlacementCheck::Problem::RunTooLong;
            check.word = run.letters;
            check.count = static_cast<int>(run.letters.size());
            check.limit = MaxWordLength;
            return check;
        }
    }
    const int free = MaxWords - entriesInUse(record);
    if (static_cast<int>(runs.size()) > free) {
        check.problem = PlacementCheck::Problem::TooFewEntries;
        check.count = static_cast<int>(runs.size());
        check.limit = free;
    }
    return check;
}

QString placementCheckText(const PlacementCheck &check)
{
    switch (check.problem) {
    case PlacementCheck::Problem::None:
        return {};
    case PlacementCheck::Problem::NeverBuilt:
        return QObject::tr("A puzzle has never been generated for this word/clue list. Please select "
                           "\"File|Modify\" from the menu and create the puzzle first");
    case PlacementCheck::Problem::NoFreeEntry:
        return QObject::tr("This puzzle already holds %1 words, the most a puzzle can hold.  No word can be added.")
            .arg(MaxWords);
    case PlacementCheck::Problem::TooFewEntries:
        return QObject::tr("The letters typed make %1 new words, but this puzzle has room for only %2 more.  "
                           "Please remove some letters.")
            .arg(check.count)
            .arg(check.limit);
    case PlacementCheck::Problem::RunTooLong:
        return QObject::tr("The letters \"%1\" make a word of %2 letters, but a word holds at most %3.  "
                           "Please remove some letters.")
            .arg(cp1252::toUnicode(check.word))
            .arg(check.count)
            .arg(check.limit);
    }
    return {};
}

QString placementCheckCaption(const PlacementCheck &check)
{
    return check.problem == PlacementCheck::Problem::NeverBuilt ? QObject::tr("Warning") : QObject::tr("Error");
}

void addNewWords(PuzzleRecord &record, const std::vector<NewWord> &words)
{
    const int used = entriesInUse(record);
    // Entries past WordCount are never placed, whatever a damaged flag says.
    for (int k = record.wordsInUse(); k < MaxWords; ++k)
        record.WordPlaced[static_cast<size_t>(k)] = 0;
    int total = used;
    for (const NewWord &word : words) {
        if (total >= MaxWords)
            break;
        const auto i = static_cast<size_t>(total++);
        record.Words[i].set(casedWord(word.run.letters, word.wordCase));
        record.Clues[i].setTrimmed(word.clue);
        record.WordPos[i] = static_cast<int16_t>(word.run.start);
        record.WordLen[i] = static_cast<int16_t>(word.run.letters.size());
        record.WordAcross[i] = word.run.across ? 1 : 0;
        record.WordPlaced[i] = 1;
        record.WordNumber[i] = 0;
    }
    // The placed words and the new ones stand before the words left out, so ordering them as the
    // builder does keeps the words left out, in their order, after WordCount.
    orderPlacedWords(record, total);
}

ManualPlacement::ManualPlacement(const PuzzleRecord &record) : m_record(record), m_protected(protectedCells(record))
{
    m_start = record.Grid;
}

bool ManualPlacement::isEditable(int cell) const
{
    if (cell < 1 || cell > GridCells || rowOf(cell) > height() || columnOf(cell) > width())
        return false;
    return m_start[static_cast<size_t>(cell - 1)] == Space && !isProtected(cell);
}

bool ManualPlacement::setCell(int cell, uint8_t value)
{
    if (!isEditable(cell))
        return false;
    m_record.Grid[static_cast<size_t>(cell - 1)] = value;
    return true;
}

ManualPlacement::Typing ManualPlacement::typeWord(int row, int col, bool across, const QString &word)
{
    Typing typing;
    int r = row;
    int c = col;
    for (qsizetype i = 0; i < word.size(); ++i) {
        typing.character = word.mid(i, word.at(i).isHighSurrogate() ? 2 : 1);
        if (word.at(i).isHighSurrogate())
            ++i;
        typing.cell = (r >= 1 && r <= GridSide && c >= 1 && c <= GridSide) ? cellIndex(r, c) : 0;
        const auto value = typedCell(typing.character);
        if (!value || *value == Space) {
            typing.problem = Typing::Problem::NotALetter;
            return typing;
        }
        if (r < 1 || r > height() || c < 1 || c > width()) {
            typing.problem = Typing::Problem::OutsideGrid;
            return typing;
        }
        if (cell(typing.cell) != *value && !setCell(typing.cell, *value)) {
            typing.problem = Typing::Problem::CellNotFree;
            return typing;
        }
        if (across)
            ++c;
        else
            ++r;
    }
    typing.problem = Typing::Problem::None;
    return typing;
}

} // namespace qx
