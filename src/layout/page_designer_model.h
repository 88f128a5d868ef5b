#pragma once
// What the page designer knows apart from its widgets: the working layout at the designer's zoom,
// which tool is armed, which object is selected, and what a press, move and release of the mouse
// on the page do. Points and bounds are layout units, which are the page picture's pixels.
//
// Bounds come from files and may be damaged (±2 billion): every sum and midpoint is taken in 64
// bits and saturated back to 32, so nothing here overflows.

#include "layout/layout_defaults.h"
#include "layout/page_layout.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qx {

using ObjectBounds = std::array<int32_t, 4>; // left, top, right, bottom

// The highest slot (1-based) whose bounds hold the point, edges included; 0 when none.
int objectAt(const PageLayout &layout, QPoint point);
// The same test for a click: the press point against left and top, the release point against
// right and bottom.
int objectClicked(const PageLayout &layout, QPoint press, QPoint release);

// The sizing handles of an object: 1 top-left, 2 top-middle, 3 top-right, 4 left-middle,
// 5 right-middle, 6 bottom-left, 7 bottom-middle, 8 bottom-right.
inline constexpr int HandleCount = 8;

// The handle whose zone holds the point, 0 when none. Zones overlap on small objects, so they are
// tried corners first: 1, 3, 6, 8, then 2, 7, 4, 5.
int handleAt(const ObjectBounds &bounds, QPoint point);

// The 5 by 5 selection marks of handles 1..8 (index h - 1), centred on the corners and midpoints.
std::array<QRect, HandleCount> handleMarks(const ObjectBounds &bounds);

// The bounds moved by the offset.
ObjectBounds movedBounds(const ObjectBounds &bounds, QPoint offset);
// The same for a drag in the designer: never wholly off a page of this size. At least
// KeptOnPage units of the object (all of it, when it is smaller) stay on the page, so that it can
// still be seen and grabbed; an object dragged wholly off could never be clicked again.
constexpr int KeptOnPage = 8;
ObjectBounds movedOntoPage(const ObjectBounds &bounds, QPoint offset, QSize page);
// The bounds with the edges of handle h moved by the offset (a corner moves two edges, a middle
// one), as they look while the mouse is held: an edge dragged past its opposite stays there.
ObjectBounds draggedEdges(const ObjectBounds &bounds, int handle, QPoint offset);
// The bounds after the resize: the dragged edges, then left/right and top/bottom back in order.
ObjectBounds resizedBounds(const ObjectBounds &bounds, int handle, QPoint offset);

// The tool panels a user may press: index kind - 1 is true when one more object of that kind may
// be placed. None with 20 objects; a kind allowed once not while it is there; combined clues not
// with either heading or clue list, and those four not with combined clues.
std::array<bool, 13> enabledTools(const PageLayout &layout);

// One tick of a ruler: a line from depth to the strip's page edge, at position along the strip
// (layout units from the page's edge), with the number of the whole unit it marks (0 for none).
struct RulerTick {
    int position = 0;
    int depth = 0;
    int label = 0;

    friend bool operator==(const RulerTick &, const RulerTick &) = default;
};
inline constexpr int RulerThickness = 29;

// The ticks of a ruler as long as the page side, in units of u per inch or centimetre.
std::vector<RulerTick> rulerTicks(int length, int u, bool inches);

// The leading decimal number of a typed size: blanks trimmed, then an optional sign, digits and
// one decimal point; reading stops at the first character that cannot continue it; no number is 0.
double leadingDecimal(std::string_view text);

// The custom paper limits, bounds included: width 3..12 inches or 7..31 centimetres, height 4..18
// inches or 10..46 centimetres.
struct ExtentRange {
    int low = 0;
    int high = 0;
    bool holds(double v) const { return v >= low && v <= high; }
};
ExtentRange customWidthRange(bool inches);
ExtentRange customHeightRange(bool inches);

// Chooses a paper from the list: a standard one sets the page size and unit from its portrait
// size, exchanged in landscape; "Custom" keeps the page as it is. Object bounds never change.
// True when the paper is one that printers may not support (A5, B5, Executive, Custom).
bool choosePaper(PageLayout &layout, std::string_view paperName);
// "Letter" .. "Custom": the paper list, in the order shown.
const std::vector<std::string_view> &paperNames();
// The list entry a layout shows: its paper name, or "Custom" for a name that is none of them.
int paperIndex(const PageLayout &layout);

// Portrait or landscape: the other orientation exchanges width and height. False when unchanged.
bool chooseOrientation(PageLayout &layout, bool portrait);

enum class PageCursor { Default, Drag, Hand, Sizing };

enum class MouseButton { Left, Right };

// What a release asks the window to do (beyond redrawing).
struct ReleaseOutcome {
    enum Kind {
        Nothing,
        Placed,      // a new object was added in the last slot
        Moved,       // the selected object moved or was resized
        Selected,    // the selection changed (possibly to none)
        MenuRequest, // the object menu of target should open
    } kind = Nothing;
    int target = 0;
};

// The designer's page: the working layout and the state of the mouse on it.
class PageDesignerModel {
public:
    PageDesignerModel(PageLayout layout, int zoom);

    PageLayout &layout() { return m_layout; }
    const PageLayout &layout() const { return m_layout; }
    int zoom() const { return m_zoom; }
    // Layout units per inch or centimetre at the zoom.
    int unitsPerPageUnit() const;
    // Rescales every bound by the designer's factor table; nothing when the zoom is unchanged.
    bool setZoom(int zoom);
    // LayoutWidth and LayoutHeight at the designer's zoom.
    void updatePageSize();

    int selected() const { return m_selected; }
    void selectNothing() { m_selected = 0; }
    int armedTool() const { return m_armed; }
    PageCursor cursor() const { return m_cursor; }
    int handle() const { return m_handle; }

    // A tool panel was clicked: an armed one is disarmed, any other armed instead.
    void clickTool(ObjectKind kind);
    void disarm();

    void press(MouseButton button, QPoint point);
    // The pointer moved with the left button up: sets the cursor (and handle) for what lies under it.
    void hover(QPoint point);
    // The pointer moved with the left button held: the outline to show, if a drag is under way.
    std::optional<QRect> dragOutline(QPoint point) const;
    // A button came up. headings are the texts new heading objects receive.
    ReleaseOutcome release(MouseButton button, QPoint point, const HeadingTexts &headings);

private:
    QSize pageSize() const { return {m_layout.LayoutWidth, m_layout.LayoutHeight}; }

    PageLayout m_layout;
    int m_zoom;
    int m_selected = 0;
    int m_armed = 0;
    PageCursor m_cursor = PageCursor::Default;
    int m_handle = 0;
    QPoint m_press;
    bool m_leftDown = false;
    bool m_rightDown = false;
};

// The layout a designer opens on: the new-layout values, or a stored layout (Modify, and Copy,
// whose opener has already given it the name of a copy) with bounds stored at another zoom
// rescaled to the designer's zoom.
enum class StartMode { New, Stored };
PageLayout startingLayout(StartMode mode, const PageLayout &from, int zoom);

// A rectangle that holds bounds as the painter takes them: damaged bounds are held within margin
// of the picture so that no width overflows and no huge shape is drawn.
QRect drawableRect(const ObjectBounds &bounds, QSize picture, int margin = 64);

} // namespace qx
