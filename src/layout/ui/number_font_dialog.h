#pragma once
// "Numbers In Puzzle": how the clue numbers in the grid's squares are written, on one line or with
// their digits stacked, and in which font. Works on a copy of the grid object; the caller copies it
// back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

class QPushButton;
class QRadioButton;

namespace qx {

class UiHost;

class NumberFontDialog : public ConventionalDialog {
    Q_OBJECT

public:
    NumberFontDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QRadioButton *horizontal() const { return m_horizontal; }
    QRadioButton *vertical() const { return m_vertical; }
    QPushButton *changeFontButton() const { return m_changeFont; }

    void chooseNumberFont();
    void acceptEntries();

private:
    UiHost &m_host;
    LayoutObject m_object;
    QRadioButton *m_horizontal = nullptr;
    QRadioButton *m_vertical = nullptr;
    QPushButton *m_changeFont = nullptr;
};

} // namespace qx
