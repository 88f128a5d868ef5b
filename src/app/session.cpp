#include "app/session.h"

#include "layout/layout_defaults.h"

namespace qx {

PageLayout Session::layoutForNewPuzzle() const
{
    // A library that cannot be read gives the built-in layout; its own windows report the failure.
    const auto layout = qx::layoutForNewPuzzle(layoutLibrary().path(), settings.pageLayout.defaultPage);
    return layout ? *layout : builtInDefaultLayout();
}

DialogLook Session::look() const
{
    return DialogLook{screenFactor, screen, settings.labelFont, settings.editFont, settings.buttonFont};
}

} // namespace qx
