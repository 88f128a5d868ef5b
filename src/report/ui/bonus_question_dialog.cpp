#include "report/ui/bonus_question_dialog.h"

#include "common/cp1252.h"
#include "common/ui/ui_host.h"

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
    m_text = new QLineEdit(question, this);
    // A stored question may be longer than a typed one; it is shown whole, and typing only shortens it.
    m_text->setMaxLength(std::max<int>(MaxTyped, static_cast<int>(question.size())));
    auto *ok = new QPushButton(tr("&Ok"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &BonusQuestionDialog::onOkButtonClicked);
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

void BonusQuestionDialog::onOkButtonClicked()
{
    const QString bad = cp1252::firstUnencodable(m_text->text());
    if (!bad.isEmpty()) {
        m_host.message(this, tr("Error"), tr("The character \"%1\" cannot be used in the bonus question.").arg(bad),
                       Buttons::Ok);
        return;
    }
    accept();
}

} // namespace qx
