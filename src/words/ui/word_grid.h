#pragma once
// The word list editor's grid of 200 rows: "Cnt" (the row number), "U" ("x" for a word placed in
// the built grid), "Word" and "Clue". Only the word and clue cells take the cursor: Tab and Enter
// go Word, Clue, next row's Word (Shift for the way back), so a user typing "word Tab clue Tab"
// always lands in the next row's word. The cell editors hold the word and clue limits and refuse
// what a puzzle cannot store.

#include <QTableWidget>

namespace qx {

struct PuzzleRecord;
class UiHost;

class WordGrid : public QTableWidget {
    Q_OBJECT

public:
    enum Column { CntColumn = 0, UColumn = 1, WordColumn = 2, ClueColumn = 3 };
    static constexpr int Rows = 200;

    WordGrid(UiHost &host, double screenFactor, QWidget *parent = nullptr);

    // Puts the row numbers, the placed marks, the words and the clues of the record into the rows;
    // words are read-only when they are fixed (a built puzzle).
    void fill(const PuzzleRecord &record, bool wordsFixed);
    QString text(int row, int column) const;

    // Widens the number columns so that "200" and their headings show whole, and the word column so
    // that a word of thirteen letters does, in the fonts the window was given when shown.
    void fitColumns();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &) override {}

private:
    double m_screenFactor;
};

} // namespace qx
