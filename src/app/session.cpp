#include "app/session.h"

#include "common/colors.h"

namespace qx {

PageLayout Session::layoutForNewPuzzle() const
{
    return qx::layoutForNewPuzzle(layoutLibrary().path(), settings.pageLayout.defaultPage);
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
