#pragma once
// "Fill Info for <label>": whether a rectangle or circle is filled, and with which colour. Works on
// a copy of the object; the caller copies it back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

class QCheckBox;

namespace qx {

class ColorSwatch;
class UiHost;

class FillDialog : public ConventionalDialog {
    Q_OBJECT

public:
    FillDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QCheckBox *fillInShape() const { return m_filled; }
    ColorSwatch *color() const { return m_color; }

    void acceptEntries();

private:
    LayoutObject m_object;
    QCheckBox *m_filled = nullptr;
    ColorSwatch *m_color = nullptr;
};

} // namespace qx
