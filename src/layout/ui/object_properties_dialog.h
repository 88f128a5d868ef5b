#pragma once
// "Properties for <label>" of every object but the grid: transparent background, make it fit, and
// for the clue lists, the word list and combined clues the number of columns (combined clues may
// split them between across and down). Works on a copy of the object; the caller copies it back
// when the dialog is accepted.

#include "common/ui/dialog_conventions.h"
#include "layout/page_layout.h"

class QCheckBox;
class QLineEdit;

namespace qx {

class UiHost;

class ObjectPropertiesDialog : public ConventionalDialog {
    Q_OBJECT

public:
    static constexpr int MaxTyped = 1;

    ObjectPropertiesDialog(const DialogLook &look, UiHost &host, const LayoutObject &object, QWidget *parent = nullptr);

    const LayoutObject &object() const { return m_object; }
    QCheckBox *transparent() const { return m_transparent; }
    QCheckBox *makeItFit() const { return m_makeItFit; }
    QLineEdit *columnsBox() const { return m_columns; } // null for kinds without columns
    QCheckBox *splitColumns() const { return m_split; } // null but for combined clues

    void setSplitColumns();
    void acceptEntries();

private:
    UiHost &m_host;
    LayoutObject m_object;
    QCheckBox *m_transparent = nullptr;
    QCheckBox *m_makeItFit = nullptr;
    QLineEdit *m_columns = nullptr;
    QCheckBox *m_split = nullptr;
};

} // namespace qx
