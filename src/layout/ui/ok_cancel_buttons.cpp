#include "layout/ui/ok_cancel_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>

namespace qx {

QDialogButtonBox *okCancelButtons(QDialog *dialog, const std::function<void()> &onOk)
{
    auto *buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QDialog::tr("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialog::tr("&Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, onOk);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace qx
