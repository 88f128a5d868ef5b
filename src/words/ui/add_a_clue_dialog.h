#pragma once
// "Add A Clue": the clue of a word found by manual placement, and the letter case the word is
// stored in. The dialog offers no way to skip the word: Escape and closing keep the clue as typed.

#include "common/ui/dialog_conventions.h"
#include "words/manual_placement.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace qx {

class UiHost;

class AddAClueDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // wordCase is the "Case Sensitivity" setting (1..3); a choice changes it at once.
    AddAClueDialog(const DialogLook &look, UiHost &host, const QString &word, int &wordCase, QWidget *parent = nullptr);

    // The clue as typed and the case chosen.
    QString clue() const;
    WordCase chosenCase() const;

    QLabel *wordLabel() const { return m_word; }
    QLineEdit *theClue() const { return m_clue; }
    QRadioButton *caseButton(WordCase wordCase) const;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int &m_setting;
    QLabel *m_word = nullptr;
    QLineEdit *m_clue = nullptr;
    std::array<QRadioButton *, 3> m_cases{};
};

} // namespace qx
