#pragma once
// The "&Ok" and "&Cancel" row every object dialog ends with: Cancel rejects the dialog, Ok runs
// the dialog's own check, which accepts it when the values are sound.

#include <QDialogButtonBox>

#include <functional>

class QDialog;

namespace qx {

QDialogButtonBox *okCancelButtons(QDialog *dialog, const std::function<void()> &onOk);

} // namespace qx
