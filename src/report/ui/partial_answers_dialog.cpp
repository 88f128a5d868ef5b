#include "report/ui/partial_answers_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

PartialAnswersDialog::PartialAnswersDialog(const DialogLook &look, const QStringList &words,
                                           std::array<uint8_t, MaxWords> &filledIn, QWidget *parent)
    : ConventionalDialog(look, QSize(280, 360), parent), m_filledIn(filledIn)
{
    setWindowTitle(tr("Partial Answer"));
    auto *label = new QLabel(tr("Select those words you would like filled in the puzzle."), this);
    label->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int i = 0; i < words.size() && i < MaxWords; ++i) {
        auto *item = new QListWidgetItem(words[i], m_list);
        item->setSelected(m_filledIn[static_cast<size_t>(i)] != 0);
    }
    auto *ok = new QPushButton(tr("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PartialAnswersDialog::acceptEntries);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void PartialAnswersDialog::acceptEntries()
{
    for (int i = 0; i < m_list->count(); ++i)
        m_filledIn[static_cast<size_t>(i)] = m_list->item(i)->isSelected() ? 1 : 0;
    accept();
}

} // namespace qx
