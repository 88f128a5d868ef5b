#include "layout/ui/object_font.h"

#include "common/colors.h"
#include "common/cp1252.h"
#include "common/storable_text.h"
#include "common/ui/ui_host.h"

#include <algorithm>
#include <limits>

namespace qx {

bool chooseObjectFont(UiHost &host, QWidget *parent, LayoutObject &object, ObjectFont which)
{
    const bool numbers = which == ObjectFont::Numbers;
    auto &name = numbers ? object.NumberFontName : object.FontName;
    int16_t &size = numbers ? object.NumberFontSize : object.FontSize;
    ColorValue &color = numbers ? object.NumberFontColor : object.FontColor;
    uint8_t &bold = numbers ? object.NumberStyle[0] : object.Bold;
    uint8_t &italic = numbers ? object.NumberStyle[1] : object.Italic;
    uint8_t &underline = numbers ? object.NumberStyle[2] : object.Underline;
    uint8_t &strikeOut = numbers ? object.NumberStyle[3] : object.StrikeOut;

    FontChoice initial;
    initial.font = QFont(cp1252::toUnicode(name.str()));
    if (size > 0)
        initial.font.setPointSize(size);
    initial.font.setBold(bold != 0);
    initial.font.setItalic(italic != 0);
    initial.font.setUnderline(underline != 0);
    initial.font.setStrikeOut(strikeOut != 0);
    initial.color = fromColorValue(color);
    const auto chosen = host.chooseFont(parent, initial);
    if (!chosen)
        return false;
    name.set(storableBytes(chosen->font.family()));
    if (chosen->font.pointSize() > 0)
        size = static_cast<int16_t>(std::min<int>(chosen->font.pointSize(), std::numeric_limits<int16_t>::max()));
    color = toColorValue(chosen->color);
    bold = chosen->font.bold() ? 1 : 0;
    italic = chosen->font.italic() ? 1 : 0;
    underline = chosen->font.underline() ? 1 : 0;
    strikeOut = chosen->font.strikeOut() ? 1 : 0;
    return true;
}

} // namespace qx
