#pragma once
// The menu of one object on the page designer's page: it opens on a right-click on the object or
// from the designer's Objects menu, and each command either changes the object at once or opens a
// small modal dialog on a copy of it. The designer redraws according to what was done.

#include "layout/object_edits.h"
#include "layout/page_layout.h"

#include <QPoint>

class QWidget;

namespace qx {

class UiHost;
struct DialogLook;

enum class ObjectMenuResult {
    Nothing,      // closed without a command, or a dialog was cancelled or refused
    Changed,      // fields of the target object changed: redraw
    BitmapLoaded, // BitmapFile of the target changed: reload its picture, redraw
    Deleted,      // the target was removed and the slots after it moved down
    Reordered,    // the target moved to the first or the last slot
};

struct ObjectMenuContext {
    UiHost &host;
    const DialogLook &look;
    QWidget *parent;
    PageLayout &layout;
    int unitsPerPageUnit; // the designer's layout units per inch or centimetre at its zoom
};

// Shows the menu of slot target (1-based) at globalPos and carries out the chosen command.
ObjectMenuResult runObjectMenu(ObjectMenuContext &context, int target, QPoint globalPos);

// Carries out one command of the menu on slot target as if it had been picked; a command the
// object's kind is not offered does nothing.
ObjectMenuResult runObjectCommand(ObjectMenuContext &context, int target, ObjectCommand command);

} // namespace qx
