#include "shapes/ui/shape_editor_dialog.h"
#include "shapes/ui/shape_library_dialog.h"
#include "shapes/ui/shape_list_panel.h"
#include "store/settings.h"

#include "shipped_data.h"
#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/shapes.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

const QColor Red(255, 0, 0);
const QColor White(Qt::white);
const QColor Black(Qt::black);
const QString WidthMessage = QStringLiteral("Error: Width must be between 5 and 49.  Please re-enter width.");
const QString HeightMessage = QStringLiteral("Error: Height must be between 5 and 49.  Please re-enter height.");
const QString NothingFound = QStringLiteral("Warning: No saved shape information could be found.");

ShapeRecord named(const std::string &name, int width, int height)
{
    ShapeRecord s = fullShape(width, height);
    s.ShapeName.set(name);
    return s;
}

QStringList items(const QListWidget *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->item(i)->text();
    return out;
}

struct ShapeWindows : ::testing::Test {
    TempDir dir;
    ShapeLibrary library = ShapeLibrary::inProgramDir(dir.path());
    ShapeRecord current;
    Settings settings = Settings::defaults(dir.path());
    ScriptedUiHost host;
    DialogLook look;

    ShapeListContext context() { return {library, current, settings, look}; }
    void add(std::initializer_list<ShapeRecord> shapes)
    {
        for (const auto &s : shapes)
            ASSERT_TRUE(library.append(s));
    }
    std::string nameOf(int record) const { return library.read(record).value().ShapeName.str(); }
    // "Caption: text" of every message shown since the last call.
    QStringList said()
    {
        QStringList out;
        for (const auto &m : host.messages())
            out << m.caption + QStringLiteral(": ") + m.text;
        host.clear();
        return out;
    }
};

// ---- The editor ----

struct ShapeEditor : ShapeWindows {
    std::unique_ptr<ShapeEditorDialog> editor;

    ShapeEditorDialog &open(ShapeEditMode mode, int record = -1)
    {
        editor = std::make_unique<ShapeEditorDialog>(mode, current, record, library, host, look);
        editor->show();
        return *editor;
    }
    QPoint centre(int row, int col) const
    {
        const int s = editor->cellSize();
        return {s * (col - 1) + s / 2, s * (row - 1) + s / 2};
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at)
    {
        QWidget *img = editor->drawingArea();
        QMouseEvent event(type, QPointF(at), QPointF(img->mapToGlobal(at)), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(img, &event);
    }
    void click(Qt::MouseButton button, QPoint down, QPoint up)
    {
        mouse(QEvent::MouseButtonPress, button, down);
        mouse(QEvent::MouseButtonRelease, button, up);
    }
    void click(Qt::MouseButton button, int row, int col) { click(button, centre(row, col), centre(row, col)); }
    QColor shown(int row, int col) const { return editor->picture().pixelColor(centre(row, col)); }
    bool cell(int row, int col) const { return editor->working().inShape(row, col); }
    bool undoable() const { return editor->undoButton()->isEnabled(); }
    void enter(QLineEdit *edit, const QString &text)
    {
        edit->setText(text);
        edit == editor->widthEdit() ? editor->widthEditExit() : editor->heightEditExit();
    }
};

TEST_F(ShapeEditor, NewShapeIsAllRedInTwelvePixelSquaresAndReverseTurnsItWhite)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Shape Creator"));
    EXPECT_EQ(e.titleEdit()->text(), QStringLiteral("New Layout"));
    EXPECT_EQ(e.widthEdit()->text() + e.heightEdit()->text(), QStringLiteral("3030"));
    EXPECT_EQ(e.cellSize(), 12);
    EXPECT_EQ(shown(1, 1), Red);
    EXPECT_EQ(shown(30, 30), Red);
    EXPECT_FALSE(undoable());

    e.reverseShape();
    EXPECT_EQ(shown(1, 1), White);
    EXPECT_EQ(shown(30, 30), White);
    EXPECT_EQ(std::count(e.working().ShapeCells.begin(), e.working().ShapeCells.end(), 0), 2500);
}

TEST_F(ShapeEditor, ASquareChangesOnlyWhenTheButtonComesUpOnTheSquareItWentDownOn)
{
    open(ShapeEditMode::New);
    click(Qt::LeftButton, 1, 1);
    EXPECT_FALSE(cell(1, 1));
    EXPECT_EQ(shown(1, 1), White);

    const ShapeRecord before = editor->working();
    click(Qt::LeftButton, centre(2, 2), centre(2, 3));
    click(Qt::RightButton, centre(2, 2), centre(3, 2));
    click(Qt::LeftButton, {370, 5}, {370, 5});  // right of the 360-pixel grid
    click(Qt::RightButton, {5, 390}, {5, 390}); // below it
    // A release elsewhere clears the press, and a release of the other button does not count.
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, centre(2, 2));
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, centre(5, 5));
    mouse(QEvent::MouseButtonRelease, Qt::RightButton, centre(5, 5));
    EXPECT_EQ(editor->working(), before);
}

TEST_F(ShapeEditor, UndoTakesBackOnlyTheLastShiftOrFillAndNothingAfterAToggleOrReverse)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    e.shiftLeft();
    e.shiftLeft();
    e.undo();
    EXPECT_TRUE(cell(1, 29));
    EXPECT_FALSE(cell(1, 30));
    EXPECT_EQ(shown(1, 29), Red);
    EXPECT_FALSE(undoable());

    // The empty column is one region: a right click fills it, Undo empties it again.
    click(Qt::RightButton, 10, 30);
    EXPECT_EQ(shown(20, 30), Red);
    EXPECT_TRUE(undoable());
    e.undo();
    EXPECT_EQ(shown(20, 30), White);

    e.shiftDown();
    click(Qt::LeftButton, 5, 5);
    EXPECT_FALSE(undoable());
    e.undoButton()->click();
    EXPECT_FALSE(cell(1, 1)); // the shift stays
    e.shiftUp();
    e.reverseShape();
    EXPECT_FALSE(undoable());
}

TEST_F(ShapeEditor, WideningShowsTheCellsBeyondTheEdgeAsTheyWere)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    for (int r = 1; r <= 30; ++r)
        click(Qt::LeftButton, r, 30);
    enter(e.widthEdit(), QStringLiteral("40"));
    EXPECT_EQ(e.cellSize(), 9);
    EXPECT_EQ(shown(15, 30), White);
    EXPECT_EQ(shown(15, 31), Red);
    EXPECT_EQ(shown(15, 40), Red);

    enter(e.widthEdit(), QStringLiteral("20"));
    enter(e.widthEdit(), QStringLiteral("40"));
    EXPECT_EQ(shown(1, 30), White);
    EXPECT_EQ(shown(30, 40), Red);
    EXPECT_TRUE(said().empty());
}

TEST_F(ShapeEditor, SizeBoxesTakeTheLeadingNumberAndSaveChecksTheHeightFirst)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    enter(e.widthEdit(), QStringLiteral("12a"));
    EXPECT_EQ(e.working().ShapeWidth, 12);
    for (const char *bad : {"a", "4", "50", ""}) {
        enter(e.widthEdit(), QString::fromLatin1(bad));
        EXPECT_EQ(said(), QStringList{WidthMessage}) << bad;
    }
    enter(e.heightEdit(), QStringLiteral("99"));
    EXPECT_EQ(said(), QStringList{HeightMessage});
    EXPECT_EQ(e.working().ShapeWidth, 12);
    EXPECT_EQ(e.working().ShapeHeight, 30);

    e.heightEdit()->setText(QStringLiteral("4"));
    e.widthEdit()->setText(QStringLiteral("60"));
    e.saveShape();
    EXPECT_EQ(said(), QStringList{HeightMessage});
    e.heightEdit()->setText(QStringLiteral("10"));
    e.saveShape();
    EXPECT_EQ(said(), QStringList{WidthMessage});
    EXPECT_FALSE(e.saved());
    EXPECT_EQ(library.count(), 0);
}

TEST_F(ShapeEditor, LeavingASizeBoxForAnotherControlChecksItButNotOnTheWayToCancel)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    e.activateWindow();
    QApplication::processEvents();
    e.widthEdit()->setFocus(Qt::OtherFocusReason);
    e.widthEdit()->setText(QStringLiteral("3"));
    e.titleEdit()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(said(), QStringList{WidthMessage});
    EXPECT_EQ(QApplication::focusWidget(), e.widthEdit());
    e.cancelButton()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(said().empty());
}

TEST_F(ShapeEditor, SaveAppendsOrOverwritesWithNameAndSizeFromTheBoxes)
{
    add({named("Sun", 9, 9), named("Star", 15, 15)});
    ShapeEditorDialog &created = open(ShapeEditMode::New);
    created.shiftUp();
    created.undo(); // Undo leaves the boxes alone; Save reads them
    created.widthEdit()->setText(QStringLiteral("25"));
    created.titleEdit()->setText(QStringLiteral("  Moon  "));
    created.saveShape();
    EXPECT_TRUE(created.saved());
    EXPECT_EQ(created.result(), QDialog::Accepted);
    EXPECT_EQ(created.savedRecord(), 2);
    EXPECT_EQ(nameOf(2), "Moon");
    EXPECT_EQ(library.read(2)->ShapeWidth, 25);
    EXPECT_TRUE(library.read(2)->inShape(30, 1));

    current = library.read(1).value();
    ShapeEditorDialog &modified = open(ShapeEditMode::Modify, 1);
    EXPECT_EQ(modified.titleEdit()->text(), QStringLiteral("Star"));
    modified.titleEdit()->setText(QString()); // an empty name is accepted
    modified.saveShape();
    EXPECT_EQ(modified.savedRecord(), 1);
    EXPECT_EQ(library.count(), 3);
    EXPECT_EQ(nameOf(1), "");
    EXPECT_EQ(nameOf(0), "Sun");
    EXPECT_TRUE(said().empty());
}

TEST_F(ShapeEditor, SaveStaysOpenWhenTheLibraryCannotBeCreatedAndCancelWritesNothing)
{
    library = ShapeLibrary(dir.file(QStringLiteral("missing/QXFLAY.DAT")));
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    e.saveShape();
    EXPECT_EQ(said(), QStringList{QStringLiteral("Disk Error: Unable to add shape.")});
    EXPECT_FALSE(e.saved());
    EXPECT_TRUE(e.isVisible());
    e.cancelEditing();
    EXPECT_EQ(e.result(), QDialog::Rejected);
    EXPECT_FALSE(e.saved());
}

TEST_F(ShapeEditor, NameBoxRefusesWhatANameCannotHoldButKeepsALongerCopyName)
{
    ShapeEditorDialog &e = open(ShapeEditMode::New);
    e.titleEdit()->end(false);
    e.titleEdit()->insert(QStringLiteral("Ω"));
    QApplication::processEvents(); // the refusal is told once control is back in the event loop
    EXPECT_EQ(said(),
              QStringList{QStringLiteral("Error: The character \"Ω\" (U+03A9) cannot be stored in a shape name.")});
    e.titleEdit()->insert(QStringLiteral(" with a rather long name")); // 34 characters: refused
    e.titleEdit()->insert(QStringLiteral(" café"));
    EXPECT_EQ(e.titleEdit()->text(), QStringLiteral("New Layout café"));

    // Only typing is limited to 30: the name of a copy keeps all of its 50 characters.
    current.ShapeName.set(std::string(48, 'x'));
    EXPECT_EQ(open(ShapeEditMode::Copy).titleEdit()->text().size(), 50);
}

TEST_F(ShapeEditor, ScreenshotsAtFactorsOneAndOnePointSix)
{
    current = fullShape(15, 15, {{1, 1}, {1, 15}, {15, 1}, {15, 15}, {8, 8}});
    current.ShapeName.set("Star");
    open(ShapeEditMode::Modify, 0);
    EXPECT_EQ(editor->cellSize(), 25);
    saveScreenshot(*editor, QStringLiteral("shape_editor.png"));

    look.screenFactor = 1.6;
    open(ShapeEditMode::Copy);
    EXPECT_EQ(editor->drawingArea()->width(), 641);
    EXPECT_EQ(editor->cellSize(), 41);
    saveScreenshot(*editor, QStringLiteral("shape_editor_1.6.png"));
}

// ---- The library window ----

struct ShapeLibraryWindow : ShapeWindows {
    std::unique_ptr<ShapeLibraryDialog> window;

    ShapeListPanel &open()
    {
        window = std::make_unique<ShapeLibraryDialog>(context(), host);
        window->show();
        return *window->panel();
    }
    ShapeListPanel &panel() const { return *window->panel(); }
    QListWidget *box() const { return panel().shapeBox(); }
    QString selected() const { return box()->currentItem() ? box()->currentItem()->text() : QString(); }
    void choose(const QString &text) { box()->setCurrentItem(box()->findItems(text, Qt::MatchExactly).value(0)); }
    // The editor opened next saves after `edit`, or is cancelled without one; returns the name it offered.
    void nextEditor(std::function<void(ShapeEditorDialog &)> edit, QString *offered = nullptr)
    {
        host.onModal([edit, offered](QDialog &d) {
            auto &editor = dynamic_cast<ShapeEditorDialog &>(d);
            if (offered)
                *offered = editor.titleEdit()->text();
            if (edit) {
                edit(editor);
                editor.saveShape();
            } else {
                editor.cancelEditing();
            }
            return d.result();
        });
    }
};

TEST_F(ShapeLibraryWindow, OpensOnTheFirstEntryOfTheSortedListAndDrawsIt)
{
    add({named("Heart", 5, 5), named("Star", 15, 15), fullShape(30, 30, {{1, 2}})});
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Shapes"));
    EXPECT_EQ(items(box()), (QStringList{"15x15 Star", "30x30 ", "5x5 Heart"}));
    EXPECT_EQ(current.ShapeName.str(), "Star");
    EXPECT_EQ(window->focusWidget(), box());
    EXPECT_EQ(panel().picture().pixelColor(239, 239), Black); // 16-pixel squares

    box()->setCurrentRow(1);
    EXPECT_EQ(current.ShapeWidth, 30);
    // 8-pixel squares; the square at row 1, column 2 is not in the shape.
    EXPECT_EQ(panel().picture().pixelColor(4, 4), Black);
    EXPECT_EQ(panel().picture().pixelColor(12, 4), White);
    EXPECT_TRUE(said().empty());

    window->exitButton()->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(current.ShapeWidth, 30);
}

TEST_F(ShapeLibraryWindow, AnEmptyLibraryWarnsAndTheCommandsNeedingASelectionDoNothing)
{
    writeAll(library.path(), {});
    open();
    EXPECT_EQ(said(), QStringList{NothingFound});
    EXPECT_EQ(box()->count(), 0);
    EXPECT_EQ(panel().picture().pixelColor(120, 120), panel().palette().color(QPalette::Button));
    panel().modifyShape();
    panel().copyShape();
    panel().deleteShape();
    panel().exportShapeFile();
    EXPECT_EQ(said(), QStringList{QStringLiteral("Error: No shape selected.")});
}

TEST_F(ShapeLibraryWindow, NewAndModifiedShapesAreSelectedByRecordNumberWhereverTheySort)
{
    add({named("Star", 15, 15), named("Heart", 5, 5), named("Cross", 9, 9)});
    open();
    nextEditor([](ShapeEditorDialog &e) {
        e.titleEdit()->setText(QStringLiteral("Moon"));
        e.widthEdit()->setText(QStringLiteral("20"));
    });
    panel().newButton()->click();
    EXPECT_EQ(items(box()), (QStringList{"15x15 Star", "20x30 Moon", "5x5 Heart", "9x9 Cross"}));
    EXPECT_EQ(selected(), QStringLiteral("20x30 Moon"));
    EXPECT_EQ(current.ShapeName.str(), "Moon");

    choose(QStringLiteral("5x5 Heart"));
    nextEditor([](ShapeEditorDialog &e) { e.heightEdit()->setText(QStringLiteral("12")); });
    panel().modifyShape();
    EXPECT_EQ(library.count(), 4);
    EXPECT_EQ(library.read(1)->ShapeHeight, 12);
    EXPECT_EQ(selected(), QStringLiteral("5x12 Heart"));
    EXPECT_EQ(panel().selectedRecord(), 1);
}

TEST_F(ShapeLibraryWindow, ACopyIsOfferedAsStar2AlsoAfterACancelledCopy)
{
    add({named("Star", 15, 15)});
    open();
    QString first, second;
    nextEditor(nullptr, &first);
    panel().copyShape();
    EXPECT_EQ(current.ShapeName.str(), "Star");
    nextEditor([](ShapeEditorDialog &) {}, &second);
    panel().copyShape();
    EXPECT_EQ(first, QStringLiteral("Star (2)"));
    EXPECT_EQ(second, QStringLiteral("Star (2)"));
    EXPECT_EQ(library.count(), 2);
    EXPECT_EQ(nameOf(0), "Star");
    EXPECT_EQ(selected(), QStringLiteral("15x15 Star (2)"));
}

TEST_F(ShapeLibraryWindow, DeleteAsksThenSelectsTheSamePositionOrTheNewLast)
{
    add({named("A", 10, 10), named("B", 11, 11), named("C", 12, 12)});
    open();
    choose(QStringLiteral("11x11 B"));
    panel().deleteShape(); // answered No
    EXPECT_EQ(said(), QStringList{QStringLiteral("Delete?: Are you sure you want to delete \"11x11 B\"?")});
    EXPECT_EQ(library.count(), 3);

    host.answerNext(Answer::Yes);
    panel().deleteShape();
    EXPECT_EQ(fileSize(library.path()), 2 * 2555);
    EXPECT_EQ(selected(), QStringLiteral("12x12 C"));
    EXPECT_EQ(panel().selectedRecord(), 1);
    host.answerNext(Answer::Yes);
    panel().deleteShape();
    EXPECT_EQ(selected(), QStringLiteral("10x10 A"));
    EXPECT_EQ(current.ShapeName.str(), "A");

    // The only shape: the list empties and warns, the picture keeps what it showed.
    const QImage before = panel().picture();
    host.clear();
    host.answerNext(Answer::Yes);
    panel().deleteShape();
    EXPECT_EQ(fileSize(library.path()), 0);
    EXPECT_EQ(box()->count(), 0);
    EXPECT_EQ(said().last(), NothingFound);
    EXPECT_EQ(panel().picture(), before);
}

TEST_F(ShapeLibraryWindow, ImportAndExportTellWhatHappenedAndRememberTheFiles)
{
    add({named("Star", 15, 15), named("Heart", 5, 5)});
    open();
    const QString moon = dir.file(QStringLiteral("moon.LAY"));
    ASSERT_TRUE(exportShape(moon, named("Moon", 20, 20)));
    auto bytes = readAll(moon);
    bytes.resize(2560);
    writeAll(dir.file(QStringLiteral("short.LAY")), bytes);

    host.pickFile(std::nullopt);
    host.pickFile(dir.file(QStringLiteral("short.LAY")));
    host.pickFile(dir.file(QStringLiteral("absent.LAY")));
    host.pickFile(moon);
    for (int i = 0; i < 4; ++i)
        panel().importShapeFile();
    EXPECT_EQ(said(), (QStringList{"Error: Puzzle shape file is corrupt or incompatible.  Import aborted.",
                                   "Error: Puzzle shape could not be imported."}));
    const auto &asked = host.fileRequests();
    EXPECT_EQ(asked[0].title, QStringLiteral("Import Puzzle Shape"));
    EXPECT_EQ(asked[0].filter, QStringLiteral("Puzzle Shapes (*.LAY)|*.LAY"));
    EXPECT_EQ(asked[0].initialPath, dir.path());
    EXPECT_EQ(asked[3].initialPath, dir.file(QStringLiteral("absent.LAY")));
    EXPECT_EQ(settings.misc.lastImportShapeFile, moon);
    EXPECT_EQ(library.count(), 3);
    EXPECT_EQ(selected(), QStringLiteral("20x20 Moon"));
    EXPECT_EQ(panel().selectedRecord(), 2);

    choose(QStringLiteral("5x5 Heart"));
    const QString heart = dir.file(QStringLiteral("heart.LAY"));
    host.pickFile(heart);
    host.pickFile(dir.file(QStringLiteral("missing/heart.LAY")));
    panel().exportShapeFile();
    panel().exportShapeFile();
    EXPECT_EQ(said(), (QStringList{"OK: Puzzle Shape Exported!", "Error: Shape could not be exported."}));
    EXPECT_EQ(asked[4].title, QStringLiteral("Export Puzzle Shape"));
    EXPECT_EQ(asked[4].filter, QStringLiteral("Puzzle Shape (*.LAY)|*.LAY"));
    EXPECT_TRUE(asked[4].overwritePrompt);
    const auto written = readAll(heart);
    ASSERT_EQ(written.size(), 2561u);
    EXPECT_EQ(std::string(written.begin(), written.begin() + 7), "LAY1.0\x05");
}

TEST_F(ShapeLibraryWindow, ScreenshotsAtFactorsOneAndOnePointSix)
{
    library = ShapeLibrary(shippedShapeLibraryPath());
    ASSERT_GT(library.count().value(), 9);
    open();
    box()->setCurrentRow(7);
    saveScreenshot(*window, QStringLiteral("shape_library.png"));
    look.screenFactor = 1.6;
    open();
    box()->setCurrentRow(9);
    EXPECT_EQ(panel().picture().width(), 384);
    saveScreenshot(*window, QStringLiteral("shape_library_1.6.png"));
}

// ---- The word list editor's variant of the list ----

struct EmbeddedShapeList : ShapeWindows {
    std::unique_ptr<ShapeListPanel> panel;
    ShapeRecord own = fullShape(13, 13, {{7, 7}});

    ShapeListPanel &open(bool followLastShape, bool withOwnShape = false, bool locked = false)
    {
        own.ShapeName.set(CurrentPuzzleShapeName);
        ShapeListOptions options;
        options.pictureSize = 148;
        options.followLastShape = followLastShape;
        if (withOwnShape)
            options.currentPuzzleShape = own;
        options.locked = locked;
        panel = std::make_unique<ShapeListPanel>(context(), host, options);
        panel->show();
        panel->start();
        return *panel;
    }
};

TEST_F(EmbeddedShapeList, StartsOnTheLastShapeAndKeepsTheSettingUpToDate)
{
    add({named("Star", 15, 15), named("Heart", 5, 5), named("Cross", 9, 9)});
    settings.createOptions.lastShape = 2;
    ShapeListPanel &p = open(true);
    EXPECT_EQ(p.selectedRecord(), 2);
    EXPECT_EQ(current.ShapeName.str(), "Cross");
    // 148 / 9 gives 16-pixel squares: the shape ends at x = 144.
    EXPECT_EQ(p.picture().size(), QSize(148, 148));
    EXPECT_EQ(p.picture().pixelColor(143, 3), Black);
    EXPECT_EQ(p.picture().pixelColor(145, 3), p.palette().color(QPalette::Button));

    p.shapeBox()->setCurrentRow(0);
    EXPECT_EQ(settings.createOptions.lastShape, 0);
    settings.createOptions.lastShape = 7; // no longer in the library
    EXPECT_EQ(open(true).selectedRecord(), 0);
}

TEST_F(EmbeddedShapeList, AnOpenPuzzleListsItsOwnShapeAndLocksTheList)
{
    add({named("Star", 15, 15), named("Heart", 5, 5)});
    ShapeListPanel &p = open(false, true, true);
    EXPECT_EQ(items(p.shapeBox()), (QStringList{"13x13 <Current Puzzle>", "15x15 Star", "5x5 Heart"}));
    EXPECT_EQ(p.selectedRecord(), CurrentPuzzleShapeMarker);
    EXPECT_EQ(current, own);
    EXPECT_FALSE(p.shapeBox()->isEnabled());
    for (QPushButton *b :
         {p.newButton(), p.modifyButton(), p.copyButton(), p.deleteButton(), p.importButton(), p.exportButton()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(EmbeddedShapeList, ChoosingThePuzzlesOwnShapeDisablesModifyAndDeleteAndRestoresIt)
{
    add({named("Star", 15, 15)});
    ShapeListPanel &p = open(true, true);
    EXPECT_FALSE(p.modifyButton()->isEnabled());
    EXPECT_FALSE(p.deleteButton()->isEnabled());
    EXPECT_TRUE(p.copyButton()->isEnabled());

    p.shapeBox()->setCurrentRow(1);
    EXPECT_EQ(current.ShapeName.str(), "Star");
    EXPECT_TRUE(p.modifyButton()->isEnabled() && p.deleteButton()->isEnabled());
    p.shapeBox()->setCurrentRow(0);
    EXPECT_EQ(current, own);
    EXPECT_EQ(settings.createOptions.lastShape, 0);

    // Its export writes the shape derived from the puzzle.
    host.pickFile(dir.file(QStringLiteral("own.LAY")));
    p.exportShapeFile();
    ShapeRecord imported;
    ASSERT_TRUE(importShape(dir.file(QStringLiteral("own.LAY")), ShapeLibrary(dir.file(QStringLiteral("other.DAT"))),
                            imported));
    EXPECT_EQ(imported, own);
}

} // namespace
