#pragma once

class QWidget;

namespace qx {

struct Session;
class UiHost;

// Offers to convert the previous version's puzzle file (program directory) into a new collection
// and to add its shape file (start-up directory) to the shape library. Asked at every start while
// the old files are there; answering No leaves them for next time.
void convertPreviousVersionFiles(QWidget *parent, UiHost &host, const Session &session);

} // namespace qx
