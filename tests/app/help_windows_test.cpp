#include "app/ui/about_box.h"
#include "app/ui/help_window.h"
#include "app/ui/manual_notice_dialog.h"
#include "app/ui/tip_of_the_day_dialog.h"

#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>

// Readable failures: gtest would print a QString as its bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace qx;
using namespace qx::test;

namespace {

const QString ShippedDir = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex");

DialogLook lookAt(double factor)
{
    DialogLook look;
    look.screenFactor = factor;
    look.screen = QSize(1280, 1024);
    return look;
}

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("manual");
}

// The text at the top of the help browser's visible area.
QString topLine(const QTextBrowser &browser)
{
    return browser.cursorForPosition(QPoint(4, 4)).block().text();
}

} // namespace

TEST(TipOfTheDay, NextTipShowsEveryTipOnceAndComesBackAfterThirty)
{
    TipOfTheDayDialog tips(lookAt(1.0), true, 29, nullptr);
    EXPECT_EQ(tips.shownText(), shownTipText(29));
    QSet<QString> seen{tips.shownText()};
    QList<int> order;
    for (int press = 1; press <= TipCount; ++press) {
        tips.nextTipButton()->click();
        order << tips.currentTip();
        seen.insert(tips.shownText());
    }
    EXPECT_EQ(order.mid(0, 3), (QList<int>{30, 1, 2}));
    EXPECT_EQ(tips.currentTip(), 29);
    EXPECT_EQ(tips.shownText(), shownTipText(29));
    EXPECT_EQ(seen.size(), TipCount);

    // Random first tips stay within the table, both ends included.
    QRandomGenerator random(1234);
    QSet<int> drawn;
    for (int i = 0; i < 2000; ++i)
        drawn.insert(randomTipNumber(random));
    EXPECT_EQ(drawn.size(), TipCount);
    EXPECT_TRUE(drawn.contains(1) && drawn.contains(TipCount) && !drawn.contains(0));
}

TEST(TipOfTheDay, DoubledAmpersandIsShownAsOne)
{
    EXPECT_TRUE(tipText(10).endsWith(QStringLiteral("(import && export)")));
    TipOfTheDayDialog tips(lookAt(1.0), true, 10, nullptr);
    EXPECT_TRUE(tips.shownText().endsWith(QStringLiteral("You can also share them with others (import & export)")));
    EXPECT_EQ(tips.shownText().count(QLatin1Char('&')), 1);
    for (int n = 1; n <= TipCount; ++n)
        EXPECT_LE(tipText(n).size(), 180) << n;
    EXPECT_TRUE(tipText(0).isEmpty() && tipText(TipCount + 1).isEmpty());
}

TEST(TipOfTheDay, TheSettingFollowsTheBoxHoweverTheWindowCloses)
{
    ScriptedUiHost host;
    QRandomGenerator random(7);
    bool showTips = true;
    // Each way out, after a click on the check box: title bar, Escape, "&Close".
    const std::vector<std::function<void(TipOfTheDayDialog &)>> closers = {
        [](TipOfTheDayDialog &tips) { EXPECT_TRUE(tips.close()); },
        [](TipOfTheDayDialog &tips) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&tips, &escape);
        },
        [](TipOfTheDayDialog &tips) { tips.closeButton()->click(); },
    };
    for (const auto &closeIt : closers) {
        const bool before = showTips;
        host.onModal([&](QDialog &dialog) {
            auto &tips = dynamic_cast<TipOfTheDayDialog &>(dialog);
            EXPECT_EQ(tips.showTipsBox()->isChecked(), before);
            tips.show();
            tips.showTipsBox()->click();
            closeIt(tips);
            EXPECT_FALSE(tips.isVisible());
            return tips.result();
        });
        runTipOfTheDay(host, lookAt(1.0), showTips, nullptr, random);
        EXPECT_EQ(showTips, !before);
    }
}

TEST(ManualNotice, EachButtonOpensItsManualOrSaysItIsMissingAndCloses)
{
    TempDir program;
    ScriptedUiHost host;
    QList<QUrl> opened;
    bool handled = true;
    ManualNoticeDialog notice(lookAt(1.0), host, program.path());
    notice.setOpener([&](const QUrl &url) {
        opened << url;
        return handled;
    });
    const auto press = [&](QPushButton *button) {
        notice.show();
        button->click();
        EXPECT_FALSE(notice.isVisible());
    };

    press(notice.wordButton());
    press(notice.acrobatButton());
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(host.messages()[0].text, QStringLiteral("The User Manual could not be located.  Please make sure the "
                                                      "user manual was installed.  A copy is available at our web "
                                                      "site."));
    EXPECT_EQ(host.messages()[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(host.messages()[1].text,
              QStringLiteral("User Manual could not be located.  Please make sure that it was installed."));
    EXPECT_TRUE(opened.isEmpty());

    host.clear();
    touch(program.file(QStringLiteral("QXMOR.DOC")));
    touch(program.file(QStringLiteral("QXMOR.PDF")));
    press(notice.wordButton());
    press(notice.acrobatButton());
    EXPECT_EQ(opened, (QList<QUrl>{QUrl::fromLocalFile(program.file(QStringLiteral("QXMOR.DOC"))),
                                   QUrl::fromLocalFile(program.file(QStringLiteral("QXMOR.PDF")))}));
    EXPECT_TRUE(host.messages().empty());

    // No program for the file: said, not passed over in silence. Cancel opens nothing.
    handled = false;
    press(notice.acrobatButton());
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_TRUE(host.messages()[0].text.contains(QStringLiteral("could not be opened")));
    press(notice.cancelButton());
    EXPECT_EQ(notice.result(), QDialog::Rejected);
    EXPECT_EQ(opened.size(), 3);
}

TEST(HelpWindow, OpensAtEachKeywordAndAtTheContentsInOneWindow)
{
    ScriptedUiHost host;
    HelpWindow *window = showHelp(nullptr, host, ShippedDir, QStringLiteral("HALCYNET"));
    ASSERT_NE(window, nullptr);
    window->resize(700, 500);
    QTextBrowser *browser = window->browser();

    const QList<std::pair<QString, QString>> keywords = {
        {QStringLiteral("CROSSWORD OBJECTS"), QStringLiteral("9. Crossword objects on the page")},
        {QStringLiteral("Report Window"), QStringLiteral("10. Printing (Reports, Puzzle Preview)")},
        {QStringLiteral("HALCYNET"), QStringLiteral("14. Data exchange: sharing puzzles, shapes and layouts")},
    };
    for (const auto &[keyword, heading] : keywords) {
        EXPECT_EQ(showHelp(nullptr, host, ShippedDir, keyword), window);
        EXPECT_EQ(browser->source().fragment(), keyword);
        EXPECT_GT(browser->verticalScrollBar()->value(), 0) << keyword.toStdString();
        EXPECT_EQ(topLine(*browser), heading);
        saveScreenshot(*window, QStringLiteral("help_") + QString(keyword).replace(QLatin1Char(' '), QLatin1Char('_')) +
                                    QStringLiteral(".png"));
    }

    // Keywords are matched without regard to case; the contents stand at the top.
    showHelp(nullptr, host, ShippedDir, QStringLiteral("halcynet"));
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("HALCYNET"));
    EXPECT_EQ(showHelp(nullptr, host, ShippedDir), window);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
    EXPECT_EQ(topLine(*browser), QStringLiteral("Quorvex 98"));
    saveScreenshot(*window, QStringLiteral("help_contents") + QStringLiteral(".png"));
    EXPECT_TRUE(host.messages().empty());

    // Every link of the document leads to one of its sections.
    QSet<QString> anchors, links;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString &name : format.anchorNames())
                anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.insert(QUrl(format.anchorHref()).fragment());
        }
    EXPECT_GE(links.size(), 15);
    for (const QString &link : links)
        EXPECT_TRUE(anchors.contains(link)) << link.toStdString();
    delete window;
}

TEST(HelpWindow, AMissingHelpFileIsReported)
{
    TempDir program;
    ScriptedUiHost host;
    EXPECT_EQ(showHelp(nullptr, host, program.path(), QStringLiteral("HALCYNET")), nullptr);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(host.messages()[0].text,
              QStringLiteral("The help file \"%1\" could not be located.  Please make sure that it was installed.")
                  .arg(QDir::toNativeSeparators(program.file(QStringLiteral("QXMOR.HLP")))));
}

TEST(ProgramPictures, EveryPictureLoadsAtItsSize)
{
    const QStringList glyphs = {
        QStringLiteral("new_collection"), QStringLiteral("open_collection"),
        QStringLiteral("new_puzzle"),     QStringLiteral("modify_puzzle"),
        QStringLiteral("copy_puzzle"),    QStringLiteral("delete_puzzle"),
        QStringLiteral("import_puzzles"), QStringLiteral("export_puzzles"),
        QStringLiteral("print_puzzle"),   QStringLiteral("exit"),
        QStringLiteral("page_layout"),    QStringLiteral("puzzle_shape"),
        QStringLiteral("puzzle_words"),   QStringLiteral("help"),
    };
    QStringList expected = glyphs;
    expected << QStringLiteral("tile") << QStringLiteral("quorvex") << QStringLiteral("light_bulb");
    expected.sort();
    EXPECT_EQ(programPictureNames(), expected);
    for (const QString &name : programPictureNames())
        EXPECT_FALSE(programPicture(name).isNull()) << name.toStdString();
    for (const QString &name : glyphs)
        EXPECT_EQ(programPicture(name).size(), QSize(16, 16)) << name.toStdString();
    // The main window's tiling is laid out for a 96 x 96 tile.
    EXPECT_EQ(programPicture(QStringLiteral("tile")).size(), QSize(96, 96));
    EXPECT_FALSE(programIcon().isNull());
    EXPECT_TRUE(programPicture(QStringLiteral("no_such_picture")).isNull());
}

TEST(ShippedHelp, TheManualIsAPdfAndTheHelpIsShippedAsWritten)
{
    QFile manual(ShippedDir + QStringLiteral("/QXMOR.PDF"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QByteArray pdf = manual.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 20000);
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    QFile shipped(ShippedDir + QStringLiteral("/QXMOR.HLP"));
    QFile source(QStringLiteral(QUORVEX_SOURCE_DIR "/data/help/QXMOR.HLP"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    EXPECT_EQ(shipped.readAll(), source.readAll());
}

TEST(HelpWindowsLook, DialogsAtFactorsOneAndOnePointSix)
{
    TempDir program;
    ScriptedUiHost host;
    for (const double factor : {1.0, 1.6}) {
        const QString suffix = factor == 1.0 ? QStringLiteral("_1.0") : QStringLiteral("_1.6");
        const DialogLook look = lookAt(factor);

        TipOfTheDayDialog tips(look, true, 10, nullptr);
        tips.show();
        EXPECT_EQ(tips.size(), QSize(scaledBy(420, factor), scaledBy(250, factor)));
        saveScreenshot(tips, QStringLiteral("tip_of_the_day") + suffix + QStringLiteral(".png"));

        ManualNoticeDialog notice(look, host, program.path());
        notice.show();
        saveScreenshot(notice, QStringLiteral("manual_notice") + suffix + QStringLiteral(".png"));

        AboutBox about(look);
        about.show();
        QStringList texts;
        for (const QLabel *label : about.findChildren<QLabel *>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QStringLiteral("<b>Quorvex 98</b>")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Version 3.1")));
        saveScreenshot(about, QStringLiteral("about_box") + suffix + QStringLiteral(".png"));
    }

    // Other user fonts: the longest tip in a wide, bold and coloured label font.
    DialogLook look = lookAt(1.0);
    look.labelFont = UserFont{QStringLiteral("DejaVu Serif"), true, true, 0x800000}; // navy: red in the low byte
    look.buttonFont = UserFont{QStringLiteral("DejaVu Sans Mono"), true, false, 0};
    TipOfTheDayDialog tips(look, false, 28, nullptr);
    tips.show();
    saveScreenshot(tips, QStringLiteral("tip_of_the_day_user_fonts") + QStringLiteral(".png"));
    ManualNoticeDialog notice(look, host, program.path());
    notice.show();
    saveScreenshot(notice, QStringLiteral("manual_notice_user_fonts") + QStringLiteral(".png"));
}
