#include "common/dialog_look.h"
#include "layout/layout_units.h"
#include "layout/page_designer_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace qx;

namespace {

constexpr int32_t Huge = std::numeric_limits<int32_t>::max();
constexpr int32_t Tiny = std::numeric_limits<int32_t>::min();

PageLayout withObjects(std::initializer_list<std::pair<ObjectKind, ObjectBounds>> objects, int zoom = 2)
{
    PageLayout p = newLayout(zoom);
    for (const auto &[kind, bounds] : objects) {
        auto &o = p.Objects[static_cast<size_t>(p.ObjectCount++)];
        o = newLayoutObject(kind, 0, 0, p, zoom, {});
        o.Bounds = bounds;
    }
    return p;
}

PageLayout withKinds(std::initializer_list<ObjectKind> kinds)
{
    PageLayout p = newLayout(2);
    for (const auto kind : kinds)
        p.Objects[static_cast<size_t>(p.ObjectCount++)].Kind = static_cast<int16_t>(kind);
    return p;
}

HeadingTexts headings()
{
    return {};
}

} // namespace

TEST(DesignerHitTest, FindsTheHighestSlotWithEdgesIncludedAndAClickNeedsBothEnds)
{
    // Slot 2 lies over slot 1 where they overlap.
    const PageLayout p = withObjects({{ObjectKind::Text, {10, 10, 100, 100}}, {ObjectKind::Text, {50, 50, 150, 80}}});
    const struct {
        QPoint press, release;
        int slot;
    } cases[] = {
        {{10, 10}, {10, 10}, 1},
        {{100, 100}, {100, 100}, 1},
        {{9, 10}, {9, 10}, 0},
        {{60, 60}, {60, 60}, 2},
        {{150, 80}, {150, 80}, 2},
        {{151, 80}, {151, 80}, 0},
        {{60, 90}, {60, 90}, 1},
        // A click: the press against left and top, the release against right and bottom.
        {{5, 60}, {60, 60}, 0},
        {{60, 60}, {90, 90}, 1},
        {{60, 60}, {140, 70}, 2},
        {{0, 0}, {20, 20}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(objectClicked(p, c.press, c.release), c.slot) << c.press.x() << "," << c.press.y();
    EXPECT_EQ(objectAt(p, {60, 60}), 2);
}

TEST(DesignerHandles, ZonesSpanSixPixelsAndCornersWinOnSmallObjects)
{
    const ObjectBounds b{100, 200, 300, 260}; // midpoints 200 and 230
    const struct {
        QPoint at;
        int handle;
    } cases[] = {
        {{98, 198}, 1},  {{103, 203}, 1}, {{97, 200}, 0},  {{104, 203}, 0}, {{297, 198}, 3}, {{302, 203}, 3},
        {{303, 200}, 0}, {{98, 257}, 6},  {{103, 262}, 6}, {{297, 257}, 8}, {{302, 262}, 8}, {{197, 198}, 2},
        {{202, 203}, 2}, {{196, 200}, 0}, {{203, 200}, 0}, {{200, 262}, 7}, {{98, 227}, 4},  {{103, 232}, 4},
        {{98, 233}, 0},  {{302, 230}, 5}, {{200, 230}, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(handleAt(b, c.at), c.handle) << c.at.x() << "," << c.at.y();
    // On an object four units wide every zone holds the middle: the top-left corner is tried first.
    EXPECT_EQ(handleAt({100, 100, 104, 104}, {102, 102}), 1);
    EXPECT_EQ(handleAt({100, 100, 104, 104}, {105, 105}), 8);
}

TEST(DesignerHandles, MarksAreFiveUnitSquaresAtCornersAndMidpoints)
{
    const auto marks = handleMarks({100, 200, 300, 260});
    const QRect expected[8] = {{98, 198, 5, 5},  {197, 198, 5, 5}, {297, 198, 5, 5}, {98, 227, 5, 5},
                               {297, 227, 5, 5}, {98, 257, 5, 5},  {197, 257, 5, 5}, {297, 257, 5, 5}};
    for (int h = 0; h < 8; ++h)
        EXPECT_EQ(marks[static_cast<size_t>(h)], expected[h]) << "handle " << h + 1;
    // Damaged bounds give marks, not an overflow.
    const auto far = handleMarks({Tiny, Tiny, Huge, Huge});
    EXPECT_EQ(far[0].topLeft(), QPoint(Tiny, Tiny));
    EXPECT_EQ(far[1].left(), -4); // the midpoint of the whole range
}

TEST(DesignerResize, EachHandleMovesItsEdgesAndCrossedEdgesAreSwappedBack)
{
    const ObjectBounds b{100, 100, 200, 150};
    const struct {
        int handle;
        QPoint offset;
        ObjectBounds dragged, resized;
    } cases[] = {
        {1, {10, 5}, {110, 105, 200, 150}, {110, 105, 200, 150}},
        {2, {10, 5}, {100, 105, 200, 150}, {100, 105, 200, 150}},
        {3, {10, 5}, {100, 105, 210, 150}, {100, 105, 210, 150}},
        {4, {10, 5}, {110, 100, 200, 150}, {110, 100, 200, 150}},
        {5, {10, 5}, {100, 100, 210, 150}, {100, 100, 210, 150}},
        {6, {10, 5}, {110, 100, 200, 155}, {110, 100, 200, 155}},
        {7, {10, 5}, {100, 100, 200, 155}, {100, 100, 200, 155}},
        {8, {10, 5}, {100, 100, 210, 155}, {100, 100, 210, 155}},
        // The left edge dragged past the right one, the bottom past the top.
        {4, {130, 0}, {230, 100, 200, 150}, {200, 100, 230, 150}},
        {7, {0, -80}, {100, 100, 200, 70}, {100, 70, 200, 100}},
        {1, {150, 90}, {250, 190, 200, 150}, {200, 150, 250, 190}},
        // Sizes may reach zero.
        {5, {-100, 0}, {100, 100, 100, 150}, {100, 100, 100, 150}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(draggedEdges(b, c.handle, c.offset), c.dragged) << "handle " << c.handle;
        EXPECT_EQ(resizedBounds(b, c.handle, c.offset), c.resized) << "handle " << c.handle;
    }
    EXPECT_EQ(movedBounds(b, {-150, 20}), (ObjectBounds{-50, 120, 50, 170}));
    EXPECT_EQ(movedBounds({Tiny + 5, 0, Huge - 5, 0}, {100, -100}), (ObjectBounds{Tiny + 105, -100, Huge, -100}));
    EXPECT_EQ(resizedBounds({0, 0, Huge, Huge}, 8, {10, 10}), (ObjectBounds{0, 0, Huge, Huge}));
}

TEST(DesignerTools, PanelsFollowTheKindsPresentAndTheTwentyObjectLimit)
{
    using K = ObjectKind;
    const auto enabledKinds = [](const PageLayout &p) {
        std::vector<int> out;
        const auto tools = enabledTools(p);
        for (int k = 1; k <= 13; ++k)
            if (tools[static_cast<size_t>(k - 1)])
                out.push_back(k);
        return out;
    };
    const struct {
        PageLayout layout;
        std::vector<int> enabled;
    } cases[] = {
        {withKinds({}), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {withKinds({K::Title, K::Puzzle, K::Text, K::Text}), {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {withKinds({K::DownClues}), {1, 2, 3, 4, 6, 7, 8, 10, 11, 12, 13}},
        {withKinds({K::AcrossHeading}), {1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13}},
        {withKinds({K::CombinedClues}), {1, 2, 7, 8, 10, 11, 12, 13}},
        {withKinds({K::WordList, K::BonusQuestion}), {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(enabledKinds(c.layout), c.enabled);

    // Twenty objects disable every panel; taking one away enables again what is absent.
    PageLayout full = withKinds({K::Title, K::AcrossClues});
    while (full.ObjectCount < 20)
        full.Objects[static_cast<size_t>(full.ObjectCount++)].Kind = static_cast<int16_t>(K::Rectangle);
    EXPECT_TRUE(enabledKinds(full).empty());
    full.ObjectCount = 19;
    EXPECT_EQ(enabledKinds(full), (std::vector<int>{2, 3, 4, 5, 7, 8, 10, 11, 12, 13}));
    // A damaged count of 25 is read as 20.
    full.ObjectCount = 25;
    EXPECT_TRUE(enabledKinds(full).empty());
}

TEST(DesignerZoom, RescalesByTheFactorTableDroppingFractionsAtEachStep)
{
    PageDesignerModel model(withObjects({{ObjectKind::Text, {100, 10, 200, 3}}}), 2);
    EXPECT_EQ(model.layout().LayoutWidth, 612);
    EXPECT_EQ(model.layout().LayoutHeight, 792);
    EXPECT_TRUE(model.setZoom(3));
    EXPECT_EQ(model.layout().Objects[0].Bounds, (ObjectBounds{133, 13, 266, 4}));
    EXPECT_FALSE(model.setZoom(3));
    EXPECT_FALSE(model.setZoom(4));
    EXPECT_TRUE(model.setZoom(2));
    EXPECT_EQ(model.layout().Objects[0].Bounds, (ObjectBounds{99, 9, 199, 3}));
    EXPECT_TRUE(model.setZoom(1));
    EXPECT_EQ(model.layout().LayoutWidth, 408);
    EXPECT_EQ(model.layout().LayoutHeight, 528);

    PageLayout executive = newLayout(2);
    choosePaper(executive, "Executive");
    PageDesignerModel exec(executive, 2);
    EXPECT_EQ(exec.layout().LayoutWidth, 522);
    EXPECT_EQ(exec.layout().LayoutHeight, 756);
}

TEST(DesignerStart, NewGivesTheNewLayoutAndAStoredLayoutComesAtTheDesignerZoom)
{
    PageLayout stored = withObjects({{ObjectKind::Title, {96, 50, 200, 75}}}, 3);
    stored.LayoutName.set("Daily Page");
    stored.DesignZoom = 3;

    const PageLayout fresh = startingLayout(StartMode::New, stored, 1);
    EXPECT_EQ(fresh.LayoutName.str(), "New Page");
    EXPECT_EQ(fresh.ObjectCount, 0);

    const PageLayout modified = startingLayout(StartMode::Stored, stored, 1);
    EXPECT_EQ(modified.LayoutName.str(), "Daily Page");
    EXPECT_EQ(modified.Objects[0].Bounds, (ObjectBounds{48, 25, 100, 37}));

    const PageLayout same = startingLayout(StartMode::Stored, stored, 3);
    EXPECT_EQ(same, stored);

    stored.DesignZoom = 9; // no zoom: never rescaled
    EXPECT_EQ(startingLayout(StartMode::Stored, stored, 1).Objects[0].Bounds, stored.Objects[0].Bounds);
}

TEST(DesignerPaper, StandardPapersSetSizeAndUnitInTheOrientationAndNeverMoveObjects)
{
    PageLayout p = withObjects({{ObjectKind::Text, {30, 40, 50, 60}}});
    const struct {
        const char *paper;
        bool portrait;
        double width, height;
        bool inches, odd;
    } cases[] = {
        {"A4", true, 21, 29.7, false, false},        {"Letter", true, 8.5, 11, true, false},
        {"Legal", false, 14, 8.5, true, false},      {"Custom", false, 14, 8.5, true, true},
        {"A5", false, 21, 14.8, false, true},        {"B5", true, 18.2, 25.7, false, true},
        {"Executive", true, 7.25, 10.5, true, true},
    };
    for (const auto &c : cases) {
        chooseOrientation(p, c.portrait);
        EXPECT_EQ(choosePaper(p, c.paper), c.odd) << c.paper;
        EXPECT_EQ(p.PaperName.str(), c.paper);
        EXPECT_EQ(p.PageWidth, c.width) << c.paper;
        EXPECT_EQ(p.PageHeight, c.height) << c.paper;
        EXPECT_EQ(inInches(p), c.inches) << c.paper;
        EXPECT_EQ(p.Objects[0].Bounds, (ObjectBounds{30, 40, 50, 60})) << c.paper;
    }
    // Choosing the orientation it has changes nothing; the other one exchanges the sides.
    EXPECT_FALSE(chooseOrientation(p, true));
    EXPECT_TRUE(chooseOrientation(p, false));
    EXPECT_EQ(p.PageWidth, 10.5);

    PageLayout odd = newLayout(2);
    odd.PaperName.set("Tabloid");
    EXPECT_EQ(paperNames()[static_cast<size_t>(paperIndex(odd))], "Custom");
    odd.PaperName.set("B5");
    EXPECT_EQ(paperNames()[static_cast<size_t>(paperIndex(odd))], "B5");
}

TEST(DesignerCustomSize, TypedSizesAreReadForTheirLeadingNumberAndCheckedWithBoundsIncluded)
{
    const struct {
        const char *text;
        double value;
    } numbers[] = {{"12.01", 12.01}, {"  9 ", 9}, {"abc", 0},  {"", 0},      {"1e300", 1},
                   {"3.5.6", 3.5},   {"-3", -3},  {".5", 0.5}, {"10cm", 10}, {"+", 0}};
    for (const auto &n : numbers)
        EXPECT_EQ(leadingDecimal(n.text), n.value) << n.text;

    const struct {
        bool width, inches;
        double value;
        bool holds;
    } ranges[] = {
        {false, false, 9, false},   {false, false, 10, true},   {false, false, 46, true}, {false, false, 46.01, false},
        {true, true, 12.01, false}, {true, true, 12, true},     {true, true, 3, true},    {true, true, 2.99, false},
        {true, false, 7, true},     {true, false, 31.5, false}, {false, true, 4, true},   {false, true, 18.5, false},
    };
    for (const auto &r : ranges) {
        const ExtentRange range = r.width ? customWidthRange(r.inches) : customHeightRange(r.inches);
        EXPECT_EQ(range.holds(r.value), r.holds) << r.width << r.inches << " " << r.value;
    }
}

TEST(DesignerRulers, InchesHaveEighthsAndCentimetresTenthsWithLabelsOnWholeUnits)
{
    const auto at = [](const std::vector<RulerTick> &ticks, int position) {
        const auto it = std::find_if(ticks.begin(), ticks.end(), [&](const auto &t) { return t.position == position; });
        return it == ticks.end() ? RulerTick{-1, -1, -1} : *it;
    };
    // 8.5 inches at 72: eight whole inches, and after the last the ticks up to half an inch.
    const auto inches = rulerTicks(612, 72, true);
    EXPECT_EQ(inches.size(), 8u * 8 + 4);
    EXPECT_EQ(at(inches, 72), (RulerTick{72, 15, 1}));
    EXPECT_EQ(at(inches, 36), (RulerTick{36, 18, 0}));
    EXPECT_EQ(at(inches, 18), (RulerTick{18, 21, 0}));
    EXPECT_EQ(at(inches, 9), (RulerTick{9, 24, 0}));
    EXPECT_EQ(at(inches, 576 + 36), (RulerTick{612, 18, 0}));
    EXPECT_EQ(at(inches, 576 + 45).depth, -1);
    // 21 centimetres at 30: tenths of 3 units, the fifth deeper.
    const auto cm = rulerTicks(630, 30, false);
    EXPECT_EQ(cm.size(), 21u * 10);
    EXPECT_EQ(at(cm, 630), (RulerTick{630, 15, 21}));
    EXPECT_EQ(at(cm, 615), (RulerTick{615, 20, 0}));
    EXPECT_EQ(at(cm, 603), (RulerTick{603, 24, 0}));
    EXPECT_TRUE(rulerTicks(0, 72, true).empty());
    EXPECT_TRUE(rulerTicks(500, 0, true).empty());
}

TEST(DesignerWindowPlace, ARememberedPlaceIsKeptOnTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    const struct {
        QRect wanted, kept;
    } cases[] = {
        {{10, 20, 640, 480}, {10, 20, 640, 480}},
        {{-500, -300, 640, 480}, {0, 0, 640, 480}},
        {{900, 700, 640, 480}, {384, 288, 640, 480}},
        {{5000, 5000, 3000, 3000}, {0, 0, 1024, 768}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keptOnScreen(c.wanted, screen), c.kept);
    EXPECT_EQ(keptOnScreen({0, 0, 640, 480}, {1024, 0, 1280, 1024}), QRect(1024, 0, 640, 480));
}

TEST(DesignerMouse, ToolPlacesAtThePressThenClicksSelectDragsMoveAndHandlesResize)
{
    PageDesignerModel m(newLayout(2), 2);
    // Arming and disarming a tool.
    m.clickTool(ObjectKind::Title);
    EXPECT_EQ(m.cursor(), PageCursor::Drag);
    m.clickTool(ObjectKind::Title);
    EXPECT_EQ(m.armedTool(), 0);
    EXPECT_EQ(m.cursor(), PageCursor::Default);

    m.clickTool(ObjectKind::Rectangle);
    m.hover({40, 40});
    EXPECT_EQ(m.cursor(), PageCursor::Drag);
    m.press(MouseButton::Left, {40, 50});
    auto out = m.release(MouseButton::Left, {300, 300}, headings());
    EXPECT_EQ(out.kind, ReleaseOutcome::Placed);
    EXPECT_EQ(m.layout().ObjectCount, 1);
    EXPECT_EQ(m.layout().Objects[0].Bounds, (ObjectBounds{40, 50, 184, 194}));
    EXPECT_EQ(m.armedTool(), 0);
    EXPECT_EQ(m.selected(), 0);

    // A click selects; a click beside it selects nothing.
    m.press(MouseButton::Left, {100, 100});
    EXPECT_EQ(m.release(MouseButton::Left, {100, 100}, headings()).kind, ReleaseOutcome::Selected);
    EXPECT_EQ(m.selected(), 1);

    // Over the selected object the hand; a drag moves it by the offset.
    m.hover({100, 100});
    EXPECT_EQ(m.cursor(), PageCursor::Hand);
    m.press(MouseButton::Left, {100, 100});
    EXPECT_EQ(m.dragOutline({110, 95}), QRect(50, 45, 144, 144));
    EXPECT_EQ(m.release(MouseButton::Left, {110, 95}, headings()).kind, ReleaseOutcome::Moved);
    EXPECT_EQ(m.layout().Objects[0].Bounds, (ObjectBounds{50, 45, 194, 189}));
    EXPECT_EQ(m.cursor(), PageCursor::Default);

    // The left-middle handle dragged past the right edge.
    m.hover({50, 117});
    EXPECT_EQ(m.cursor(), PageCursor::Sizing);
    EXPECT_EQ(m.handle(), 4);
    m.press(MouseButton::Left, {50, 117});
    m.release(MouseButton::Left, {250, 117}, headings());
    EXPECT_EQ(m.layout().Objects[0].Bounds, (ObjectBounds{194, 45, 250, 189}));

    // Right release over an object asks for its menu; elsewhere nothing.
    m.press(MouseButton::Right, {200, 50});
    out = m.release(MouseButton::Right, {200, 50}, headings());
    EXPECT_EQ(out.kind, ReleaseOutcome::MenuRequest);
    EXPECT_EQ(out.target, 1);
    m.press(MouseButton::Right, {5, 5});
    EXPECT_EQ(m.release(MouseButton::Right, {5, 5}, headings()).kind, ReleaseOutcome::Nothing);
    // A release with no press of its button does nothing.
    EXPECT_EQ(m.release(MouseButton::Left, {200, 50}, headings()).kind, ReleaseOutcome::Nothing);

    m.press(MouseButton::Left, {5, 5});
    EXPECT_EQ(m.release(MouseButton::Left, {5, 5}, headings()).kind, ReleaseOutcome::Selected);
    EXPECT_EQ(m.selected(), 0);
    m.press(MouseButton::Left, {5, 5});
    EXPECT_EQ(m.release(MouseButton::Left, {5, 5}, headings()).kind, ReleaseOutcome::Nothing);
}

TEST(DesignerMouse, AnObjectDraggedOffThePageKeepsAPieceOnIt)
{
    // A 144 by 144 rectangle at (40, 50), dragged far in each direction: KeptOnPage units of it
    // stay on the page, on the side it went to. On the page it moves as far as it is dragged.
    const PageDesignerModel page(newLayout(2), 2);
    const int w = page.layout().LayoutWidth - KeptOnPage;
    const int h = page.layout().LayoutHeight - KeptOnPage;
    const struct {
        QPoint to;
        ObjectBounds kept;
    } cases[] = {
        {{-5000, 100}, {KeptOnPage - 144, 50, KeptOnPage, 194}},
        {{5000, 100}, {w, 50, w + 144, 194}},
        {{100, -5000}, {40, KeptOnPage - 144, 184, KeptOnPage}},
        {{100, 5000}, {40, h, 184, h + 144}},
        {{110, 95}, {50, 45, 194, 189}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.to.x() << "," << c.to.y());
        PageDesignerModel m(newLayout(2), 2);
        m.clickTool(ObjectKind::Rectangle);
        m.press(MouseButton::Left, {40, 50});
        m.release(MouseButton::Left, {40, 50}, headings());
        m.press(MouseButton::Left, {100, 100});
        m.release(MouseButton::Left, {100, 100}, headings());
        m.hover({100, 100});
        m.press(MouseButton::Left, {100, 100});
        EXPECT_EQ(m.dragOutline(c.to), drawableRect(c.kept, {1 << 15, 1 << 15}));
        EXPECT_EQ(m.release(MouseButton::Left, c.to, headings()).kind, ReleaseOutcome::Moved);
        EXPECT_EQ(m.layout().Objects[0].Bounds, c.kept);
    }
}

TEST(DesignerMouse, DamagedLayoutsAreHandledWithoutOverflow)
{
    PageLayout p = newLayout(2);
    p.ObjectCount = 25;
    for (auto &o : p.Objects) {
        o.Kind = 99;
        o.Bounds = {Tiny, Tiny, Huge, Huge};
    }
    PageDesignerModel m(p, 2);
    m.press(MouseButton::Left, {0, 0});
    EXPECT_EQ(m.release(MouseButton::Left, {0, 0}, headings()).target, 20);
    m.hover({Huge - 1, Huge - 1});
    EXPECT_EQ(m.handle(), 8);
    m.hover({100, 100});
    EXPECT_EQ(m.cursor(), PageCursor::Hand);
    m.press(MouseButton::Left, {100, 100});
    EXPECT_TRUE(m.dragOutline({Tiny, Tiny}).has_value());
    m.release(MouseButton::Left, {-100, 50}, headings());
    EXPECT_EQ(m.layout().Objects[19].Bounds, (ObjectBounds{Tiny, Tiny, Huge - 200, Huge - 50}));
    // The picture rectangle of such bounds stays near the page.
    EXPECT_EQ(drawableRect({Tiny, Tiny, Huge, Huge}, {612, 792}), QRect(-64, -64, 612 + 128, 792 + 128));
    EXPECT_EQ(drawableRect({50, 60, 10, 20}, {612, 792}), QRect(10, 20, 40, 40));
}
