#pragma once
// "Suggest Clues": one row per word with its suggested clues, the first chosen and the others in
// a drop-down; each clue can be edited. "&Accept" takes the clues as they stand; "&Cancel" leaves
// everything as it was.

#include "common/ui/dialog_conventions.h"

#include <vector>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace qx {

class UiHost;

class ClueSuggestionsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    struct Row {
        QString word;
        QString clue;            // the clue the row has now, offered last in its drop-down
        QStringList suggestions; // best first
    };

    // language names where the suggestions came from ("English (WordNet)").
    ClueSuggestionsDialog(const DialogLook &look, UiHost &host, const QString &language, std::vector<Row> rows,
                          QWidget *parent = nullptr);

    // The clue of each row as accepted, in the rows' order: empty where the user left none.
    QStringList clues() const;

    QTableWidget *table() const { return m_table; }
    QComboBox *clueBox(int row) const;
    QPushButton *acceptButton() const { return m_accept; }

private:
    QTableWidget *m_table = nullptr;
    QPushButton *m_accept = nullptr;
};

} // namespace qx
