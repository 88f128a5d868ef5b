#pragma once
// The about box, and access to the program's own pictures (toolbar glyphs, background tile, the
// program's icon and the tip picture), which live in the ":/icons" resource.

#include "common/ui/dialog_conventions.h"

#include <QIcon>
#include <QPixmap>

namespace qx {

// ":/icons/<name>.xpm". The resource is compiled into a static library, so it is registered here
// before the first use; a null pixmap means the name is unknown.
QPixmap programPicture(const QString &name);
QIcon programIcon();
// Every picture name the resource holds, for a check that each of them loads.
QStringList programPictureNames();

class AboutBox : public ConventionalDialog {
    Q_OBJECT

public:
    AboutBox(const DialogLook &look, QWidget *parent = nullptr);
};

} // namespace qx
