#include "report/ui/clue_headers_dialog.h"

#include "common/cp1252.h"
#include "common/ui/ui_host.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

ClueHeadersDialog::ClueHeadersDialog(const DialogLook &look, UiHost &host, Mode mode, const QString &across,
                                     const QString &down, QWidget *parent)
    : ConventionalDialog(look, QSize(300, 130), parent), m_host(host)
{
    setWindowTitle(mode == Mode::Default ? tr("Default Clue Headers") : tr("Clue Headers"));
    m_across = new QLineEdit(across.left(MaxHeaderLength), this);
    m_down = new QLineEdit(down.left(MaxHeaderLength), this);
    m_across->setMaxLength(MaxHeaderLength);
    m_down->setMaxLength(MaxHeaderLength);

    auto *form = new QFormLayout;
    form->addRow(tr("Across Header"), m_across);
    form->addRow(tr("Down Header"), m_down);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClueHeadersDialog::onOkButtonClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString ClueHeadersDialog::across() const
{
    return m_across->text().left(MaxHeaderLength);
}

QString ClueHeadersDialog::down() const
{
    return m_down->text().left(MaxHeaderLength);
}

void ClueHeadersDialog::onOkButtonClicked()
{
    // Headings are printed from the record's code page; a character it cannot hold is refused
    // rather than printed as something else.
    for (QLineEdit *edit : {m_across, m_down}) {
        const QString bad = cp1252::firstUnencodable(edit->text());
        if (!bad.isEmpty()) {
            m_host.message(this, tr("Error"), tr("The character \"%1\" cannot be used in a heading.").arg(bad),
                           Buttons::Ok);
            edit->setFocus();
            return;
        }
    }
    accept();
}

} // namespace qx
