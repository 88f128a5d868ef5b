#pragma once
// "Size & Location of <label>": the object's left, top, width and height in inches or centimetres.
// It works on a copy of the object; the caller copies it back when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/object_edits.h"
#include "layout/page_layout.h"

#include <array>

class QLineEdit;

namespace qx {

class UiHost;

class SizePositionDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 6;

    // u is the designer's layout units per inch or centimetre; the page size is in layout units.
    SizePositionDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, int unitsPerPageUnit,
                       bool inches, int layoutWidth, int layoutHeight, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QLineEdit *box(SizeBox which) const { return m_boxes[static_cast<size_t>(which)]; }

    void acceptEntries();

private:
    UiHost &m_host;
    LayoutObject m_object;
    int m_units;
    int m_layoutWidth;
    int m_layoutHeight;
    std::array<QLineEdit *, 4> m_boxes{};
};

} // namespace qx
