#pragma once
// What every window does when it is shown: scale itself by the screen factor, centre itself on
// the screen, and dress its controls in the user's three fonts by kind of control.

#include "common/dialog_look.h"

#include <QDialog>

namespace qx {

// Scales the font sizes of the window and its controls, applies the user fonts by control kind
// (labels, check boxes and radio buttons: label font with its colour; lists and group boxes: label
// font; edit boxes, grids and combo boxes: edit font with its colour; masked edits: edit font;
// buttons: button font) and never takes a size from a user font. A widget with the property
// "qxKeepFont" set (a caption panel) keeps its font apart from the size.
void applyUserFonts(QWidget &window, const DialogLook &look);

// Resizes the window to its design size at the factor and centres it on the screen, then keeps it
// on the screen (fitOnScreen).
void scaleAndCentre(QWidget &window, QSize designSize, const DialogLook &look);

// The part of the screen a window may take: the available area of the screen it is on.
QRect availableArea(const QWidget &window);

// Keeps a top-level window wholly on the screen it is on, frame included. A window whose layout
// needs more room than the screen has shows its contents in a scroll area; one larger than the
// screen is made smaller, and one partly off the screen is moved onto it. Every window calls this
// once it has its size and place (a remembered one too).
void fitOnScreen(QWidget &window);

// A modal dialog that follows the conventions when it is first shown.
class ConventionalDialog : public QDialog {
    Q_OBJECT

public:
    ConventionalDialog(const DialogLook &look, QSize designSize, QWidget *parent = nullptr);

    const DialogLook &look() const { return m_look; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    DialogLook m_look;
    QSize m_designSize;
    bool m_conventionsApplied = false;
};

} // namespace qx
