#include "app/session.h"

namespace qx {

PageLayout Session::layoutForNewPuzzle() const
{
    return qx::layoutForNewPuzzle(layoutLibrary().path(), settings.pageLayout.defaultPage);
}

} // namespace qx
