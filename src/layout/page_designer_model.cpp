#include "layout/page_designer_model.h"

#include "layout/layout_units.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace qx {

namespace {

int32_t saturated(int64_t v)
{
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(v, lo, hi));
}

int32_t midpoint(int32_t from, int32_t to)
{
    // from + (to - from) div 2, the quotient cut towards zero as the designer always has.
    return saturated(int64_t{from} + (int64_t{to} - from) / 2);
}

// to - from, each coordinate saturated.
QPoint offsetBetween(QPoint from, QPoint to)
{
    return QPoint(saturated(int64_t{to.x()} - from.x()), saturated(int64_t{to.y()} - from.y()));
}

bool within(int64_t v, int64_t low, int64_t high)
{
    return v >= low && v <= high;
}

const ObjectBounds &boundsOf(const PageLayout &layout, int slot)
{
    return layout.Objects[static_cast<size_t>(slot - 1)].Bounds;
}

// Which edges each handle drags: left, top, right, bottom.
constexpr std::array<std::array<bool, 4>, HandleCount> HandleEdges{{
    {true, true, false, false},  // 1 top-left
    {false, true, false, false}, // 2 top-middle
    {false, true, true, false},  // 3 top-right
    {true, false, false, false}, // 4 left-middle
    {false, false, true, false}, // 5 right-middle
    {true, false, false, true},  // 6 bottom-left
    {false, false, false, true}, // 7 bottom-middle
    {false, false, true, true},  // 8 bottom-right
}};

} // namespace

int objectClicked(const PageLayout &layout, QPoint press, QPoint release)
{
    for (int k = layout.objectsInUse(); k >= 1; --k) {
        const auto &b = boundsOf(layout, k);
        if (b[0] <= press.x() && b[1] <= press.y() && release.x() <= b[2] && release.y() <= b[3])
            return k;
    }
    return 0;
}

int objectAt(const PageLayout &layout, QPoint point)
{
    return objectClicked(layout, point, point);
}

int handleAt(const ObjectBounds &b, QPoint p)
{
    const int64_t x = p.x();
    const int64_t y = p.y();
    const int64_t left = b[0], top = b[1], right = b[2], bottom = b[3];
    const int64_t midX = midpoint(b[0], b[2]);
    const int64_t midY = midpoint(b[1], b[3]);
    const bool atLeft = within(x, left - 2, left + 3);
    const bool atRight = within(x, right - 3, right + 2);
    const bool atTop = within(y, top - 2, top + 3);
    const bool atBottom = within(y, bottom - 3, bottom + 2);
    const bool atMidX = within(x, midX - 3, midX + 2);
    const bool atMidY = within(y, midY - 3, midY + 2);
    const std::pair<bool, int> order[HandleCount] = {
        {atLeft && atTop, 1}, {atRight && atTop, 3},   {atLeft && atBottom, 6}, {atRight && atBottom, 8},
        {atMidX && atTop, 2}, {atMidX && atBottom, 7}, {atLeft && atMidY, 4},   {atRight && atMidY, 5},
    };
    for (const auto &[hit, h] : order)
        if (hit)
            return h;
    return 0;
}

std::array<QRect, HandleCount> handleMarks(const ObjectBounds &b)
{
    const int32_t midX = midpoint(b[0], b[2]);
    const int32_t midY = midpoint(b[1], b[3]);
    const auto mark = [](int64_t x, int64_t y) { return QRect(saturated(x), saturated(y), 5, 5); };
    return {mark(int64_t{b[0]} - 2, int64_t{b[1]} - 2), mark(int64_t{midX} - 3, int64_t{b[1]} - 2),
            mark(int64_t{b[2]} - 3, int64_t{b[1]} - 2), mark(int64_t{b[0]} - 2, int64_t{midY} - 3),
            mark(int64_t{b[2]} - 3, int64_t{midY} - 3), mark(int64_t{b[0]} - 2, int64_t{b[3]} - 3),
            mark(int64_t{midX} - 3, int64_t{b[3]} - 3), mark(int64_t{b[2]} - 3, int64_t{b[3]} - 3)};
}

ObjectBounds movedBounds(const ObjectBounds &b, QPoint offset)
{
    return {saturated(int64_t{b[0]} + offset.x()), saturated(int64_t{b[1]} + offset.y()),
            saturated(int64_t{b[2]} + offset.x()), saturated(int64_t{b[3]} + offset.y())};
}

ObjectBounds movedOntoPage(const ObjectBounds &b, QPoint offset, QSize page)
{
    ObjectBounds out = movedBounds(b, offset);
    const auto keep = [](int32_t &low, int32_t &high, int extent) {
        const int64_t overlap = std::min<int64_t>(std::max<int64_t>(int64_t{high} - low, 0), KeptOnPage);
        int64_t shift = 0;
        if (high < overlap)
            shift = overlap - high;
        else if (low > extent - overlap)
            shift = extent - overlap - low;
        low = saturated(low + shift);
        high = saturated(high + shift);
    };
    keep(out[0], out[2], page.width());
    keep(out[1], out[3], page.height());
    return out;
}

ObjectBounds draggedEdges(const ObjectBounds &b, int handle, QPoint offset)
{
    if (handle < 1 || handle > HandleCount)
        return b;
    const auto &edges = HandleEdges[static_cast<size_t>(handle - 1)];
    const int shift[4] = {offset.x(), offset.y(), offset.x(), offset.y()};
    ObjectBounds out = b;
    for (size_t i = 0; i < 4; ++i)
        if (edges[i])
            out[i] = saturated(int64_t{b[i]} + shift[i]);
    return out;
}

ObjectBounds resizedBounds(const ObjectBounds &b, int handle, QPoint offset)
{
    ObjectBounds out = draggedEdges(b, handle, offset);
    if (out[0] > out[2])
        std::swap(out[0], out[2]);
    if (out[1] > out[3])
        std::swap(out[1], out[3]);
    return out;
}

std::array<bool, 13> enabledTools(const PageLayout &layout)
{
    std::array<bool, 13> out{};
    for (int16_t k = 1; k <= 13; ++k)
        out[static_cast<size_t>(k - 1)] = canAddKind(layout, static_cast<ObjectKind>(k)) == AddCheck::Allowed;
    return out;
}

std::vector<RulerTick> rulerTicks(int length, int u, bool inches)
{
    std::vector<RulerTick> ticks;
    if (u <= 0 || length <= 0)
        return ticks;
    const int whole = length / u;
    if (inches) {
        // Distances back from a whole inch (or forward from the last one) and their depths.
        const std::pair<int, int> parts[] = {
            {u / 8, 24},       {u / 4, 21},       {3 * (u / 8), 24}, {u / 2, 18},
            {5 * (u / 8), 24}, {3 * (u / 4), 21}, {7 * (u / 8), 24},
        };
        for (int k = 1; k <= whole; ++k) {
            ticks.push_back({k * u, 15, k});
            for (const auto &[distance, depth] : parts)
                ticks.push_back({k * u - distance, depth, 0});
        }
        const int rest = length - whole * u;
        for (const auto &[distance, depth] : parts)
            if (distance <= rest)
                ticks.push_back({whole * u + distance, depth, 0});
    } else {
        for (int k = 1; k <= whole; ++k) {
            ticks.push_back({k * u, 15, k});
            for (int i = 1; i <= 9; ++i)
                ticks.push_back({k * u - (u / 10) * i, i == 5 ? 20 : 24, 0});
        }
    }
    return ticks;
}

double leadingDecimal(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    std::string number;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    return std::strtod(number.c_str(), nullptr);
}

ExtentRange customWidthRange(bool inches)
{
    return inches ? ExtentRange{3, 12} : ExtentRange{7, 31};
}

ExtentRange customHeightRange(bool inches)
{
    return inches ? ExtentRange{4, 18} : ExtentRange{10, 46};
}

const std::vector<std::string_view> &paperNames()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const auto &p : standardPapers())
            out.push_back(p.name);
        out.push_back(CustomPaperName);
        return out;
    }();
    return names;
}

int paperIndex(const PageLayout &layout)
{
    const auto &names = paperNames();
    const auto it = std::find(names.begin(), names.end(), layout.PaperName.str());
    return it == names.end() ? static_cast<int>(names.size()) - 1 : static_cast<int>(it - names.begin());
}

bool choosePaper(PageLayout &layout, std::string_view paperName)
{
    layout.PaperName.set(paperName);
    const PaperSize *paper = findStandardPaper(paperName);
    if (paper) {
        layout.PageWidth = layout.Portrait == 0 ? paper->height : paper->width;
        layout.PageHeight = layout.Portrait == 0 ? paper->width : paper->height;
        layout.SizeInInches = paper->inches ? 1 : 0;
    }
    return paperName != "Letter" && paperName != "Legal" && paperName != "A4";
}

bool chooseOrientation(PageLayout &layout, bool portrait)
{
    if ((layout.Portrait != 0) == portrait)
        return false;
    std::swap(layout.PageWidth, layout.PageHeight);
    layout.Portrait = portrait ? 1 : 0;
    return true;
}

QRect drawableRect(const ObjectBounds &b, QSize picture, int margin)
{
    const auto hold = [margin](int32_t v, int extent) { return std::clamp(v, -margin, extent + margin); };
    const int left = hold(std::min(b[0], b[2]), picture.width());
    const int right = hold(std::max(b[0], b[2]), picture.width());
    const int top = hold(std::min(b[1], b[3]), picture.height());
    const int bottom = hold(std::max(b[1], b[3]), picture.height());
    return QRect(left, top, right - left, bottom - top);
}

PageLayout startingLayout(StartMode mode, const PageLayout &from, int zoom)
{
    if (mode == StartMode::New)
        return newLayout(zoom);
    PageLayout layout = from;
    rescaleForZoom(layout, layout.DesignZoom, zoom);
    return layout;
}

PageDesignerModel::PageDesignerModel(PageLayout layout, int zoom)
    : m_layout(std::move(layout)), m_zoom(isZoomLevel(zoom) ? zoom : ZoomMedium)
{
    updatePageSize();
}

int PageDesignerModel::unitsPerPageUnit() const
{
    return unitsPer(m_zoom, inInches(m_layout));
}

bool PageDesignerModel::setZoom(int zoom)
{
    if (!isZoomLevel(zoom) || zoom == m_zoom)
        return false;
    rescaleForZoom(m_layout, m_zoom, zoom);
    m_zoom = zoom;
    updatePageSize();
    return true;
}

void PageDesignerModel::updatePageSize()
{
    updateLayoutSize(m_layout, m_zoom);
}

void PageDesignerModel::clickTool(ObjectKind kind)
{
    const int k = static_cast<int>(kind);
    if (m_armed == k) {
        disarm();
        return;
    }
    m_armed = k;
    m_cursor = PageCursor::Drag;
}

void PageDesignerModel::disarm()
{
    m_armed = 0;
    m_cursor = PageCursor::Default;
}

void PageDesignerModel::press(MouseButton button, QPoint point)
{
    m_press = point;
    (button == MouseButton::Left ? m_leftDown : m_rightDown) = true;
}

void PageDesignerModel::hover(QPoint point)
{
    if (m_armed != 0)
        return;
    m_cursor = PageCursor::Default;
    m_handle = 0;
    if (m_selected == 0 || m_selected > m_layout.objectsInUse())
        return;
    if (objectAt(m_layout, point) == m_selected)
        m_cursor = PageCursor::Hand;
    if (const int h = handleAt(boundsOf(m_layout, m_selected), point)) {
        m_handle = h;
        m_cursor = PageCursor::Sizing;
    }
}

std::optional<QRect> PageDesignerModel::dragOutline(QPoint point) const
{
    if (!m_leftDown || m_selected == 0 || m_selected > m_layout.objectsInUse())
        return std::nullopt;
    const QPoint offset = offsetBetween(m_press, point);
    const auto &b = boundsOf(m_layout, m_selected);
    if (m_cursor == PageCursor::Hand)
        return drawableRect(movedOntoPage(b, offset, pageSize()), {1 << 15, 1 << 15});
    if (m_cursor == PageCursor::Sizing)
        return drawableRect(draggedEdges(b, m_handle, offset), {1 << 15, 1 << 15});
    return std::nullopt;
}

ReleaseOutcome PageDesignerModel::release(MouseButton button, QPoint point, const HeadingTexts &headings)
{
    const bool wasDown = button == MouseButton::Left ? m_leftDown : m_rightDown;
    m_leftDown = false;
    m_rightDown = false;
    if (!wasDown)
        return {};
    if (button == MouseButton::Right) {
        const int target = objectClicked(m_layout, m_press, point);
        return target ? ReleaseOutcome{ReleaseOutcome::MenuRequest, target} : ReleaseOutcome{};
    }
    if (m_armed != 0) {
        const auto kind = static_cast<ObjectKind>(m_armed);
        disarm();
        if (canAddKind(m_layout, kind) != AddCheck::Allowed)
            return {};
        const int slot = m_layout.objectsInUse();
        m_layout.Objects[static_cast<size_t>(slot)] =
            newLayoutObject(kind, m_press.x(), m_press.y(), m_layout, m_zoom, headings);
        m_layout.ObjectCount = static_cast<int16_t>(slot + 1);
        return {ReleaseOutcome::Placed, slot + 1};
    }
    const bool onSelected = m_selected != 0 && m_selected <= m_layout.objectsInUse();
    if (onSelected && (m_cursor == PageCursor::Hand || m_cursor == PageCursor::Sizing)) {
        auto &b = m_layout.Objects[static_cast<size_t>(m_selected - 1)].Bounds;
        const QPoint offset = offsetBetween(m_press, point);
        b = m_cursor == PageCursor::Hand ? movedOntoPage(b, offset, pageSize()) : resizedBounds(b, m_handle, offset);
        m_cursor = PageCursor::Default;
        m_handle = 0;
        return {ReleaseOutcome::Moved, m_selected};
    }
    const int hit = objectClicked(m_layout, m_press, point);
    if (hit == 0 && m_selected == 0)
        return {};
    m_selected = hit;
    return {ReleaseOutcome::Selected, hit};
}

} // namespace qx
