#pragma once
// One of an object's two fonts (the text font, or the grid's clue-number font) edited through the
// host's font chooser: name, size, colour and the four styles.

#include "layout/page_layout.h"

class QWidget;

namespace qx {

class UiHost;

enum class ObjectFont { Text, Numbers };

// Opens the chooser on the font; its OK stores the choice (the name in Windows-1252, characters it
// cannot hold dropped, cut to 30) and returns true. Cancel changes nothing.
bool chooseObjectFont(UiHost &host, QWidget *parent, LayoutObject &object, ObjectFont which);

} // namespace qx
