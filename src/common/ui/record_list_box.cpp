#include "common/ui/record_list_box.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace qx {

RecordListBox::RecordListBox(QWidget *parent) : QListWidget(parent)
{
    // Made wide enough when filled; it never scrolls sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

void RecordListBox::fill(const std::vector<ListEntry> &entries)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const ListEntry &entry : entries) {
        auto *item = new QListWidgetItem(entry.displayText(), this);
        item->setData(Qt::UserRole, entry.recordNumber);
    }
}

std::optional<int> RecordListBox::recordAt(int row) const
{
    const QListWidgetItem *it = item(row);
    if (!it)
        return std::nullopt;
    return it->data(Qt::UserRole).toInt();
}

std::optional<int> RecordListBox::selectedRecord() const
{
    return recordAt(currentRow());
}

void RecordListBox::selectRow(int row)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(row >= 0 && row < count() ? row : -1);
}

void RecordListBox::selectRecord(int recordNumber)
{
    for (int row = 0; row < count(); ++row)
        if (recordAt(row) == recordNumber) {
            selectRow(row);
            return;
        }
    selectRow(0);
}

void RecordListBox::fitWidthToEntries(int minimumWidth)
{
    const int cap = fontMetrics().averageCharWidth() * 40;
    const int entries = std::min(cap, std::max(0, sizeHintForColumn(0)));
    const int chrome = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 2 * spacing() + 2;
    setMinimumWidth(std::max(minimumWidth, entries + chrome));
    updateGeometry();
}

} // namespace qx
