// The object menu and its dialogs through the scripted host: which commands each object offers,
// what each dialog shows, refuses and hands back, and that Cancel or a refusal leaves the object
// as it was.
#include "common/cp1252.h"
#include "layout/layout_defaults.h"
#include "layout/ui/border_dialog.h"
#include "layout/ui/color_swatch.h"
#include "layout/ui/fill_dialog.h"
#include "layout/ui/grid_properties_dialog.h"
#include "layout/ui/heading_text_dialog.h"
#include "layout/ui/number_font_dialog.h"
#include "layout/ui/object_menu.h"
#include "layout/ui/object_properties_dialog.h"
#include "layout/ui/size_position_dialog.h"
#include "layout/ui/text_input_dialog.h"

#include "support/scripted_ui_host.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

// A Letter page at zoom 2 (72 units per inch) with one object of every kind but combined clues,
// which cannot join the separate clue lists, in slot order of their kinds; slot 9 is a second text.
struct MenuFixture {
    ScriptedUiHost host;
    DialogLook look;
    PageLayout layout = newLayout(2);
    ObjectMenuContext context{host, look, nullptr, layout, 72};

    MenuFixture()
    {
        const HeadingTexts headings;
        for (int kind = 1; kind <= 13; ++kind) {
            const auto k = static_cast<ObjectKind>(kind);
            const int slot = kind == 9 ? 9 : kind;
            layout.Objects[static_cast<size_t>(slot - 1)] =
                newLayoutObject(kind == 9 ? ObjectKind::Text : k, 10 * kind, 10 * kind, layout, 2, headings);
        }
        layout.ObjectCount = 13;
    }
    LayoutObject &slot(int k) { return layout.Objects[static_cast<size_t>(k - 1)]; }

    // Picks a menu entry of slot k; the dialog it opens, if any, is driven by the callback.
    template <typename Dialog>
    ObjectMenuResult pick(int k, const QString &entry, std::function<void(Dialog &)> drive)
    {
        host.pickMenuEntry(entry);
        host.onModal([drive](QDialog &d) {
            auto *dialog = dynamic_cast<Dialog *>(&d);
            EXPECT_TRUE(dialog) << d.windowTitle().toStdString();
            if (dialog)
                drive(*dialog);
            return d.result();
        });
        return runObjectMenu(context, k, QPoint(5, 7));
    }
    ObjectMenuResult pick(int k, const QString &entry)
    {
        host.pickMenuEntry(entry);
        return runObjectMenu(context, k, QPoint(5, 7));
    }
};

} // namespace

TEST(ObjectMenu, ShowsEveryCommandAndEnablesThoseOfTheKind)
{
    MenuFixture f;
    f.slot(1).Alignment = 3;
    const auto shown = [&](int k) {
        f.host.pickMenuEntry(QString());
        EXPECT_EQ(runObjectMenu(f.context, k, QPoint(40, 50)), ObjectMenuResult::Nothing);
        return f.host.menusShown().back().join(QLatin1Char(',')).toStdString();
    };
    EXPECT_EQ(shown(1), std::string("Size & Position...,Properties,Border,(Fill),(Change Text...),Text Alignment,"
                                    "Text Alignment > Left,Text Alignment > Center,Text Alignment > Right *,"
                                    "Text Font,(Clue Number Font),(Load Bitmap),Delete,Bring To Front,Send To Back"));
    EXPECT_EQ(f.host.lastMenuPosition(), QPoint(40, 50));
    EXPECT_EQ(shown(2), std::string("Size & Position...,Properties,(Border),(Fill),(Change Text...),"
                                    "(Text Alignment),(Text Alignment > Left) *,(Text Alignment > Center),"
                                    "(Text Alignment > Right),Answer Key Font,Clue Number Font,(Load Bitmap),"
                                    "Delete,Bring To Front,Send To Back"));
    EXPECT_EQ(shown(11), std::string("Size & Position...,(Properties),Border,(Fill),(Change Text...),"
                                     "(Text Alignment),(Text Alignment > Left) *,(Text Alignment > Center),"
                                     "(Text Alignment > Right),(Text Font),(Clue Number Font),Load Bitmap,"
                                     "Delete,Bring To Front,Send To Back"));
    // No menu for a slot that is not in use.
    EXPECT_EQ(runObjectMenu(f.context, 14, QPoint()), ObjectMenuResult::Nothing);
    EXPECT_EQ(runObjectMenu(f.context, 0, QPoint()), ObjectMenuResult::Nothing);
    EXPECT_EQ(f.host.menusShown().size(), 3u);
}

TEST(ObjectMenu, AlignmentDeleteAndReorderingActAtOnce)
{
    MenuFixture f;
    EXPECT_EQ(f.pick(10, QStringLiteral("Right")), ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(10).Alignment, 3);
    EXPECT_EQ(f.pick(10, QStringLiteral("Left")), ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(10).Alignment, 1);

    const LayoutObject grid = f.slot(2);
    EXPECT_EQ(f.pick(2, QStringLiteral("Bring To Front")), ObjectMenuResult::Reordered);
    EXPECT_EQ(f.slot(13), grid);
    EXPECT_EQ(f.pick(13, QStringLiteral("Send To Back")), ObjectMenuResult::Reordered);
    EXPECT_EQ(f.slot(1), grid);
    EXPECT_EQ(f.pick(1, QStringLiteral("Delete")), ObjectMenuResult::Deleted);
    EXPECT_EQ(f.layout.ObjectCount, 12);
    EXPECT_EQ(countOfKind(f.layout, ObjectKind::Puzzle), 0);
    EXPECT_EQ(canAddKind(f.layout, ObjectKind::Puzzle), AddCheck::Allowed);
}

TEST(SizePositionDialog, ShowsPageUnitsAndStoresRoundedUnits)
{
    MenuFixture f;
    f.slot(1).Bounds = {10000, 36, 10072, 54};
    // Opening and pressing OK moves nothing, though "138.889" is longer than a box takes typed.
    EXPECT_EQ(f.pick<SizePositionDialog>(1, QStringLiteral("Size & Position..."),
                                         [](SizePositionDialog &d) {
                                             EXPECT_EQ(d.windowTitle(), QStringLiteral("Size & Location of Title"));
                                             EXPECT_EQ(d.box(SizeBox::Left)->text(), QStringLiteral("138.889"));
                                             EXPECT_EQ(d.box(SizeBox::Height)->text(), QStringLiteral("0.250"));
                                             d.onOkButtonClicked(); // off the page: No keeps it there
                                         }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(1).Bounds, (std::array<int32_t, 4>{10000, 36, 10072, 54}));
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Warning"));

    f.host.clear();
    f.host.answerNext(Answer::Yes); // abort the changes: the dialog stays
    EXPECT_EQ(f.pick<SizePositionDialog>(1, QStringLiteral("Size & Position..."),
                                         [&](SizePositionDialog &d) {
                                             d.box(SizeBox::Left)->setText(QStringLiteral("9"));
                                             d.onOkButtonClicked();
                                             EXPECT_EQ(d.result(), QDialog::Rejected);
                                             EXPECT_EQ(f.host.messages().size(), 1u);
                                             // Typing stops at six characters.
                                             d.box(SizeBox::Width)->clear();
                                             QTest::keyClicks(d.box(SizeBox::Width), QStringLiteral("2.00000"));
                                             EXPECT_EQ(d.box(SizeBox::Width)->text(), QStringLiteral("2.0000"));
                                             d.box(SizeBox::Left)->setText(QStringLiteral("1.5"));
                                             d.onOkButtonClicked();
                                         }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(1).Bounds, (std::array<int32_t, 4>{108, 36, 252, 54}));

    // Refusals name the first bad box and leave the object as it was, whatever OK is pressed again.
    const std::pair<SizeBox, QString> refusals[] = {
        {SizeBox::Left, QStringLiteral("Invalid left position entered.")},
        {SizeBox::Top, QStringLiteral("Invalid top position entered.")},
        {SizeBox::Width, QStringLiteral("Invalid width entered.")},
        {SizeBox::Height, QStringLiteral("Invalid height entered.")},
    };
    for (const auto &[box, text] : refusals) {
        f.host.clear();
        EXPECT_EQ(f.pick<SizePositionDialog>(1, QStringLiteral("Size & Position..."),
                                             [box = box](SizePositionDialog &d) {
                                                 d.box(box)->setText(QStringLiteral("1e300"));
                                                 d.onOkButtonClicked();
                                             }),
                  ObjectMenuResult::Nothing);
        ASSERT_EQ(f.host.messages().size(), 1u);
        EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(f.host.messages()[0].text, text);
        EXPECT_EQ(f.slot(1).Bounds, (std::array<int32_t, 4>{108, 36, 252, 54}));
    }
}

TEST(BorderAndFillDialogs, StoreTheirValuesAndRefuseABadWidthOnlyForABorderInUse)
{
    MenuFixture f;
    // With the border in use a bad width is refused; without, its box is disabled and the bad
    // text leaves the object's width as it was.
    for (const bool used : {true, false}) {
        for (const char *width : {"0", "a", ""}) {
            SCOPED_TRACE(testing::Message() << width << (used ? " with border" : " without border"));
            f.host.clear();
            const ObjectMenuResult result = f.pick<BorderDialog>(12, QStringLiteral("Border"), [&](BorderDialog &d) {
                EXPECT_EQ(d.windowTitle(), QStringLiteral("Border Info for Rectangle 1"));
                d.useBorder()->setChecked(used);
                EXPECT_EQ(d.widthBox()->isEnabled(), used);
                EXPECT_EQ(d.color()->changeButton()->isEnabled(), used);
                d.widthBox()->setText(QString::fromLatin1(width));
                d.onOkButtonClicked();
            });
            if (used) {
                EXPECT_EQ(result, ObjectMenuResult::Nothing);
                ASSERT_EQ(f.host.messages().size(), 1u);
                EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("Invalid width entered."));
                EXPECT_EQ(f.slot(12).HasBorder, 1);
            } else {
                EXPECT_EQ(result, ObjectMenuResult::Changed);
                EXPECT_TRUE(f.host.messages().empty());
                EXPECT_EQ(f.slot(12).HasBorder, 0);
                f.slot(12).HasBorder = 1;
            }
            EXPECT_EQ(f.slot(12).BorderWidth, 1);
        }
    }
    f.host.nextColor = QColor(255, 0, 0);
    EXPECT_EQ(f.pick<BorderDialog>(12, QStringLiteral("Border"),
                                   [](BorderDialog &d) {
                                       d.color()->changeButton()->click();
                                       d.widthBox()->setText(QStringLiteral("3"));
                                       d.useBorder()->setChecked(false);
                                       d.onOkButtonClicked();
                                   }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(12).HasBorder, 0);
    EXPECT_EQ(f.slot(12).BorderWidth, 3);
    EXPECT_EQ(f.slot(12).BorderColor, 0x000000FFu); // red in the low byte

    f.host.nextColor = QColor(0, 0, 255);
    EXPECT_EQ(f.pick<FillDialog>(13, QStringLiteral("Fill"),
                                 [](FillDialog &d) {
                                     EXPECT_EQ(d.windowTitle(), QStringLiteral("Fill Info for Circle 1"));
                                     EXPECT_FALSE(d.color()->changeButton()->isEnabled());
                                     d.fillInShape()->setChecked(true);
                                     d.color()->changeButton()->click();
                                     d.onOkButtonClicked();
                                 }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(13).Filled, 1);
    EXPECT_EQ(f.slot(13).FillColor, 0x00FF0000u);

    // A cancelled chooser keeps the colour; a cancelled dialog keeps the object.
    f.host.nextColor.reset();
    const LayoutObject before = f.slot(13);
    EXPECT_EQ(f.pick<FillDialog>(13, QStringLiteral("Fill"),
                                 [](FillDialog &d) {
                                     d.color()->changeButton()->click();
                                     EXPECT_EQ(d.color()->color(), 0x00FF0000u);
                                     d.fillInShape()->setChecked(false);
                                     d.reject();
                                 }),
              ObjectMenuResult::Nothing);
    EXPECT_EQ(f.slot(13), before);
}

TEST(PropertiesDialogs, ColumnsSplitAndTheGridsOwn)
{
    MenuFixture f;
    f.layout = newLayout(2);
    f.layout.Objects[0] = newLayoutObject(ObjectKind::CombinedClues, 0, 0, f.layout, 2, {});
    f.layout.Objects[1] = newLayoutObject(ObjectKind::Title, 0, 0, f.layout, 2, {});
    f.layout.Objects[2] = newLayoutObject(ObjectKind::Puzzle, 0, 0, f.layout, 2, {});
    f.layout.ObjectCount = 3;

    EXPECT_EQ(f.pick<ObjectPropertiesDialog>(
                  1, QStringLiteral("Properties"),
                  [&](ObjectPropertiesDialog &d) {
                      EXPECT_EQ(d.windowTitle(), QStringLiteral("Properties for Combined Clues"));
                      d.columnsBox()->setText(QStringLiteral("1"));
                      d.splitColumns()->click();
                      EXPECT_EQ(d.columnsBox()->text(), QStringLiteral("0"));
                      d.onOkButtonClicked();
                      EXPECT_EQ(f.host.messages().back().text, QStringLiteral("Invalid columns entered."));
                      d.splitColumns()->click(); // unchecking leaves the box
                      EXPECT_EQ(d.columnsBox()->text(), QStringLiteral("0"));
                      d.columnsBox()->setText(QStringLiteral("5"));
                      d.splitColumns()->click();
                      EXPECT_EQ(d.columnsBox()->text(), QStringLiteral("4"));
                      d.transparent()->setChecked(false);
                      d.onOkButtonClicked();
                  }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(1).Columns, 4);
    EXPECT_EQ(f.slot(1).Split, 1);
    EXPECT_EQ(f.slot(1).Transparent, 0);
    EXPECT_EQ(f.host.messages().size(), 1u);

    // A title has no columns to check; its stored count is kept.
    f.slot(2).Columns = -7;
    EXPECT_EQ(f.pick<ObjectPropertiesDialog>(2, QStringLiteral("Properties"),
                                             [](ObjectPropertiesDialog &d) {
                                                 EXPECT_EQ(d.columnsBox(), nullptr);
                                                 EXPECT_EQ(d.splitColumns(), nullptr);
                                                 d.makeItFit()->setChecked(false);
                                                 d.onOkButtonClicked();
                                             }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(2).MakeItFit, 0);
    EXPECT_EQ(f.slot(2).Columns, -7);

    f.host.clear();
    f.host.nextColor = QColor(0, 255, 0);
    EXPECT_EQ(f.pick<GridPropertiesDialog>(3, QStringLiteral("Properties"),
                                           [&](GridPropertiesDialog &d) {
                                               EXPECT_EQ(d.windowTitle(), QStringLiteral("Properties for Puzzle"));
                                               d.skeleton()->setChecked(true);
                                               EXPECT_FALSE(d.fillColor()->changeButton()->isEnabled());
                                               d.lineColor()->changeButton()->click();
                                               d.lineWidthBox()->setText(QStringLiteral("0"));
                                               d.onOkButtonClicked();
                                               d.lineWidthBox()->setText(QStringLiteral("2"));
                                               d.onOkButtonClicked();
                                           }),
              ObjectMenuResult::Changed);
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("Invalid width entered."));
    EXPECT_EQ(f.slot(3).Transparent, 1);
    EXPECT_EQ(f.slot(3).LineWidth, 2);
    EXPECT_EQ(f.slot(3).LineColor, 0x0000FF00u);
    EXPECT_EQ(f.slot(3).SquareColor, 0x00FFFFFFu);
}

TEST(TextDialogs, StoreLinesWithCrLfAndHeadingsUpTo25Typed)
{
    MenuFixture f;
    EXPECT_EQ(f.pick<TextInputDialog>(10, QStringLiteral("Change Text..."),
                                      [](TextInputDialog &d) {
                                          EXPECT_EQ(d.windowTitle(), QStringLiteral("Text"));
                                          d.textBox()->setPlainText(QStringLiteral("Name:\nDate:"));
                                          d.accept();
                                      }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(10).text(), "Name:\r\nDate:");
    EXPECT_EQ(f.pick<TextInputDialog>(10, QStringLiteral("Change Text..."),
                                      [](TextInputDialog &d) {
                                          EXPECT_EQ(d.textBox()->toPlainText(), QStringLiteral("Name:\nDate:"));
                                          d.textBox()->clear();
                                          // Typing stops at 1,000 characters; 999 of them are stored.
                                          QTest::keyClicks(d.textBox(), QString(1001, QLatin1Char('w')));
                                          EXPECT_EQ(d.textBox()->toPlainText().size(), 1000);
                                          d.accept();
                                      }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(10).text(), std::string(999, 'w'));

    // A character no stored text may hold is taken out and told once.
    EXPECT_EQ(f.pick<TextInputDialog>(10, QStringLiteral("Change Text..."),
                                      [](TextInputDialog &d) {
                                          d.textBox()->setPlainText(QStringLiteral("\u0391lpha\nbeta"));
                                          QTest::keyClick(d.textBox(), Qt::Key_Tab); // moves on, types nothing
                                          QApplication::processEvents();
                                          d.accept();
                                      }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(10).text(), "lpha\r\nbeta");
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_TRUE(f.host.messages()[0].text.contains(QStringLiteral("U+0391")));

    f.slot(4).setText(std::string(30, 'h')); // longer than typing allows: opening keeps it whole
    for (const auto &[slot, caption] :
         {std::pair{3, QStringLiteral("Down Header")}, {4, QStringLiteral("Across Header")}}) {
        EXPECT_EQ(f.pick<HeadingTextDialog>(slot, QStringLiteral("Change Text..."),
                                            [caption = caption](HeadingTextDialog &d) {
                                                EXPECT_EQ(d.windowTitle(), caption);
                                                d.accept();
                                            }),
                  ObjectMenuResult::Changed);
    }
    EXPECT_EQ(f.slot(3).text(), "Down");
    EXPECT_EQ(f.slot(4).text(), std::string(30, 'h'));
    EXPECT_EQ(f.pick<HeadingTextDialog>(4, QStringLiteral("Change Text..."),
                                        [](HeadingTextDialog &d) {
                                            d.headingBox()->clear();
                                            QTest::keyClicks(d.headingBox(), QString(30, QLatin1Char('x')));
                                            d.accept();
                                        }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(4).text(), std::string(25, 'x'));
    EXPECT_EQ(f.pick<HeadingTextDialog>(4, QStringLiteral("Change Text..."), [](HeadingTextDialog &d) { d.reject(); }),
              ObjectMenuResult::Nothing);
    EXPECT_EQ(f.slot(4).text(), std::string(25, 'x'));
}

TEST(FontCommands, StoreTheChosenFontWithItsNameCutTo30)
{
    MenuFixture f;
    QFont font(QStringLiteral("A Font Whose Name Is Longer Than Thirty"));
    font.setPointSize(14);
    font.setItalic(true);
    f.host.nextFont = FontChoice{font, QColor(0, 0, 255)};
    EXPECT_EQ(f.pick(1, QStringLiteral("Text Font")), ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(1).FontName.str(), "A Font Whose Name Is Longer Th");
    EXPECT_EQ(f.slot(1).FontSize, 14);
    EXPECT_EQ(f.slot(1).Italic, 1);
    EXPECT_EQ(f.slot(1).Bold, 0);
    EXPECT_EQ(f.slot(1).FontColor, 0x00FF0000u);

    f.host.nextFont.reset();
    const LayoutObject grid = f.slot(2);
    EXPECT_EQ(f.pick(2, QStringLiteral("Answer Key Font")), ObjectMenuResult::Nothing);
    EXPECT_EQ(f.slot(2), grid);

    font.setFamily(QStringLiteral("Courier"));
    font.setBold(true);
    f.host.nextFont = FontChoice{font, QColor(255, 0, 0)};
    EXPECT_EQ(f.pick<NumberFontDialog>(2, QStringLiteral("Clue Number Font"),
                                       [](NumberFontDialog &d) {
                                           EXPECT_EQ(d.windowTitle(), QStringLiteral("Numbers In Puzzle"));
                                           EXPECT_TRUE(d.horizontal()->isChecked());
                                           d.vertical()->setChecked(true);
                                           d.changeFontButton()->click();
                                           d.onOkButtonClicked();
                                       }),
              ObjectMenuResult::Changed);
    EXPECT_EQ(f.slot(2).NumbersHorizontal, 0);
    EXPECT_EQ(f.slot(2).NumberFontName.str(), "Courier");
    EXPECT_EQ(f.slot(2).NumberFontSize, 14);
    EXPECT_EQ(f.slot(2).NumberStyle, (std::array<uint8_t, 4>{1, 1, 0, 0}));
    EXPECT_EQ(f.slot(2).NumberFontColor, 0x000000FFu);
    EXPECT_EQ(f.slot(2).FontName, grid.FontName); // the answer key font is another
}

TEST(LoadBitmap, StoresABmpPathAndRefusesWhatCannotBeStored)
{
    MenuFixture f;
    const struct {
        QString path;
        bool stored;
    } cases[] = {
        {QStringLiteral("/pictures/Logo.bmp"), true},
        {QStringLiteral("/pictures/LOGO.BMP"), true},
        {QStringLiteral("/pictures/caf\u00e9.Bmp"), true},
        {QStringLiteral("/pictures/logo.png"), false},
        {QStringLiteral("/pictures/logo"), false},
        {QStringLiteral("/pictures/\u0391.bmp"), false},
        {QStringLiteral("/pictures/") + QChar(0xDC80) + QStringLiteral(".bmp"), false},     // a name not in UTF-8
        {QLatin1Char('/') + QString(250, QLatin1Char('p')) + QStringLiteral(".bmp"), true}, // 255 characters
        {QLatin1Char('/') + QString(251, QLatin1Char('p')) + QStringLiteral(".bmp"), false},
    };
    for (const auto &c : cases) {
        f.host.clear();
        const std::string before = f.slot(11).BitmapFile.str();
        f.host.pickFile(c.path);
        EXPECT_EQ(f.pick(11, QStringLiteral("Load Bitmap")),
                  c.stored ? ObjectMenuResult::BitmapLoaded : ObjectMenuResult::Nothing)
            << c.path.toStdString();
        if (c.stored) {
            EXPECT_TRUE(f.host.messages().empty());
            EXPECT_EQ(f.slot(11).BitmapFile.str(), cp1252::fromUnicode(c.path).value());
        } else {
            ASSERT_EQ(f.host.messages().size(), 1u) << c.path.toStdString();
            EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
            EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("The file selected is not a valid bitmap file."));
            EXPECT_EQ(f.slot(11).BitmapFile.str(), before);
        }
    }
    const FileRequest &request = f.host.fileRequests().back();
    EXPECT_EQ(request.title, QStringLiteral("Load Bitmap File"));
    EXPECT_EQ(request.filter, QStringLiteral("Bitmap (*.BMP)|*.BMP"));
    EXPECT_TRUE(request.mustExist);
    f.host.pickFile(std::nullopt);
    EXPECT_EQ(f.pick(11, QStringLiteral("Load Bitmap")), ObjectMenuResult::Nothing);
}
