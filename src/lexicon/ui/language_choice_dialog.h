#pragma once
// The choice of a language or thesaurus at the moment it is used: "Spell Check" offers the eight
// spelling languages, "Thesaurus" the two thesauri. Those without data are disabled; a click
// stores the choice at once as the "User Dictionary" or "User Thesaurus" setting.

#include "common/ui/dialog_conventions.h"

#include <vector>

class QRadioButton;

namespace qx {

class LanguageChoiceDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // captions[i] is choice i + 1; available[i] whether it can be chosen. userChoice is checked
    // when shown and set on each click.
    LanguageChoiceDialog(const DialogLook &look, const QString &caption, const QStringList &captions,
                         const std::vector<bool> &available, int &userChoice, QWidget *parent = nullptr);

    QRadioButton *choiceButton(int code) const { return m_buttons.at(size_t(code - 1)); }
    // The choice the OK button confirms; 0 when none is checked.
    int chosen() const;

private:
    std::vector<QRadioButton *> m_buttons;
};

} // namespace qx
