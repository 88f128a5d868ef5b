#pragma once
// "Bonus Question": the bonus question printed with this one printing of the puzzle.

#include "common/ui/dialog_conventions.h"

class QLineEdit;

namespace qx {

class UiHost;

class BonusQuestionDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 120;
    static constexpr int MaxStored = 150;

    BonusQuestionDialog(const DialogLook &look, UiHost &host, const QString &question, QWidget *parent = nullptr);

    QString question() const;
    QLineEdit *bonusText() const { return m_text; }

    void acceptEntries();

private:
    UiHost &m_host;
    QLineEdit *m_text = nullptr;
};

} // namespace qx
