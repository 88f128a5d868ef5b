#pragma once
// "Manual Word Addition": letters typed into the free cells of a built grid become new words. On
// "&Ok" every new run of letters is found, "Add A Clue" asks each one's clue, and the puzzle,
// ordered and numbered again, is saved into the collection.

#include "common/ui/dialog_conventions.h"
#include "store/ui/puzzle_saving.h"
#include "words/manual_placement.h"

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;

namespace qx {

struct Settings;

class UiHost;
class PlacementPicture;

struct PlacementContext {
    DialogLook look;
    int &wordCase;         // the "Case Sensitivity" setting
    PuzzleRecord &working; // receives the saved puzzle
    QString collectionPath;
    PuzzlePlace &place; // the record the puzzle was read from; follows the saves
    // Reselects the saved puzzle by category and name and reloads the main window's lists.
    std::function<void(const std::string &, const std::string &)> reloadAndReselect;
    // Its international characters are typed by F1..F12 into "Add A Clue"; none without it.
    const Settings *settings = nullptr;
};

class ManualPlacementDialog : public ConventionalDialog {
    Q_OBJECT

public:
    ManualPlacementDialog(PlacementContext context, UiHost &host, QWidget *parent = nullptr);
    ~ManualPlacementDialog() override;

    const ManualPlacement &placement() const { return m_placement; }
    bool saved() const { return m_saved; }

    QWidget *puzzImage() const;
    QLineEdit *theLetter() const { return m_letter; }
    QPushButton *acceptButton() const { return m_accept; }
    QPushButton *rejectButton() const { return m_reject; }

    // The grid's square under a point of the picture, or 0 outside the grid.
    int cellAt(QPoint point) const;
    // Where a cell's square lies in the picture.
    QRect cellRect(int cell) const;

    // Opens the letter box over an editable cell (as a click on it does); false when it is not.
    bool startTyping(int cell);
    // Commits the letter in the box; false (after the message) when it is not a letter A..Z.
    bool onAcceptClicked();
    void onRejectClicked();
    void onOkButtonClicked();
    void onCancelClicked();

    void onPicturePressed(int cell);
    void onPictureReleased(int cell);

    // Escape while a letter is typed takes back that letter only.
    void reject() override;

private:
    void redraw();
    void hideLetterBox();
    SaveResult saveWords(const std::vector<NewWord> &words);

    PlacementContext m_context;
    UiHost &m_host;
    ManualPlacement m_placement;
    PlacementPicture *m_picture = nullptr;
    QLineEdit *m_letter = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_reject = nullptr;
    int m_typedCell = 0;   // the cell whose letter is being typed
    int m_pressedCell = 0; // where the pointer was pressed
    bool m_armed = false;  // pressed on an editable cell
    bool m_saved = false;
};

// Opens manual placement on a copy of the working record, unless the puzzle refuses it (never
// built, no free entry): then the message says why. Returns whether the puzzle was saved.
bool runManualPlacement(QWidget *parent, PlacementContext context, UiHost &host);

} // namespace qx
