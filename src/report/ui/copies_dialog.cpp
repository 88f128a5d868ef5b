#include "report/ui/copies_dialog.h"

#include "common/ui/ui_host.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

CopiesDialog::CopiesDialog(const DialogLook &look, UiHost &host, QWidget *parent)
    : ConventionalDialog(look, QSize(220, 100), parent), m_host(host)
{
    setWindowTitle(tr("Multi-Copies"));
    m_edit = new QLineEdit(QStringLiteral("1"), this);
    auto *ok = new QPushButton(tr("&Ok"), this);
    auto *cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CopiesDialog::acceptEntries);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *form = new QFormLayout;
    form->addRow(tr("Copies To Print"), m_edit);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(row);
}

void CopiesDialog::acceptEntries()
{
    bool ok = false;
    const int n = m_edit->text().trimmed().toInt(&ok);
    if (!ok || n < 1) {
        m_host.message(this, tr("Error"), tr("Invalid number of copies entered."), Buttons::Ok);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_copies = n;
    accept();
}

} // namespace qx
