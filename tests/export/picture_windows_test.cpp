// The picture and web page exports from the preview, driven offscreen through the scripted host:
// the width and JPEG factor dialogs and what they refuse, the bitmap and JPEG files at the width
// asked with the preview's zoom left as it was, and the web page window's settings and its Save.
#include "common/cp1252.h"
#include "export/page_picture.h"
#include "export/ui/jpeg_factor_dialog.h"
#include "export/ui/pixel_width_dialog.h"
#include "export/ui/web_page_dialog.h"
#include "render/render_page.h"
#include "report/ui/preview_window.h"
#include "report/ui/stream_preview.h"
#include "store/collection_file.h"
#include "store/settings.h"

#include "support/screenshots.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Fixture {
    TempDir dir;
    ScriptedUiHost host;
    Settings settings;
    PuzzleRecord record = CollectionFile(SamplePath).read(0).value();
    std::shared_ptr<const PageStream> stream = renderPuzzlePage(record, printOptionsFromSettings(settings)).stream;

    std::unique_ptr<PreviewWindow> preview(double factor = 1.0)
    {
        DialogLook look;
        look.screenFactor = factor;
        return std::make_unique<PreviewWindow>(look, settings, host, record, stream,
                                               [] { return std::unique_ptr<QPrinter>(); });
    }

    // The next modal dialog is a width dialog: type the width and press its button; its caption is kept.
    void typeWidth(const QString &typed, QString *caption = nullptr)
    {
        host.onModal([typed, caption](QDialog &d) {
            auto &w = dynamic_cast<PixelWidthDialog &>(d);
            if (caption)
                *caption = w.windowTitle() + QLatin1Char('|') + w.createButton()->text();
            w.widthEdit()->setText(typed);
            w.createButton()->click();
            return w.result();
        });
    }
};

void saveGrab(QWidget &w, const QString &name)
{
    w.show();
    saveScreenshot(w, name);
    w.hide();
}

} // namespace

TEST(PictureWindows, WidthAndFactorAreRefusedUnlessAllowedAndTheWindowStaysOpen)
{
    const QString badWidth = QStringLiteral("Invalid width specified.  Please correct.");
    const QString badFactor = QStringLiteral("Invalid factor entered.  Factor must be between 1 and 100");
    const struct {
        bool width; // the width dialog, else the factor dialog
        const char *typed;
        int accepted; // 0: refused
    } cases[] = {
        {true, "0", 0},  {true, "abc", 0},  {true, "20001", 0}, {true, "15456", 0},  {true, " 800 ", 800},
        {false, "0", 0}, {false, "101", 0}, {false, "x", 0},    {false, "100", 100}, {false, "1", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.width ? "width " : "factor ") + c.typed);
        ScriptedUiHost host;
        if (c.width) {
            PixelWidthDialog d({}, host, PixelWidthDialog::Mode::Bitmap, 640, QSizeF(8.5, 11));
            d.widthEdit()->setText(QString::fromLatin1(c.typed));
            d.createPicture();
            EXPECT_EQ(d.pixelWidth(), c.accepted);
            EXPECT_EQ(d.result(), c.accepted ? QDialog::Accepted : QDialog::Rejected);
        } else {
            JpegFactorDialog d({}, host, 50);
            d.factorEdit()->setText(QString::fromLatin1(c.typed));
            d.acceptEntries();
            EXPECT_EQ(d.quality(), c.accepted);
        }
        if (c.accepted) {
            EXPECT_TRUE(host.messages().empty());
        } else {
            ASSERT_EQ(host.messages().size(), 1u);
            EXPECT_EQ(host.messages()[0].caption, QStringLiteral("Error"));
            EXPECT_EQ(host.messages()[0].text, c.width ? badWidth : badFactor);
        }
    }
}

TEST(PictureWindows, BitmapAndJpegAreWrittenAtTheWidthAskedAndTheZoomStays)
{
    Fixture f;
    f.settings.reports.pixelFormat = 2;
    auto p = f.preview();
    p->preview()->setZoom(37);
    const struct {
        QPushButton *button;
        QAction *action;
        const char *file;
        const char *dialog;
        QString Settings::Misc::*last;
    } cases[] = {
        {p->controls().exportBitmap, p->actions().exportBmp, "page.bmp", "Bitmap|Create &Bitmap",
         &Settings::Misc::lastExportBitmapFile},
        {p->controls().exportJpeg, p->actions().exportJpeg, "page.jpg", "JPeg|Create &JPeg",
         &Settings::Misc::lastExportJpegFile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(c.button->isEnabled());
        ASSERT_TRUE(c.action->isEnabled());
        const QString path = f.dir.file(QString::fromLatin1(c.file));
        QString caption;
        f.typeWidth(QStringLiteral("500"), &caption);
        f.host.pickFile(path);
        c.button->click();
        EXPECT_EQ(caption, QString::fromLatin1(c.dialog));
        EXPECT_EQ(QImage(path).size(), QSize(500, pictureHeight(500, f.stream->pageWidth, f.stream->pageHeight)));
        EXPECT_EQ(f.settings.reports.pixelWidth, 500);
        EXPECT_EQ(f.settings.misc.*c.last, path);
        EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + path);
        EXPECT_EQ(p->preview()->zoom(), 37);

        // Cancelled at the width, cancelled at the file, a file that cannot be written: nothing
        // written, one box for the failure, the zoom as it was.
        f.host.onModal([](QDialog &d) { return d.result(); });
        c.action->trigger();
        f.typeWidth(QStringLiteral("300"));
        f.host.pickFile(std::nullopt);
        c.action->trigger();
        // The dialog offers the puzzle's title, in the folder of the last picture.
        EXPECT_EQ(f.host.fileRequests().back().initialPath,
                  f.dir.file(cp1252::toUnicode(f.record.PuzzleName.str()).trimmed() + QLatin1Char('.') +
                             QString::fromLatin1(c.file).section(QLatin1Char('.'), 1).toUpper()));
        f.typeWidth(QStringLiteral("300"));
        f.host.pickFile(f.dir.file(QStringLiteral("no/such/folder/") + QString::fromLatin1(c.file)));
        c.action->trigger();
        EXPECT_EQ(QImage(path).width(), 500);
        ASSERT_EQ(f.host.messages().size(), 1u);
        EXPECT_TRUE(f.host.messages()[0].text.contains(QStringLiteral("no/such/folder")));
        f.host.clear();
        EXPECT_EQ(p->preview()->zoom(), 37);
    }
    // The 256-colour setting gives an 8-bit bitmap.
    EXPECT_EQ(static_cast<uchar>(contents(f.dir.file(QStringLiteral("page.bmp")))[28]), 8);

    // The factor from the preview's menu goes into the settings.
    f.host.onModal([](QDialog &d) {
        auto &j = dynamic_cast<JpegFactorDialog &>(d);
        j.factorEdit()->setText(QStringLiteral("85"));
        j.acceptEntries();
        return j.result();
    });
    p->actions().jpegFactor->trigger();
    EXPECT_EQ(f.settings.reports.jpegQuality, 85);

    // The SVG drawing from the File menu.
    const QString svg = f.dir.file(QStringLiteral("page.svg"));
    f.host.pickFile(svg);
    p->actions().exportSvg->trigger();
    EXPECT_TRUE(contents(svg).contains("<svg"));
    EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + svg);
}

TEST(WebPageWindow, ChoicesAreSettingsAtOnceTextsOnlyOnSave)
{
    Fixture f;
    Settings::Html &h = f.settings.html;
    {
        WebPageDialog w({}, f.settings, f.host, f.stream, 0);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("HTML Creation"));
        EXPECT_EQ(w.blocks()[0].text->toPlainText(), QStringLiteral("My Puzzle"));
        EXPECT_TRUE(w.blocks()[0].bold->isChecked());
        EXPECT_EQ(w.blocks()[0].fontSize->currentText(), QStringLiteral("14 pt"));
        EXPECT_EQ(w.blocks()[1].fontSize->currentText(), QStringLiteral("12 pt"));
        EXPECT_EQ(w.titleEdit()->text(), QStringLiteral("Crossword Puzzle"));
        w.blocks()[2].italic->setChecked(true);
        w.blocks()[3].center->setChecked(true);
        w.blocks()[1].fontSize->setCurrentIndex(6);
        w.lowerRule()->setChecked(true);
        w.blocks()[0].text->setPlainText(QStringLiteral("Changed"));
        w.titleEdit()->setText(QStringLiteral("Other"));
        w.reject();
    }
    EXPECT_TRUE(h.firstFooter.italic);
    EXPECT_TRUE(h.secondFooter.center);
    EXPECT_EQ(h.secondHeader.fontSize, 7);
    EXPECT_TRUE(h.horizontalLower);
    EXPECT_EQ(h.firstHeader.text, QStringLiteral("My Puzzle")) << "texts wait for Save";
    EXPECT_EQ(h.webTitle, QStringLiteral("Crossword Puzzle"));
}

TEST(WebPageWindow, ThePuzzleTitleReplacesOnlyTextsNobodySaved)
{
    Fixture f;
    const struct {
        QString header, title;
        QString expectedHeader, expectedTitle;
    } cases[] = {
        {"My Puzzle", "Crossword Puzzle", "Weather", "Weather"},
        {"Class 5B", "Crossword Puzzle", "Class 5B", "Weather"},
        {"My Puzzle", "Our page", "Weather", "Our page"},
    };
    for (const auto &c : cases) {
        f.settings.html.firstHeader.text = c.header;
        f.settings.html.webTitle = c.title;
        WebPageDialog w({}, f.settings, f.host, f.stream, 0);
        w.startWithPuzzleTitle(QStringLiteral("Weather"));
        EXPECT_EQ(w.blocks()[0].text->toPlainText(), c.expectedHeader);
        EXPECT_EQ(w.titleEdit()->text(), c.expectedTitle);
    }
}

TEST(WebPageWindow, SaveWritesThePageAndItsPictureOrRefusesAndStaysOpen)
{
    Fixture f;
    auto p = f.preview();
    const QString page = f.dir.file(QStringLiteral("index.html"));
    const QString picture = f.dir.file(QStringLiteral("index.hJPG"));
    const QString same = f.dir.file(QStringLiteral("X.JPG"));
    f.host.onModal([&](QDialog &d) {
        auto &w = dynamic_cast<WebPageDialog &>(d);
        // Nothing saved before: the header and the page title are the puzzle's title.
        const QString title = cp1252::toUnicode(f.record.PuzzleName.str()).trimmed();
        EXPECT_EQ(w.blocks()[0].text->toPlainText(), title);
        EXPECT_EQ(w.titleEdit()->text(), title);
        w.blocks()[1].text->setPlainText(QStringLiteral("  Week 12\nanswers on Monday  "));
        // First the page named like its picture: refused, the window stays.
        f.typeWidth(QStringLiteral("400"));
        f.host.pickFile(same);
        w.saveButton()->click();
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_FALSE(QFile::exists(same));
        f.typeWidth(QStringLiteral("400"));
        f.host.pickFile(page);
        w.saveButton()->click();
        return w.result();
    });
    p->controls().createWebPage->click();
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("Unable to create html file."));
    EXPECT_EQ(f.settings.html.secondHeader.text, QStringLiteral("Week 12\nanswers on Monday"));
    EXPECT_EQ(f.settings.misc.lastExportHtmlFile, page);
    EXPECT_EQ(f.settings.reports.pixelWidth, 400);
    const QByteArray html = contents(page);
    EXPECT_TRUE(html.contains("  <FONT SIZE=3>Week 12\r\nanswers on Monday</FONT><P>\r\n"));
    EXPECT_TRUE(html.contains("<IMG SRC=\"index.hJPG\""));
    EXPECT_EQ(QImage(picture).width(), 400);
    EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to %1 and %2").arg(page, picture));
    const auto requests = f.host.fileRequests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().title, QStringLiteral("Save HTML Document"));
    EXPECT_EQ(requests.back().filter, QStringLiteral("html (*.htm)|*.htm"));
}

TEST(WebPageWindow, ReplacingThePageOrItsPictureIsAskedOnceNamingBoth)
{
    const struct {
        bool page, picture; // which of the two is there before
        const char *question;
    } cases[] = {
        {true, false, "W.htm already exists; its picture will be saved as W.JPG.\nDo you want to replace it?"},
        {false, true, "The picture W.JPG of W.htm already exists.\nDo you want to replace it?"},
        {true, true, "W.htm and its picture W.JPG already exist.\nDo you want to replace them?"},
        {false, false, nullptr},
    };
    for (const auto &c : cases) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            SCOPED_TRACE(std::string(c.question ? c.question : "neither") + (answer == Answer::Yes ? " yes" : " no"));
            Fixture f;
            const QString page = f.dir.file(QStringLiteral("W.htm"));
            const QString picture = f.dir.file(QStringLiteral("W.JPG"));
            for (const auto &[there, path] : {std::pair{c.page, page}, {c.picture, picture}}) {
                QFile old(path);
                if (there) {
                    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
                }
            }
            WebPageDialog w({}, f.settings, f.host, f.stream, 0);
            f.typeWidth(QStringLiteral("300"));
            f.host.pickFile(page);
            f.host.answerNext(answer);
            w.saveWebPage();
            EXPECT_FALSE(f.host.fileRequests().back().overwritePrompt) << "the dialog does not ask a second time";
            const bool written = !c.question || answer == Answer::Yes;
            if (c.question) {
                ASSERT_EQ(f.host.messages().size(), 1u);
                EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Save HTML Document"));
                EXPECT_EQ(f.host.messages()[0].text, QString::fromUtf8(c.question));
            } else {
                EXPECT_TRUE(f.host.messages().empty());
            }
            EXPECT_EQ(contents(page) == "old", c.page && !written);
            EXPECT_EQ(contents(picture) == "old", c.picture && !written);
            EXPECT_EQ(QImage(picture).width(), written ? 300 : 0);
        }
    }
}

TEST(PictureWindows, LookAtFactorsOneAndOnePointSix)
{
    Fixture f;
    for (const double factor : {1.0, 1.6}) {
        DialogLook look;
        look.screenFactor = factor;
        const QString suffix = factor == 1.0 ? QStringLiteral("_1_0.png") : QStringLiteral("_1_6.png");
        PixelWidthDialog bitmap(look, f.host, PixelWidthDialog::Mode::Bitmap, 640, QSizeF(8.5, 11));
        saveGrab(bitmap, QStringLiteral("pixel_width_bitmap") + suffix);
        PixelWidthDialog jpeg(look, f.host, PixelWidthDialog::Mode::Jpeg, 640, QSizeF(8.5, 11));
        saveGrab(jpeg, QStringLiteral("pixel_width_jpeg") + suffix);
        JpegFactorDialog factorDialog(look, f.host, 50);
        saveGrab(factorDialog, QStringLiteral("jpeg_factor") + suffix);
        WebPageDialog web(look, f.settings, f.host, f.stream, 0);
        saveGrab(web, QStringLiteral("web_page") + suffix);
        // Every control fits its window: nothing is cut at the right or bottom edge.
        for (QWidget *w :
             {static_cast<QWidget *>(&bitmap), static_cast<QWidget *>(&factorDialog), static_cast<QWidget *>(&web)}) {
            w->show();
            for (const QWidget *child : w->findChildren<QWidget *>()) {
                if (child->isVisible() && child->parentWidget() == w) {
                    EXPECT_TRUE(w->rect().contains(child->geometry())) << w->windowTitle().toStdString();
                }
            }
            w->hide();
        }
    }
}
