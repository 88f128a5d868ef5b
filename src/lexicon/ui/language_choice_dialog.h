#pragma once
// The choice of a language or thesaurus at the moment it is used: "Spell Check" offers the eight
// spelling languages, "Thesaurus" the thesauri (with a note that Dutch has none). Those without data are disabled; a
// click stores the choice at once as the "User Dictionary" or "User Thesaurus" setting.

#include "common/ui/dialog_conventions.h"

#include <vector>

class QRadioButton;

namespace qx {

class LanguageChoiceDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // captions[i] is choice codes[i] (i + 1 when codes is empty); available[i] whether it can be
    // chosen. userChoice is checked when shown and set on each click. A note, when given, is shown
    // under the choices.
    LanguageChoiceDialog(const DialogLook &look, const QString &caption, const QStringList &captions,
                         const std::vector<bool> &available, int &userChoice, QWidget *parent = nullptr,
                         std::vector<int> codes = {}, const QString &note = {});

    QRadioButton *choiceButton(int code) const;
    // The choice the OK button confirms; 0 when none is checked.
    int chosen() const;

private:
    std::vector<QRadioButton *> m_buttons;
    std::vector<int> m_codes;
};

} // namespace qx
