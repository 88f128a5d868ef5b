#pragma once
// "Word Separator Characters": which characters inside words the printed grid shows as themselves
// instead of an empty square: dash, slash, plus, star and one of the user's choosing. Each box takes
// effect as it is clicked; "&Ok" only closes. The controls are filled from the settings when the
// window opens without running their change handlers, so opening never changes a setting nor
// refuses a stored letter.

#include "common/ui/dialog_conventions.h"

class QCheckBox;
class QLineEdit;

namespace qx {

struct Settings;
class UiHost;

class WordSeparatorsDialog : public ConventionalDialog {
    Q_OBJECT

public:
    WordSeparatorsDialog(const DialogLook &look, Settings &settings, UiHost &host, QWidget *parent = nullptr);

    QCheckBox *dash() const { return m_dash; }
    QCheckBox *slash() const { return m_slash; }
    QCheckBox *plus() const { return m_plus; }
    QCheckBox *star() const { return m_star; }
    QCheckBox *other() const { return m_other; }
    QLineEdit *otherChar() const { return m_char; }

    void onWordSepCharChanged(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillControls();

    Settings &m_settings;
    UiHost &m_host;
    bool m_shown = false;
    QCheckBox *m_dash = nullptr;
    QCheckBox *m_slash = nullptr;
    QCheckBox *m_plus = nullptr;
    QCheckBox *m_star = nullptr;
    QCheckBox *m_other = nullptr;
    QLineEdit *m_char = nullptr;
};

} // namespace qx
