#include "report/ui/clue_headers_dialog.h"

#include "common/ui/storable_text_validator.h"

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
    m_across = new QLineEdit(this);
    m_down = new QLineEdit(this);
    for (const auto &[edit, text] : {std::pair{m_across, across}, std::pair{m_down, down}}) {
        edit->setMaxLength(MaxHeaderLength);
        keepStorable(edit, m_host, StoredTextKind::Heading);
        edit->setText(text);
    }

    auto *form = new QFormLayout;
    form->addRow(tr("Across Header"), m_across);
    form->addRow(tr("Down Header"), m_down);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClueHeadersDialog::acceptEntries);
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

// The boxes refuse what a heading cannot hold as it is typed, so the texts are always printable here.
void ClueHeadersDialog::acceptEntries()
{
    accept();
}

} // namespace qx
