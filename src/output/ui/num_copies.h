#pragma once
// "Multi-Copies": how many copies of the page to print.

#include "common/ui/dialog_conventions.h"

class QLineEdit;

namespace qx {

class UiHost;

class TNumCopies : public ConventionalDialog {
    Q_OBJECT

public:
    TNumCopies(const DialogLook &look, UiHost &host, QWidget *parent = nullptr);

    // The accepted number; 0 until OK accepted one.
    int copies() const { return m_copies; }
    QLineEdit *copiesEdit() const { return m_edit; }

    void OkButtonClick();

private:
    UiHost &m_host;
    QLineEdit *m_edit = nullptr;
    int m_copies = 0;
};

} // namespace qx
