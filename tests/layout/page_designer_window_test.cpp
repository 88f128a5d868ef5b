// The page designer through the real Qt host: its boxes run their own modal loops and are answered
// from inside them, and the mouse works on the page picture as a user's would.
#include "layout/layout_library.h"
#include "layout/layout_units.h"
#include "layout/ui/page_designer_window.h"
#include "store/settings.h"

#include "support/real_host.h"
#include "support/screenshots.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace qx;
using namespace qx::test;

namespace {

const QString OddSize =
    QStringLiteral("Warning: Some printers do not support odd sized pages.  Printed results may vary.");
const QString CannotAdd = QStringLiteral("Disk Error: Unable to add page layout.");

PageLayout layoutNamed(const char *name, std::initializer_list<std::pair<ObjectKind, ObjectBounds>> objects,
                       int zoom = 2)
{
    PageLayout p = newLayout(zoom);
    p.LayoutName.set(name);
    for (const auto &[kind, bounds] : objects) {
        auto &o = p.Objects[static_cast<size_t>(p.ObjectCount)];
        o = newLayoutObject(kind, 0, 0, p, zoom, {});
        o.Bounds = bounds;
        ++p.ObjectCount;
    }
    return p;
}

QStringList said(const ModalAnswerer &answers)
{
    QStringList out;
    for (const auto &b : answers.boxes())
        out << b.caption + QStringLiteral(": ") + b.text;
    return out;
}

struct PageDesigner : ::testing::Test {
    TempDir dir;
    Settings settings = Settings::defaults(dir.path());
    QtUiHost host;
    DialogLook look;
    QStringList helpAsked;
    std::unique_ptr<PageDesignerWindow> window;
    // The object menu stands in here: each call runs the scripted action on the layout.
    std::function<ObjectMenuResult(PageLayout &, int)> menu;
    std::vector<std::pair<int, QPoint>> menuCalls;

    QString library() const { return dir.file(QString::fromLatin1(LayoutLibrary::FileName)); }
    LayoutLibrary lib() const { return LayoutLibrary(library()); }

    PageDesignerContext context()
    {
        return {look, settings, host, library(), [this](QWidget *, const QString &keyword) { helpAsked << keyword; }};
    }
    PageDesignerWindow &open(DesignerMode mode, const PageLayout &layout = {}, int record = 0)
    {
        window = std::make_unique<PageDesignerWindow>(context(), DesignerRequest{mode, layout, record});
        window->setObjectMenuRunner([this](ObjectMenuContext &c, int target, QPoint at) {
            menuCalls.emplace_back(target, at);
            return menu ? menu(c.layout, target) : ObjectMenuResult::Nothing;
        });
        window->show();
        activate(window.get());
        return *window;
    }
    QWidget *page() const { return window->pageImage(); }
    void hover(QPoint at)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), QPointF(page()->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(page(), &e);
    }
    // Over from, press, move to to, release: what a user's drag does.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        hover(from);
        QTest::mousePress(page(), button, {}, from);
        QTest::mouseMove(page(), (from + to) / 2);
        QTest::mouseMove(page(), to);
        QTest::mouseRelease(page(), button, {}, to);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) { drag(at, at, button); }
    Qt::CursorShape cursorAt(QPoint at)
    {
        hover(at);
        return page()->cursor().shape();
    }
    ObjectBounds bounds(int slot) const { return window->working().Objects[static_cast<size_t>(slot - 1)].Bounds; }
    std::vector<uint8_t> libraryBytes() const { return readAll(library()); }
    void fillLibrary(std::initializer_list<PageLayout> layouts)
    {
        for (const auto &l : layouts)
            ASSERT_TRUE(lib().append(l));
    }
};

} // namespace

TEST_F(PageDesigner, NewLayoutIsALetterPageAtTheZoomOfTheSettingAndZoomKeysRescaleExactly)
{
    settings.pageLayout.zoom = 2;
    PageDesignerWindow &w = open(DesignerMode::New);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Page Creator"));
    EXPECT_EQ(w.nameEdit()->text(), QStringLiteral("New Page"));
    EXPECT_EQ(w.paperList()->currentText(), QStringLiteral("Letter"));
    EXPECT_TRUE(w.portraitButton()->isChecked());
    EXPECT_EQ(w.picture().size(), QSize(612, 792));
    EXPECT_TRUE(w.actions().zoom[1]->isChecked());

    w.armTool(ObjectKind::Text);
    click({100, 40});
    ASSERT_EQ(w.working().ObjectCount, 1);
    EXPECT_EQ(bounds(1), (ObjectBounds{100, 40, 244, 184}));

    const struct {
        Qt::Key key;
        int zoom;
        ObjectBounds bounds;
        QSize picture;
    } steps[] = {
        {Qt::Key_F3, 3, {133, 53, 325, 245}, {816, 1056}},
        {Qt::Key_F2, 2, {99, 39, 243, 183}, {612, 792}},
        {Qt::Key_F2, 2, {99, 39, 243, 183}, {612, 792}}, // the zoom it has: nothing
        {Qt::Key_F1, 1, {66, 26, 162, 122}, {408, 528}},
    };
    for (const auto &s : steps) {
        QTest::keyClick(&w, s.key, Qt::ControlModifier);
        EXPECT_EQ(w.model().zoom(), s.zoom);
        EXPECT_EQ(settings.pageLayout.zoom, s.zoom);
        EXPECT_TRUE(w.actions().zoom[static_cast<size_t>(s.zoom - 1)]->isChecked());
        EXPECT_EQ(bounds(1), s.bounds) << s.zoom;
        EXPECT_EQ(w.picture().size(), s.picture);
    }
}

TEST_F(PageDesigner, HandlesAndTheHandFollowThePointerAndDragsMoveAndResize)
{
    PageDesignerWindow &w = open(DesignerMode::Modify,
                                 layoutNamed("Shapes", {{ObjectKind::Rectangle, {100, 200, 300, 260}},
                                                        {ObjectKind::Circle, {400, 400, 500, 500}}}),
                                 1);
    // Nothing selected: the default cursor everywhere.
    EXPECT_EQ(cursorAt({150, 230}), Qt::ArrowCursor);
    click({150, 230});
    EXPECT_EQ(w.model().selected(), 1);
    // The selection marks are drawn on the picture.
    EXPECT_EQ(w.picture().pixelColor(98, 198), QColor(Qt::black));
    EXPECT_EQ(w.picture().pixelColor(199, 259), QColor(Qt::black));

    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } zones[] = {
        {{98, 198}, Qt::SizeFDiagCursor},  {{302, 198}, Qt::SizeBDiagCursor}, {{98, 262}, Qt::SizeBDiagCursor},
        {{302, 262}, Qt::SizeFDiagCursor}, {{197, 198}, Qt::SizeVerCursor},   {{202, 262}, Qt::SizeVerCursor},
        {{98, 227}, Qt::SizeHorCursor},    {{302, 232}, Qt::SizeHorCursor},   {{150, 230}, Qt::OpenHandCursor},
        {{97, 230}, Qt::ArrowCursor},      {{450, 450}, Qt::ArrowCursor},
    };
    for (const auto &z : zones)
        EXPECT_EQ(cursorAt(z.at), z.shape) << z.at.x() << "," << z.at.y();

    // The hand moves the object by the drag.
    drag({150, 230}, {170, 220});
    EXPECT_EQ(bounds(1), (ObjectBounds{120, 190, 320, 250}));
    EXPECT_EQ(page()->cursor().shape(), Qt::ArrowCursor);
    // The left-middle handle dragged past the right edge: left and right swapped back into order.
    drag({120, 220}, {400, 220});
    EXPECT_EQ(bounds(1), (ObjectBounds{320, 190, 400, 250}));
    // The bottom-right corner moves two edges.
    drag({400, 250}, {410, 270});
    EXPECT_EQ(bounds(1), (ObjectBounds{320, 190, 410, 270}));
    EXPECT_EQ(w.model().selected(), 1);
    // A click beside every object selects nothing.
    click({10, 700});
    EXPECT_EQ(w.model().selected(), 0);
    EXPECT_EQ(w.picture().pixelColor(318, 188), QColor(Qt::white));
}

TEST_F(PageDesigner, ObjectMenuOpensAtTheObjectCornerOrBesideTheWindowAndItsResultsAreShown)
{
    PageLayout full = layoutNamed("Full", {{ObjectKind::Title, {10, 10, 200, 30}}});
    for (int i = 0; i < 19; ++i) {
        auto &o = full.Objects[static_cast<size_t>(full.ObjectCount++)];
        o = newLayoutObject(ObjectKind::Rectangle, 20 + i * 5, 100 + i * 5, full, 2, {});
    }
    PageDesignerWindow &w = open(DesignerMode::Modify, full, 1);
    for (int k = 1; k <= 13; ++k)
        EXPECT_FALSE(w.toolPanel(static_cast<ObjectKind>(k))->isEnabled()) << k;
    EXPECT_TRUE(w.actions().objects[19]->isVisible());
    EXPECT_EQ(w.actions().objects[19]->text(), QStringLiteral("Rectangle 19"));

    // Right-click on the title: its menu at its upper left corner; delete it.
    menu = [](PageLayout &l, int target) {
        for (int k = target; k < l.ObjectCount; ++k)
            l.Objects[static_cast<size_t>(k - 1)] = l.Objects[static_cast<size_t>(k)];
        --l.ObjectCount;
        return ObjectMenuResult::Deleted;
    };
    click({50, 20});
    click({50, 20}, Qt::RightButton);
    ASSERT_EQ(menuCalls.size(), 1u);
    EXPECT_EQ(menuCalls[0].first, 1);
    EXPECT_EQ(menuCalls[0].second, page()->mapToGlobal(QPoint(10, 10)));
    EXPECT_EQ(w.working().ObjectCount, 19);
    EXPECT_EQ(w.model().selected(), 0);
    for (int k = 1; k <= 13; ++k)
        EXPECT_TRUE(w.toolPanel(static_cast<ObjectKind>(k))->isEnabled()) << k;
    EXPECT_FALSE(w.actions().objects[19]->isVisible());
    EXPECT_EQ(w.actions().objects[0]->text(), QStringLiteral("Rectangle 1"));

    // From the Objects menu: 120 right of and 30 below the window's corner; a change is redrawn.
    menu = [](PageLayout &l, int target) {
        l.Objects[static_cast<size_t>(target - 1)].Bounds = {0, 0, 50, 50};
        l.Objects[static_cast<size_t>(target - 1)].Filled = 1;
        l.Objects[static_cast<size_t>(target - 1)].FillColor = 0x0000FF;
        return ObjectMenuResult::Changed;
    };
    w.actions().objects[18]->trigger();
    EXPECT_EQ(menuCalls.back(), std::make_pair(19, w.mapToGlobal(QPoint(120, 30))));
    EXPECT_EQ(w.picture().pixelColor(25, 5), QColor(255, 0, 0));
}

TEST_F(PageDesigner, TheRealObjectMenuDeletesAndReordersAndThePageFollows)
{
    PageDesignerWindow &w = open(DesignerMode::Modify, builtInDefaultLayout(), 1);
    w.setObjectMenuRunner(runObjectMenu);
    // The grid (slot 2, at 144, 114 at the medium zoom) deleted through its menu.
    EXPECT_FALSE(w.toolPanel(ObjectKind::Puzzle)->isEnabled());
    click({200, 200});
    ModalAnswerer answers;
    answers.pickMenuEntry(QStringLiteral("Delete"));
    click({200, 200}, Qt::RightButton);
    answers.wait();
    ASSERT_EQ(w.working().ObjectCount, 5);
    EXPECT_EQ(w.model().selected(), 0);
    EXPECT_TRUE(w.toolPanel(ObjectKind::Puzzle)->isEnabled());
    EXPECT_FALSE(w.actions().objects[5]->isVisible());
    EXPECT_EQ(w.picture().pixelColor(200, 200), QColor(Qt::white));

    // The title brought to the front from the Objects menu.
    answers.pickMenuEntry(QStringLiteral("Bring To Front"));
    w.actions().objects[0]->trigger();
    answers.wait();
    EXPECT_EQ(w.working().Objects[4].ObjectLabel.str(), "Title");
    EXPECT_EQ(w.actions().objects[4]->text(), QStringLiteral("Title"));
    EXPECT_EQ(w.actions().objects[0]->text(), QStringLiteral("Across Header"));
}

TEST_F(PageDesigner, CustomSizesAreCheckedInTheirUnitAndTheInchesBoxRescalesBounds)
{
    PageDesignerWindow &w =
        open(DesignerMode::Modify, layoutNamed("Odd", {{ObjectKind::Text, {100, 100, 200, 200}}}), 1);
    EXPECT_FALSE(w.widthEdit()->isVisible());
    {
        ModalAnswerer answers;
        answers.press(QStringLiteral("OK"));
        w.paperList()->setCurrentText(QStringLiteral("Custom"));
        answers.wait();
        EXPECT_EQ(said(answers), QStringList{OddSize});
    }
    EXPECT_TRUE(w.widthEdit()->isVisible());
    EXPECT_EQ(w.widthEdit()->text() + QLatin1Char(' ') + w.heightEdit()->text(), QStringLiteral("8.50 11.00"));
    EXPECT_TRUE(w.inchesBox()->isChecked());

    w.inchesBox()->click();
    EXPECT_EQ(w.widthEdit()->text() + QLatin1Char(' ') + w.heightEdit()->text(), QStringLiteral("21.59 27.94"));
    EXPECT_EQ(bounds(1), (ObjectBounds{105, 105, 211, 211}));
    EXPECT_EQ(w.picture().size(), QSize(647, 838));

    const struct {
        QLineEdit *edit;
        bool inches;
        const char *typed;
        const char *message; // empty when accepted
    } entries[] = {
        {w.heightEdit(), false, "9", "Height must be between 10 and 46 centimeters.  Please re-enter height."},
        {w.heightEdit(), false, "10", ""},
        {w.widthEdit(), false, "31.5", "Width must be between 7 and 31 centimeters.  Please re-enter width."},
        {w.widthEdit(), false, "abc", "Width must be between 7 and 31 centimeters.  Please re-enter width."},
        {w.widthEdit(), true, "12.01", "Width must be between 3 and 12 inches.  Please re-enter width."},
        {w.heightEdit(), true, "3", "Height must be between 4 and 18 inches.  Please re-enter height."},
        {w.widthEdit(), true, "12", ""},
    };
    for (const auto &e : entries) {
        if (w.inchesBox()->isChecked() != e.inches)
            w.inchesBox()->click();
        const double before = e.edit == w.widthEdit() ? w.working().PageWidth : w.working().PageHeight;
        e.edit->setText(QString::fromLatin1(e.typed));
        ModalAnswerer errors;
        if (*e.message)
            errors.press(QStringLiteral("OK"));
        const bool ok = e.edit == w.widthEdit() ? w.pageWidthExit() : w.pageHeightExit();
        errors.wait();
        EXPECT_EQ(ok, !*e.message) << e.typed;
        const double after = e.edit == w.widthEdit() ? w.working().PageWidth : w.working().PageHeight;
        if (*e.message) {
            EXPECT_EQ(said(errors), QStringList{QStringLiteral("Error: ") + QString::fromLatin1(e.message)});
            EXPECT_EQ(after, before);
        } else {
            EXPECT_TRUE(said(errors).isEmpty());
            EXPECT_EQ(after, leadingDecimal(e.typed));
        }
    }
    EXPECT_EQ(w.picture().width(), 12 * 72);

    // Landscape exchanges the sides; a standard paper hides the boxes and keeps the bounds.
    const ObjectBounds kept = bounds(1);
    w.landscapeButton()->click();
    EXPECT_EQ(w.heightEdit()->text(), QStringLiteral("12.00"));
    EXPECT_EQ(w.working().PageHeight, 12);
    w.paperList()->setCurrentText(QStringLiteral("Legal"));
    EXPECT_FALSE(w.widthEdit()->isVisible());
    EXPECT_EQ(w.working().PageWidth, 14);
    EXPECT_EQ(w.working().PageHeight, 8.5);
    EXPECT_EQ(bounds(1), kept);
}

TEST_F(PageDesigner, OpeningFillsTheControlsWithoutWarningsOrRescalingAndUnknownPapersShowAsCustom)
{
    ModalAnswerer answers;
    PageLayout odd = layoutNamed("Tabloid Page", {{ObjectKind::Title, {40, 40, 140, 58}}});
    odd.PaperName.set("Tabloid");
    odd.PageWidth = 11;
    odd.PageHeight = 17;
    odd.Portrait = 0;
    PageDesignerWindow &w = open(DesignerMode::Modify, odd, 1);
    answers.wait(std::chrono::milliseconds(200));
    EXPECT_TRUE(answers.boxes().empty());
    EXPECT_EQ(w.paperList()->currentText(), QStringLiteral("Custom"));
    EXPECT_TRUE(w.landscapeButton()->isChecked());
    EXPECT_EQ(w.widthEdit()->text(), QStringLiteral("11.00"));
    EXPECT_EQ(w.heightEdit()->text(), QStringLiteral("17.00"));
    EXPECT_EQ(w.working().PageWidth, 11);
    EXPECT_EQ(bounds(1), (ObjectBounds{40, 40, 140, 58}));

    PageLayout b5 = layoutNamed("Small", {});
    choosePaper(b5, "B5");
    window.reset();
    open(DesignerMode::Modify, b5, 1);
    answers.wait(std::chrono::milliseconds(200));
    EXPECT_TRUE(answers.boxes().empty());
    EXPECT_EQ(window->paperList()->currentText(), QStringLiteral("B5"));
}

TEST_F(PageDesigner, SaveAppendsOrReplacesExactlyItsRecordAndCancelWritesNothing)
{
    fillLibrary({layoutNamed("Zero", {}), layoutNamed("One", {{ObjectKind::Puzzle, {50, 50, 266, 266}}}),
                 layoutNamed("Two", {})});
    const auto before = libraryBytes();
    const int size = PageLayout::Size;

    // Cancel, and Ctrl+X away from a text box, after changes: the file is untouched.
    open(DesignerMode::Modify, *lib().read(1), 2);
    window->nameEdit()->setText(QStringLiteral("Changed"));
    click({100, 100});
    drag({100, 100}, {200, 200});
    window->cancelButton()->click();
    EXPECT_FALSE(window->saved());
    open(DesignerMode::Copy, *lib().read(1));
    window->nameEdit()->setFocus();
    window->nameEdit()->selectAll();
    QTest::keyClick(window->nameEdit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->nameEdit()->text(), QString()) << "Ctrl+X in the name box cuts";
    EXPECT_TRUE(window->isVisible());
    window->pageArea()->setFocus();
    QTest::keyClick(window->pageArea(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(libraryBytes(), before);

    // Modify replaces exactly record 1 (the second), with the name typed and the zoom it has.
    settings.pageLayout.zoom = 3;
    open(DesignerMode::Modify, *lib().read(1), 2);
    window->nameEdit()->setText(QStringLiteral("  Renamed  "));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(window->saved());
    auto after = libraryBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + size, before.begin()));
    EXPECT_TRUE(std::equal(after.begin() + 2 * size, after.end(), before.begin() + 2 * size));
    const PageLayout renamed = *lib().read(1);
    EXPECT_EQ(renamed.LayoutName.str(), "Renamed");
    EXPECT_EQ(renamed.DesignZoom, 3);
    EXPECT_EQ(renamed.Objects[0].Bounds, (ObjectBounds{66, 66, 354, 354}));
    EXPECT_EQ(renamed.LayoutWidth, 816);
    EXPECT_EQ(renamed.encoded(), std::vector<uint8_t>(after.begin() + size, after.begin() + 2 * size));

    // Copy and New append; the opener names the copy.
    PageLayout copy = renamed;
    copy.LayoutName.set("Renamed (2)");
    open(DesignerMode::Copy, copy);
    EXPECT_EQ(window->nameEdit()->text(), QStringLiteral("Renamed (2)"));
    window->saveButton()->click();
    open(DesignerMode::New);
    window->saveButton()->click();
    ASSERT_EQ(*lib().count(), 5);
    EXPECT_EQ(lib().read(3)->LayoutName.str(), "Renamed (2)");
    EXPECT_EQ(lib().read(4)->LayoutName.str(), "New Page");
    EXPECT_EQ(lib().read(4)->encoded(), window->working().encoded());

    // A record that has gone since the library was listed is not written.
    const auto full = libraryBytes();
    for (int gone : {6, 0}) {
        open(DesignerMode::Modify, renamed, gone);
        ModalAnswerer answers;
        answers.press(QStringLiteral("OK"));
        window->saveButton()->click();
        answers.wait();
        EXPECT_EQ(said(answers), QStringList{CannotAdd});
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->saved());
    }
    EXPECT_EQ(libraryBytes(), full);

    // A library that can be neither opened nor created.
    PageDesignerContext nowhere = context();
    nowhere.libraryPath = dir.file(QStringLiteral("missing/QXFPAGE.DAT"));
    window = std::make_unique<PageDesignerWindow>(nowhere, DesignerRequest{});
    window->show();
    ModalAnswerer answers;
    answers.press(QStringLiteral("OK"));
    window->saveButton()->click();
    answers.wait();
    EXPECT_EQ(said(answers), QStringList{CannotAdd});
    EXPECT_FALSE(window->saved());
}

TEST_F(PageDesigner, ADamagedLayoutOpensQuicklyAndDrawsWhatIsSound)
{
    PageLayout damaged = layoutNamed("Damaged", {});
    damaged.PaperName.set("Custom");
    damaged.PageWidth = 1e300;
    damaged.PageHeight = -5;
    damaged.ObjectCount = 25;
    damaged.DesignZoom = 7;
    for (size_t k = 0; k < damaged.Objects.size(); ++k) {
        LayoutObject &o = damaged.Objects[k];
        o = newLayoutObject(ObjectKind::Rectangle, 10, 10, damaged, 2, {});
        o.Kind = static_cast<int16_t>(k % 2 ? 99 : 1 + k % 13);
        o.Bounds =
            k % 3 ? ObjectBounds{-2000000000, -2000000000, 2000000000, 2000000000} : ObjectBounds{10, 10, 200, 200};
        o.BorderWidth = 32000;
        o.HasBorder = 1;
        o.Columns = 30000;
    }
    damaged.Objects[4].BitmapFile.set("/no/such/picture.BMP");
    damaged.Objects[4].Kind = static_cast<int16_t>(ObjectKind::Bitmap);

    ModalAnswerer answers;
    answers.press(QStringLiteral("OK"));
    QElapsedTimer clock;
    clock.start();
    {
        Watchdog dog(std::chrono::seconds(20), QStringLiteral("opening a damaged layout"));
        PageDesignerWindow &w = open(DesignerMode::Modify, damaged, 1);
        answers.wait();
        EXPECT_LE(w.picture().width(), 4096);
        click({100, 100});
        drag({100, 100}, {0, 0});
        QTest::keyClick(&w, Qt::Key_F3, Qt::ControlModifier);
    }
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(said(answers), QStringList{QStringLiteral("Warning: A bitmap for this layout could not be located.")});
    EXPECT_EQ(window->paperList()->currentText(), QStringLiteral("Custom"));
}

TEST_F(PageDesigner, BitmapsAreLoadedWhateverTheCaseOfTheirNameOrShownAsAPlaceholder)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString path = dir.file(QStringLiteral("Logo.Bmp"));
    ASSERT_TRUE(red.save(path, "BMP"));
    PageLayout p =
        layoutNamed("Pictures", {{ObjectKind::Bitmap, {10, 10, 110, 110}}, {ObjectKind::Bitmap, {200, 10, 300, 110}}});
    p.Objects[0].BitmapFile.set(path.toStdString());
    PageDesignerWindow &w = open(DesignerMode::Modify, p, 1);
    EXPECT_EQ(w.picture().pixelColor(60, 60), QColor(Qt::red));
    EXPECT_EQ(w.picture().pixelColor(260, 40), QColor(Qt::white));
    EXPECT_EQ(w.picture().pixelColor(200, 10), QColor(Qt::black));

    // A picture loaded through the object menu replaces the placeholder.
    menu = [&path](PageLayout &l, int target) {
        l.Objects[static_cast<size_t>(target - 1)].BitmapFile.set(path.toStdString());
        return ObjectMenuResult::BitmapLoaded;
    };
    w.openObjectMenuFor(2);
    EXPECT_EQ(w.picture().pixelColor(260, 40), QColor(Qt::red));
}

TEST_F(PageDesigner, WindowPlaceComesFromTheSettingsOnTheScreenAndGoesBackOnClosing)
{
    settings.pageLayout.designerLeft = -4000;
    settings.pageLayout.designerTop = 90000;
    settings.pageLayout.designerWidth = 700;
    settings.pageLayout.designerHeight = 520;
    PageDesignerWindow &w = open(DesignerMode::New);
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(w.pos())) << w.x() << "," << w.y();
    EXPECT_GE(w.width(), 700);
    w.move(screen.left() + 30, screen.top() + 40);
    w.actions().help->trigger();
    EXPECT_EQ(helpAsked, QStringList{QStringLiteral("CROSSWORD OBJECTS")});
    w.actions().exit->trigger();
    EXPECT_EQ(settings.pageLayout.designerLeft, w.x());
    EXPECT_EQ(settings.pageLayout.designerTop, w.y());
    EXPECT_EQ(settings.pageLayout.designerWidth, w.width());
}

TEST_F(PageDesigner, LooksRightAtEveryZoomAndScreenFactor)
{
    PageLayout shown = builtInDefaultLayout();
    shown.Objects[static_cast<size_t>(shown.ObjectCount++)] =
        newLayoutObject(ObjectKind::Circle, 300, 400, shown, 1, {});
    shown.Objects[static_cast<size_t>(shown.ObjectCount++)] =
        newLayoutObject(ObjectKind::WordList, 40, 400, shown, 1, {});
    shown.Objects[static_cast<size_t>(shown.ObjectCount - 1)].Columns = 3;
    for (const double factor : {1.0, 1.6}) {
        look.screenFactor = factor;
        for (int zoom = 1; zoom <= 3; ++zoom) {
            settings.pageLayout.zoom = zoom;
            settings.pageLayout.designerWidth = 900;
            settings.pageLayout.designerHeight = 700;
            PageDesignerWindow &w = open(DesignerMode::Modify, shown, 1);
            const double scale[] = {1, 1.5, 2};
            click(QPoint(200, 60) * scale[zoom - 1]); // the title
            if (zoom == 2)
                w.armTool(ObjectKind::Rectangle); // an armed panel
            saveScreenshot(w, QStringLiteral("page_designer_zoom%1_factor%2.png").arg(zoom).arg(factor));
        }
        // Scrolled to the far corner, the rulers stay along the page area's edges.
        QScrollArea *area = window->pageArea();
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        ASSERT_GT(area->verticalScrollBar()->value(), 0);
        const QRect view = area->viewport()->geometry();
        const auto *top = area->findChild<QWidget *>(QStringLiteral("TopRuler"));
        const auto *left = area->findChild<QWidget *>(QStringLiteral("LeftRuler"));
        ASSERT_TRUE(top && left);
        EXPECT_EQ(top->geometry(), QRect(view.left(), view.top() - RulerThickness, view.width(), RulerThickness));
        EXPECT_EQ(left->geometry(), QRect(view.left() - RulerThickness, view.top(), RulerThickness, view.height()));
        EXPECT_TRUE(top->isVisible() && left->isVisible());
        saveScreenshot(*window, QStringLiteral("page_designer_scrolled_factor%1.png").arg(factor));
    }
}

TEST(PageDesignerInTheProgram, TheLayoutLibraryOpensItAndItsSaveComesBackInTheList)
{
    RealProgram p;
    const LayoutLibrary library = p.session.layoutLibrary();
    ASSERT_TRUE(library.count());
    const int before = *library.count();
    ModalAnswerer answers;
    answers.setFallback(QStringLiteral("OK"));
    answers
        .drive([](QWidget *libraryWindow) {
            clickButton(libraryWindow, QStringLiteral("NewButton"));
            dismiss(libraryWindow);
        })
        .drive([](QWidget *w) {
            auto *designer = qobject_cast<PageDesignerWindow *>(w);
            ASSERT_TRUE(designer);
            EXPECT_EQ(designer->windowTitle(), QStringLiteral("Page Creator"));
            designer->nameEdit()->setText(QStringLiteral("Handout"));
            designer->saveButton()->click();
        });
    p.window->actions().pageLayout->trigger();
    answers.wait();
    ASSERT_EQ(*library.count(), before + 1);
    EXPECT_EQ(library.read(before)->LayoutName.str(), "Handout");
}
