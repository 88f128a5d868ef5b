#include "app/ui/puzzle_picker.h"

#include "common/cp1252.h"
#include "store/collection_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

PuzzlePicker::PuzzlePicker(const QString &heading, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(heading, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PuzzleList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { Q_EMIT selectionChanged(!m_list->selectedItems().isEmpty()); });
}

QHBoxLayout *PuzzlePicker::buttonRow(QPushButton *command, QPushButton *close)
{
    auto *all = new QPushButton(tr("&Select All"), this);
    all->setObjectName(QStringLiteral("SelectAllButton"));
    auto *none = new QPushButton(tr("C&lear All"), this);
    none->setObjectName(QStringLiteral("ClearAllButton"));
    auto *row = new QHBoxLayout;
    for (auto *b : {all, none, command, close})
        row->addWidget(b);
    command->setEnabled(false);
    connect(this, &PuzzlePicker::selectionChanged, command, &QPushButton::setEnabled);
    connect(all, &QPushButton::clicked, this, &PuzzlePicker::selectAll);
    connect(none, &QPushButton::clicked, this, &PuzzlePicker::clearAll);
    return row;
}

void PuzzlePicker::fill(const QString &collectionPath)
{
    m_list->clear();
    m_listed.reset();
    std::vector<TaggedEntry> entries;
    // A file that cannot be read lists nothing; the main window has said why when it opened it.
    if (const auto index = CollectionFile(collectionPath).reload()) {
        m_listed = index->listed;
        for (const auto &p : index->PuzzleIndexList)
            entries.push_back({p.name, p.record});
    }
    sortForDisplay(entries);
    for (const auto &e : entries) {
        auto *item = new QListWidgetItem(cp1252::toUnicode(e.text), m_list);
        item->setData(Qt::UserRole, e.tag);
    }
}

std::vector<int> PuzzlePicker::selectedRecords() const
{
    std::vector<int> out;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            out.push_back(m_list->item(row)->data(Qt::UserRole).toInt());
    }
    return out;
}

void PuzzlePicker::selectAll()
{
    m_list->selectAll();
}
void PuzzlePicker::clearAll()
{
    m_list->clearSelection();
}

} // namespace qx
