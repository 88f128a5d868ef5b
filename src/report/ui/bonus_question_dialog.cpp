#include "report/ui/bonus_question_dialog.h"

#include "common/ui/storable_text_validator.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qx {

BonusQuestionDialog::BonusQuestionDialog(const DialogLook &look, UiHost &host, const QString &question, QWidget *parent)
    : ConventionalDialog(look, QSize(420, 100), parent), m_host(host)
{
    setWindowTitle(tr("Bonus Question"));
    m_text = new QLineEdit(this);
    // A stored question may be longer than a typed one; it is shown whole, and typing only shortens it.
    m_text->setMaxLength(std::max<int>(MaxTyped, static_cast<int>(question.size())));
    keepStorable(m_text, m_host);
    m_text->setText(question);
    auto *ok = new QPushButton(tr("&Ok"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &BonusQuestionDialog::acceptEntries);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(row);
}

QString BonusQuestionDialog::question() const
{
    return m_text->text().left(MaxStored);
}

// The box refuses what a puzzle cannot store as it is typed, so the text is always storable here.
void BonusQuestionDialog::acceptEntries()
{
    accept();
}

} // namespace qx
