#include "app/session.h"

#include "layout/layout_defaults.h"

#include "common/colors.h"

namespace qx {

PageLayout Session::layoutForNewPuzzle() const
{
    // A library that cannot be read gives the built-in layout; its own windows report the failure.
    const auto layout = qx::layoutForNewPuzzle(layoutLibrary().path(), settings.pageLayout.defaultPage);
    return layout ? *layout : builtInDefaultLayout();
}

namespace {

UserFontChoice choiceOf(const UserFont &font)
{
    return UserFontChoice{font.name, font.bold, font.italic, fromColorValue(static_cast<uint32_t>(font.color))};
}

} // namespace

DialogLook Session::look() const
{
    return DialogLook{screenFactor, screen, choiceOf(settings.labelFont), choiceOf(settings.editFont),
                      choiceOf(settings.buttonFont)};
}

} // namespace qx
