#pragma once
// Adding words by hand to a built grid: letters are typed into the open cells that held no letter
// when the grid was opened, except the cells just before and after a placed word (a letter there
// would glue itself to that word). Every new run of two letters or more is a new word; the new
// words go after the placed ones, ahead of the words the build left out, and the record is ordered
// and numbered again as the builder orders it. Shared by "Manual Word Addition" and the command
// line's add-word.

#include "store/puzzle_record.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace qx {

constexpr int MaxWordLength = 30;
constexpr int MaxClueLength = 150;

// A word counts as placed when its entry is one of 1..WordCount, its WordPlaced flag is set and
// its first cell lies in the grid. Only placed words protect cells, stop runs being new, and are
// numbered.
bool isPlacedWord(const PuzzleRecord &record, int k); // k 0-based

// Entries holding a word or a clue: the placed words and, after them, the words the build left
// out. The rest are free for new words.
int entriesInUse(const PuzzleRecord &record);

// The cells just before and after each placed word, inside GridWidth x GridHeight; index 1..2500.
std::vector<bool> protectedCells(const PuzzleRecord &record);

// A run of two letters or more in one direction.
struct LetterRun {
    int start = 0; // first cell, 1..2500
    bool across = true;
    std::string letters; // the grid's bytes

    friend bool operator==(const LetterRun &, const LetterRun &) = default;
};

// The runs of the grid that are no placed word yet, in reading order of their first cells (an
// across run before a down run from the same cell). Only cells inside GridWidth x GridHeight
// count: those past them may hold letters left from before the grid was shrunk.
std::vector<LetterRun> newRuns(const PuzzleRecord &record);

// What a letter typed into a free cell stores: a space for an empty box, the capital of a letter
// a..z or A..Z; nothing for anything else (the first character counts).
std::optional<uint8_t> typedCell(const QString &typed);

// The word case choice of "Add A Clue" (the "Case Sensitivity" setting).
enum class WordCase { Upper = 1, Lower = 2, FirstCapital = 3 };
WordCase wordCaseFrom(int setting);
// The run's letters as the word is stored: capitals, small letters (only A..Z change), or small
// letters after a capital.
std::string casedWord(const std::string &letters, WordCase wordCase);

struct NewWord {
    LetterRun run;
    std::string clue; // Windows-1252; stored trimmed and cut to 150
    WordCase wordCase = WordCase::FirstCapital;
};

// Why words cannot be added; checked before anything changes.
struct PlacementCheck {
    enum class Problem {
        None,
        NeverBuilt,    // the grid was never built
        NoFreeEntry,   // every entry holds a word
        TooFewEntries, // more new words than free entries; count: new words, limit: free entries
        RunTooLong,    // a run longer than a word holds; word: its letters
    };
    Problem problem = Problem::None;
    int count = 0;
    int limit = 0;
    std::string word;

    bool ok() const { return problem == Problem::None; }
};

// Whether words can be added to the record at all.
PlacementCheck checkPlacementOpens(const PuzzleRecord &record);
// Whether these new runs can become words of the record.
PlacementCheck checkNewRuns(const PuzzleRecord &record, const std::vector<LetterRun> &runs);
// The message for a failed check; its caption is placementCheckCaption. Empty when it passed.
QString placementCheckText(const PlacementCheck &check);
QString placementCheckCaption(const PlacementCheck &check);

// Stores the new words after the placed ones (the words left out move down and stay), then orders
// and numbers the record as the builder does. The caller has checked the runs.
void addNewWords(PuzzleRecord &record, const std::vector<NewWord> &words);

// A grid opened for typing: the cells free at opening and the protected cells are fixed then.
class ManualPlacement {
public:
    explicit ManualPlacement(const PuzzleRecord &record);

    const PuzzleRecord &record() const { return m_record; }
    PuzzleRecord &record() { return m_record; }
    int width() const { return m_record.widthInUse(); }
    int height() const { return m_record.heightInUse(); }

    bool isProtected(int cell) const { return m_protected[static_cast<size_t>(cell)]; }
    // A cell letters may be typed into: inside the grid, open and empty at opening, not protected.
    bool isEditable(int cell) const;
    uint8_t cell(int cell) const { return m_record.Grid[static_cast<size_t>(cell - 1)]; }
    // Stores a typed cell value (typedCell) into an editable cell; false when it is not editable.
    bool setCell(int cell, uint8_t value);

    // Types a word's letters from (row, col) on, one a cell, as a user would: a letter goes into
    // an editable cell or must be the letter the cell already holds.
    struct Typing {
        enum class Problem { None, NotALetter, OutsideGrid, CellNotFree };
        Problem problem = Problem::None;
        int cell = 0;      // the cell concerned
        QString character; // the character concerned
    };
    Typing typeWord(int row, int col, bool across, const QString &word);

private:
    PuzzleRecord m_record;
    std::array<uint8_t, GridCells> m_start{};
    std::vector<bool> m_protected;
};

} // namespace qx
