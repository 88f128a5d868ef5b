#pragma once
// The tip of the day: shown at start-up while "Show Tips" is on, and from Help|Review Tips.

#include "common/ui/dialog_conventions.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRandomGenerator;

namespace qx {

class UiHost;

inline constexpr int TipCount = 30;

// Tip n (1..TipCount) as the table keeps it: "&&" stands for one "&". Empty outside the range.
QString tipText(int n);
// The text a tip shows, with "&&" turned into "&".
QString shownTipText(int n);
// A tip number from 1..TipCount. The application passes its clock-seeded generator; tests a fixed one.
int randomTipNumber(QRandomGenerator &random);
int randomTipNumber();

class TipOfTheDayDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // firstTip is the tip shown on opening (1..TipCount); showTips checks "&Show Tips at Startup".
    TipOfTheDayDialog(const DialogLook &look, bool showTips, int firstTip, QWidget *parent = nullptr);

    int currentTip() const { return m_tip; }
    // The state of "&Show Tips at Startup", however the window was closed.
    bool showTips() const;
    QString shownText() const;

    QCheckBox *showTipsBox() const { return m_showTipsBox; }
    QPushButton *nextTipButton() const { return m_nextTip; }
    QPushButton *closeButton() const { return m_close; }

    void showNextTip();

private:
    void showTip(int n);

    int m_tip = 1;
    QLabel *m_tipLabel = nullptr;
    QCheckBox *m_showTipsBox = nullptr;
    QPushButton *m_nextTip = nullptr;
    QPushButton *m_close = nullptr;
};

// Runs the tip of the day at a random tip and stores the check box into showTips afterwards.
void runTipOfTheDay(UiHost &host, const DialogLook &look, bool &showTips, QWidget *parent, QRandomGenerator &random);

} // namespace qx
