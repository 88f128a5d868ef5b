#pragma once
// "Export" of the word list editor: chosen words, clues or word and clue pairs of the grid written to
// a word list text file.
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

class WordListExportDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // isNew: a puzzle not built yet has no placed words to select.
    WordListExportDialog(const DialogLook &look, Settings &settings, UiHost &host, std::vector<WordListRow> rows,
                         bool isNew, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    const WordListModeControls &modes() const { return m_modes; }
    QPushButton *button(const QString &objectName) const;

    void saveWordList();
    void selectUsedWords();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillControls();
    void setMode(WordListMode mode);
    void fillList();
    void enableSave();

    Settings &m_settings;
    UiHost &m_host;
    std::vector<WordListRow> m_rows;
    bool m_isNew;
    bool m_shown = false;
    std::vector<ExportEntry> m_entries; // in list order
    QListWidget *m_list = nullptr;
    WordListModeControls m_modes;
    QPushButton *m_saveFile = nullptr;
    QPushButton *m_selectUsed = nullptr;
};

} // namespace qx
