#pragma once
// "Shapes": the user looks after the shape library here, through the shape list with its picture
// and buttons, and leaves with Exit. Whatever shape was chosen last stays the current shape.

#include "common/ui/dialog_conventions.h"
#include "shapes/ui/shape_list_panel.h"

class QPushButton;

namespace qx {

class UiHost;

class ShapeLibraryDialog : public ConventionalDialog {
    Q_OBJECT

public:
    // Opened by the main window and run through UiHost::runModal.
    ShapeLibraryDialog(ShapeListContext context, UiHost &host, QWidget *parent = nullptr);

    ShapeListPanel *panel() const { return m_panel; }
    QPushButton *exitButton() const { return m_exitButton; }

    void closeLibrary();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ShapeListPanel *m_panel = nullptr;
    QPushButton *m_exitButton = nullptr;
    bool m_shown = false;
};

} // namespace qx
