#pragma once
// "Properties for <label>" of the puzzle grid: skeleton, the colours of the filled squares, the
// letter squares and the lines, and the line width. Works on a copy of the object; the caller
// copies it back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

class QCheckBox;
class QLineEdit;

namespace qx {

class ColorSwatch;
class UiHost;

class GridPropertiesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 1;

    GridPropertiesDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QCheckBox *skeleton() const { return m_skeleton; }
    ColorSwatch *fillColor() const { return m_fill; }
    ColorSwatch *blockColor() const { return m_block; }
    ColorSwatch *lineColor() const { return m_line; }
    QLineEdit *lineWidthBox() const { return m_lineWidth; }

    void acceptEntries();

private:
    UiHost &m_host;
    LayoutObject m_object;
    QCheckBox *m_skeleton = nullptr;
    ColorSwatch *m_fill = nullptr;
    ColorSwatch *m_block = nullptr;
    ColorSwatch *m_line = nullptr;
    QLineEdit *m_lineWidth = nullptr;
};

} // namespace qx
