#pragma once
// "Word List Input": a puzzle's title, category, bonus question, up to 200 words with clues, its
// shape, page layout and build options. "&Create" checks and builds a new puzzle; for a built
// puzzle only the clues, title, category, bonus question and layout can change, and "Sa&ve"
// writes it back.

#include "builder/grid_builder.h"
#include "common/ui/dialog_conventions.h"
#include "store/ui/puzzle_saving.h"
#include "words/create_checks.h"
#include "words/ui/word_grid.h"
#include "words/word_list_text.h"

#include <functional>
#include <optional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qx {

struct Settings;
class ShapeListPanel;
class UiHost;

struct WordListContext {
    DialogLook look;
    Settings &settings;
    PuzzleRecord &working;     // the main window's current puzzle
    ShapeRecord &currentShape; // the shape every window reads
    CandidateSlots &candidates;
    QString shapeLibraryPath;
    QString collectionPath;
    // New (the puzzle is built here), or the record an existing puzzle was read from: Save writes
    // it back there only while the record still holds what was read.
    PuzzlePlace &place;
    QStringList categories; // the main window's category list
    // Reselects a saved puzzle by category and name and reloads the main window's lists.
    std::function<void(const std::string &, const std::string &)> reloadAndReselect;
    // Lets the user choose a layout from the layout library; empty when the window chose none.
    // "Change La&yout" is disabled while this is unset.
    std::function<std::optional<PageLayout>(QWidget *parent)> chooseLayout = nullptr;
    // Spell-checks the words (when the flag is set) and clues of the rows, replacing in place.
    // "&Spell Check" is disabled while this is unset.
    std::function<void(QWidget *parent, QStringList &words, QStringList &clues, bool checkWords)> spellCheck = nullptr;
    // Looks a word up in the thesaurus; the synonym accepted. "&Thesaurus" is disabled while unset.
    std::function<std::optional<QString>(QWidget *parent, const QString &word)> thesaurus = nullptr;
    // Suggests clues for the words, given with their clues; true when the user accepted changed
    // clues, which are then in clues. "Su&ggest Clues" is disabled while unset, with the reason as
    // its tool tip.
    std::function<bool(QWidget *parent, const QStringList &words, QStringList &clues)> suggestClues = nullptr;
    QString noClueSuggestions = {};
};

class WordListEditor : public ConventionalDialog {
    Q_OBJECT

public:
    WordListEditor(WordListContext context, UiHost &host, const QString &caption, QWidget *parent = nullptr);
    ~WordListEditor() override;

    // The rows as typed, converted to the record's code page.
    TypedPuzzle typedPuzzle() const;
    bool changed();

    QLineEdit *titleEdit() const { return m_title; }
    QComboBox *categoryBox() const { return m_category; }
    QLineEdit *bonusQuest() const { return m_bonus; }
    WordGrid *wordsCluesGrid() const { return m_grid; }
    QLineEdit *attemptsEdit() const { return m_attempts; }
    QCheckBox *autoShrink() const { return m_shrink; }
    QCheckBox *quickCreate() const { return m_quick; }
    QCheckBox *thorough() const { return m_thorough; }
    QSpinBox *effort() const { return m_effort; }
    ShapeListPanel *shapes() const { return m_shapes; }
    QPushButton *button(const QString &objectName) const;

    void buildPuzzle();
    void savePuzzle();
    void closeAskingToSave();
    void deleteAllClues();
    void deleteClue();
    // Manual placement on the working record, with the clues as edited here.
    void openManualPlacement();
    void changeLayout();
    void importWordList();
    void exportWordList();
    void editInternationalKeys();
    void checkSpelling();
    void lookUpThesaurus();
    // For the selected rows, or else for every row with a word and no clue.
    void suggestClues();
    // Types international character k (1..12) into the focused text control.
    void typeInternationalCharacter(int k);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    // The steps of building the window, in the order of its focus chain.
    QLayout *buildTextFields();
    QGroupBox *buildWordGrid();
    QBoxLayout *buildRightColumn();
    QLayout *buildOptions();
    QLayout *buildMainButtons();
    void connectControls();
    void addInternationalCharacterKeys();
    void typeIntoGrid(QWidget *focused, const QString &character);
    std::vector<WordListRow> gridRows() const;
    void enableByMode();

    void fillControls();
    void fitCategoryBox();
    void drawLayout();
    void focusRow(int row, int column);
    SaveResult writeAndSave();

    WordListContext m_context;
    UiHost &m_host;
    bool m_shown = false;
    std::unique_ptr<PuzzleRecord> m_original; // existing puzzle as opened, for change detection
    // One named pointer per control, as in every window: the lists are alike in form only.
    QLineEdit *m_title = nullptr;
    QComboBox *m_category = nullptr;
    QLineEdit *m_bonus = nullptr;
    WordGrid *m_grid = nullptr;
    QLineEdit *m_attempts = nullptr;
    QCheckBox *m_shrink = nullptr;
    QCheckBox *m_quick = nullptr;
    QCheckBox *m_thorough = nullptr;
    QSpinBox *m_effort = nullptr;
    ShapeListPanel *m_shapes = nullptr;
    QLabel *m_layoutImage = nullptr;
    QPushButton *m_changeLayout = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_addWords = nullptr;
    QPushButton *m_exit = nullptr;
    QPushButton *m_deleteAll = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_intChars = nullptr;
    QPushButton *m_spellCheck = nullptr;
    QPushButton *m_suggestClues = nullptr;
    QPushButton *m_thesaurus = nullptr;
};

} // namespace qx
