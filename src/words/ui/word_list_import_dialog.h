#pragma once
// "Import" of the word list editor: the lines of a word list text file put into empty grid rows as
// words, as clues or as word and clue pairs; the editor takes the rows back when the window closes
// with "&Ok".
//
// Both transfer windows work on a copy of the editor's grid rows and show the entries in a sorted
// multi-selection list (words/word_list_text.h holds the file format and the lists' rules).

#include "common/ui/dialog_conventions.h"
#include "words/ui/word_list_mode_controls.h"
#include "words/word_list_text.h"

#include <vector>

class QListWidget;
class QPushButton;

namespace qx {

struct Settings;
class UiHost;

class WordListImportDialog : public ConventionalDialog {
    Q_OBJECT

public:
    WordListImportDialog(const DialogLook &look, Settings &settings, UiHost &host, std::vector<WordListRow> rows,
                         QWidget *parent = nullptr);

    // The grid rows with the imported entries, once the window closed with "&Ok".
    const std::vector<WordListRow> &rows() const { return m_rows; }
    QListWidget *list() const { return m_list; }
    const WordListModeControls &modes() const { return m_modes; }
    QPushButton *button(const QString &objectName) const;

    void openWordFile();
    void acceptEntries();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillControls();
    void setMode(WordListMode mode);
    void shareAccelerators();

    Settings &m_settings;
    UiHost &m_host;
    std::vector<WordListRow> m_rows;
    bool m_shown = false;
    QListWidget *m_list = nullptr;
    WordListModeControls m_modes;
    QPushButton *m_openFile = nullptr;
    QPushButton *m_selectAll = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace qx
