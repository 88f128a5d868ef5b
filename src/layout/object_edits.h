#pragma once
// What the object menu does to a layout and to one object, apart from any window: removing and
// reordering slots, and reading the sizes typed into the size and position dialog.

#include "layout/page_layout.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// The commands of an object's menu, in the menu's order.
enum class ObjectCommand {
    SizePosition,
    Properties,
    Border,
    Fill,
    ChangeText,
    AlignLeft,
    AlignCenter,
    AlignRight,
    TextFont, // "Answer Key Font" for the grid
    NumberFont,
    LoadBitmap,
    Delete,
    BringToFront,
    SendToBack,
};

// Whether the menu of an object of that kind offers the command; the others are shown disabled.
// Size and position, delete and the two reorderings are offered for every kind, even one a damaged
// record does not know, so that such an object can still be moved away or removed.
bool commandOffered(int16_t kind, ObjectCommand command);

// Removes slot t (1-based): the slots after it move down by one and ObjectCount drops by one.
// False, and nothing changes, when t is not a slot in use.
bool deleteObject(PageLayout &layout, int t);

// Moves slot t to the last slot in use, the slots after it moving down: drawn last, on top.
// False when t is not a slot in use; on the last slot nothing moves.
bool bringToFront(PageLayout &layout, int t);

// Moves slot t to slot 1, the slots before it moving up: drawn first, under all the others.
bool sendToBack(PageLayout &layout, int t);

// A layout-unit measure in page units (inches or centimetres) with three decimals, as the size and
// position boxes show it. unitsPerPageUnit is the designer's units per inch or centimetre.
QString pageUnitText(int64_t units, int unitsPerPageUnit);

// The four boxes of the size and position dialog, in the order they are checked.
enum class SizeBox { Left, Top, Width, Height };

struct SizePositionEntry {
    std::array<QString, 4> texts; // left, top, width, height as typed
};

struct SizePositionReading {
    std::optional<SizeBox> invalid;  // the first box that does not hold an acceptable value
    std::array<int32_t, 4> bounds{}; // left, top, right, bottom when all are valid
    bool offPage = false;            // left or top at or beyond the page's far edge
};

// Reads the boxes as the dialog's OK does: each trimmed box must be a plain decimal number (digits
// with an optional sign and point: no exponent, no "inf" or "nan"); left and top at least 0, width
// and height above 0. A value is converted to layout units rounding half to even; one whose units,
// or the right or bottom edge made from it, do not fit in 32 bits is refused like a bad number.
SizePositionReading readSizePosition(const SizePositionEntry &entry, int unitsPerPageUnit, int layoutWidth,
                                     int layoutHeight);

// The text the columns box takes when "Split Columns" is checked: its leading whole number rounded
// down to an even number, or "2" when that is 0 or the box starts with no digit (1 gives "0").
QString splitColumnsText(QStringView columnsBox);

// An object's text is stored with CR LF line breaks and at most 999 characters are stored from the
// text box, which takes up to 1,000 (a line break counting as the two characters it is stored as).
inline constexpr int MaxTypedObjectText = 1000;
inline constexpr int MaxStoredObjectText = 999;

// The stored text as the box shows it: one line per line, whatever the breaks (CR LF, CR or LF).
QString objectTextLines(std::string_view stored);
// The box's length as stored: each line break counts twice.
qsizetype storedObjectTextLength(QStringView lines);
// The box's text as stored: CR LF line breaks, Windows-1252 (characters it cannot hold dropped),
// cut to 999 characters and never between the CR and LF of a break.
std::string storedObjectText(const QString &lines);

// The trimmed text as a whole number from 1 to max, or nothing: a width or column count on OK.
std::optional<int> positiveWholeNumber(QStringView text, int max);

} // namespace qx
