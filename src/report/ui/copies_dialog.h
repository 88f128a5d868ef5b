#pragma once
// "Multi-Copies": how many copies of the page to print.

#include "common/ui/dialog_conventions.h"

class QLineEdit;

namespace qx {

class UiHost;

class CopiesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    CopiesDialog(const DialogLook &look, UiHost &host, QWidget *parent = nullptr);

    // The accepted number; 0 until OK accepted one.
    int copies() const { return m_copies; }
    QLineEdit *copiesEdit() const { return m_edit; }

    void acceptEntries();

private:
    UiHost &m_host;
    QLineEdit *m_edit = nullptr;
    int m_copies = 0;
};

} // namespace qx
