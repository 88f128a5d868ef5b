#pragma once
// "Border Info for <label>": whether the object has a border, its width and its colour. Works on
// a copy of the object; the caller copies it back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

class QCheckBox;
class QLineEdit;

namespace qx {

class ColorSwatch;
class UiHost;

class BorderDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 1;

    BorderDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QCheckBox *useBorder() const { return m_useBorder; }
    QLineEdit *widthBox() const { return m_width; }
    ColorSwatch *color() const { return m_color; }

    void onUseBorderToggled();
    void acceptEntries();

private:
    UiHost &m_host;
    LayoutObject m_object;
    QCheckBox *m_useBorder = nullptr;
    QLineEdit *m_width = nullptr;
    ColorSwatch *m_color = nullptr;
};

} // namespace qx
