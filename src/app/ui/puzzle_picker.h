#pragma once
// A list of the puzzles of a collection file for choosing several of them, as the import and export
// dialogs show it.

#include "store/collection_file.h"

#include <QWidget>

#include <optional>
#include <vector>

class QHBoxLayout;
class QListWidget;
class QPushButton;

namespace qx {

// A list of the puzzles of a collection, sorted, several selectable, each tagged with its record.
class PuzzlePicker : public QWidget {
    Q_OBJECT

public:
    PuzzlePicker(const QString &heading, QWidget *parent);
    void fill(const QString &collectionPath);
    // The file the list was read from, for the check that the numbers chosen still name the
    // puzzles listed.
    const std::optional<FileStamp> &listed() const { return m_listed; }
    // The selected records in list order.
    std::vector<int> selectedRecords() const;
    QListWidget *list() const { return m_list; }
    void selectAll();
    void clearAll();

    // The row under the list: "&Select All", "C&lear All", then the dialog's own command and its
    // way out. The command is enabled only while a puzzle is selected.
    QHBoxLayout *buttonRow(QPushButton *command, QPushButton *close);

Q_SIGNALS:
    void selectionChanged(bool any);

private:
    QListWidget *m_list;
    std::optional<FileStamp> m_listed;
};

} // namespace qx
