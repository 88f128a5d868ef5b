#pragma once
// What the word list import and export windows share: the three mode buttons (words, clues, word
// and clue pairs) with the separator box that only pairs show, and the file request of a word list.

#include "common/ui/ui_host.h"
#include "words/word_list_text.h"

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class QWidget;

namespace qx {

// The mode buttons and the separator box both windows have.
class WordListModeControls {
public:
    QRadioButton *asWords = nullptr;
    QRadioButton *asClues = nullptr;
    QRadioButton *asWordsAndClues = nullptr;
    QLabel *sepLabel = nullptr;
    QLineEdit *sepChar = nullptr;

    WordListMode mode() const;
    // Checks the mode's button and puts the separator into its box, without running the controls'
    // change handlers.
    void fill(WordListMode mode, QChar separator);
    // The separator controls show only for word and clue pairs.
    void showSeparator();
    // Calls picked with the mode of a button the user checks.
    void onPicked(QObject *context, const std::function<void(WordListMode)> &picked) const;
};

// Makes the controls: the three buttons with their captions in a box, the separator box below.
QVBoxLayout *makeModeControls(WordListModeControls &controls, const std::array<QString, 3> &captions, UiHost &host,
                              QWidget *parent);

// A button added to a column of buttons, named so that tests and the monkey find it.
QPushButton *addColumnButton(const QString &text, const char *name, QWidget *parent, QVBoxLayout *column);

// The rows of the list's selected items, in list order.
std::vector<int> selectedRows(const QListWidget *list);

// The open or save request of a word list text file.
FileRequest wordListFileRequest(const QString &title, bool forImport, const QString &initialPath);

} // namespace qx
