#pragma once
// "Clue Headers": the across and down heading texts. In its default mode (from the main window) it
// edits the headings new heading objects receive; in print mode (from the print options) only the
// headings of the printing at hand. Either way the caller stores what it returns.

#include "common/ui/dialog_conventions.h"

class QLineEdit;

namespace qx {

class UiHost;

class ClueHeadersDialog : public ConventionalDialog {
    Q_OBJECT

public:
    enum class Mode { Default, Print };
    static constexpr int MaxHeaderLength = 25;

    ClueHeadersDialog(const DialogLook &look, UiHost &host, Mode mode, const QString &across, const QString &down,
                      QWidget *parent = nullptr);

    QString across() const;
    QString down() const;
    QLineEdit *acrossEdit() const { return m_across; }
    QLineEdit *downEdit() const { return m_down; }

    void acceptEntries();

private:
    UiHost &m_host;
    QLineEdit *m_across = nullptr;
    QLineEdit *m_down = nullptr;
};

} // namespace qx
