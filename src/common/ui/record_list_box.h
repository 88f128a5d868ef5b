#pragma once
// The list of a library (shapes, page layouts) or of a collection's puzzles: entries sorted by
// text, each carrying the record number it stands for. Commands go by that number, never by the
// row, because entries may read alike and a refill may sort a changed entry elsewhere.

#include "common/list_entry.h"

#include <QListWidget>

#include <optional>
#include <vector>

namespace qx {

class RecordListBox : public QListWidget {
    Q_OBJECT

public:
    explicit RecordListBox(QWidget *parent = nullptr);

    // Replaces the entries, in the order given, with nothing selected and no signal sent.
    void fill(const std::vector<ListEntry> &entries);

    // The record number of the selected entry.
    std::optional<int> selectedRecord() const;
    std::optional<int> recordAt(int row) const;

    // Selects the entry carrying the record number, else the first entry; quietly.
    void selectRecord(int recordNumber);
    // Selects the row, or nothing when there is no such row; quietly.
    void selectRow(int row);

    // Wide enough for its entries (names of more than about forty characters are cut with an
    // ellipsis) and never narrower than minimumWidth, measured in the font the list has now.
    void fitWidthToEntries(int minimumWidth);
};

} // namespace qx
