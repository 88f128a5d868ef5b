#pragma once
// "Import" and "Export" of the word list editor: words, clues or word and clue pairs moved between
// the editor's grid rows and a word list text file (words/word_list_text.h). Both show the entries
// in a sorted multi-selection list and work on a copy of the grid rows; the editor takes the rows
// of an import back when the window closes with "&Ok".

#include "common/ui/dialog_conventions.h"
#include "words/word_list_text.h"

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qx {

struct Settings;
class UiHost;

// The mode buttons and the separator box both windows have.
class WordListModeControls {
public:
    QRadioButton *asWords = nullptr;
    QRadioButton *asClues = nullptr;
    QRadioButton *asWordsAndClues = nullptr;
    QLabel *sepLabel = nullptr;
    QLineEdit *sepChar = nullptr;

    WordListMode mode() const;
    void select(WordListMode mode);
    // The separator controls show only for word and clue pairs.
    void showSeparator();
};

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

    void onOpenFileClicked();
    void onOkClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();
    void setMode(WordListMode mode);

    Settings &m_settings;
    UiHost &m_host;
    std::vector<WordListRow> m_rows;
    bool m_shown = false;
    QListWidget *m_list = nullptr;
    WordListModeControls m_modes;
    QPushButton *m_selectAll = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_ok = nullptr;
};

class WordListExportDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // isNew: a puzzle not built yet has no placed words to select.
    WordListExportDialog(const DialogLook &look, Settings &settings, UiHost &host, std::vector<WordListRow> rows,
                         bool isNew, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    const WordListModeControls &modes() const { return m_modes; }
    QPushButton *button(const QString &objectName) const;

    void onSaveFileClicked();
    void onSelectUsedClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();
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
