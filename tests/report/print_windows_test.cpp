// The print options window and the preview, driven offscreen: the answer-key rules, options going
// into the settings at once, a sample puzzle rendered into the preview, zooming, printing to PDF
// files, and the text and PDF exports.
#include "app/session.h"
#include "builder/word_order.h"
#include "common/cp1252.h"
#include "common/ui/ui_host.h"
#include "export/text_export.h"
#include "export/ui/metafile_creation_dialog.h"
#include "layout/layout_defaults.h"
#include "render/render_page.h"
#include "report/ui/bonus_question_dialog.h"
#include "report/ui/clue_headers_dialog.h"
#include "report/ui/copies_dialog.h"
#include "report/ui/partial_answers_dialog.h"
#include "report/ui/preview_window.h"
#include "report/ui/print_options_dialog.h"
#include "report/ui/print_status_dialog.h"
#include "report/ui/print_windows.h"
#include "report/ui/stream_preview.h"
#include "report/ui/stream_printer.h"
#include "store/collection_file.h"
#include "store/settings.h"

#include "support/built_record.h"
#include "support/scripted_ui_host.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include <gtest/gtest.h>

#include <functional>

using namespace qx;
using namespace qx::test;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
const QString ScreenshotDir = QStringLiteral(QUORVEX_BINARY_DIR "/screenshots");

PuzzleRecord samplePuzzle(int n = 0)
{
    const auto record = CollectionFile(SamplePath).read(n);
    EXPECT_TRUE(record);
    return record ? *record : PuzzleRecord{};
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QSizeF mediaBox(const QString &path)
{
    const QString text = QString::fromLatin1(contents(path));
    const auto m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(text);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

LayoutObject object(ObjectKind kind, const std::string &label, const std::string &text = {})
{
    LayoutObject o;
    o.Kind = static_cast<int16_t>(kind);
    o.ObjectLabel.set(label);
    o.Bounds = {10, 10, 200, 60};
    o.FontName.set("Arial");
    o.FontSize = 12;
    o.setText(text);
    return o;
}

// Five words: two across, then three down of which the last two were never placed.
PuzzleRecord smallPuzzle()
{
    PuzzleRecord r;
    r.PuzzleName.set("Pets");
    r.WordCount = 5;
    r.AcrossCount = 2;
    const char *words[] = {"CAT", "DOG", "COD", "EMU", "YAK"};
    const char *clues[] = {"Purrs", "Barks", "A fish", "A bird", "An ox"};
    const int16_t numbers[] = {1, 3, 1, 2, 4};
    for (size_t k = 0; k < 5; ++k) {
        r.Words[k].set(words[k]);
        r.Clues[k].set(clues[k]);
        r.WordNumber[k] = numbers[k];
        r.WordPlaced[k] = k < 3 ? 1 : 0;
    }
    return r;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    return p;
}

void settle()
{
    for (int k = 0; k < 3; ++k)
        QApplication::processEvents();
}

struct Fixture {
    TempDir dir;
    ScriptedUiHost host;
    Settings settings;
    PuzzleRecord record = samplePuzzle();

    std::unique_ptr<PrintOptionsDialog> report(double factor = 1.0)
    {
        DialogLook look;
        look.screenFactor = factor;
        auto w = std::make_unique<PrintOptionsDialog>(look, settings, host, record);
        w->setPrinterFactory([this] { return pdfPrinter(dir.file(QStringLiteral("printed.pdf"))); });
        return w;
    }

    std::unique_ptr<PreviewWindow> preview(std::shared_ptr<const PageStream> stream, double factor = 1.0)
    {
        DialogLook look;
        look.screenFactor = factor;
        return std::make_unique<PreviewWindow>(look, settings, host, record, std::move(stream),
                                               [this] { return pdfPrinter(dir.file(QStringLiteral("printed.pdf"))); });
    }

    std::shared_ptr<const PageStream> rendered()
    {
        return renderPuzzlePage(record, printOptionsFromSettings(settings)).stream;
    }
};

} // namespace

TEST(PrintOptionsWindow, AnswerKeyRulesAndEveryOptionGoIntoTheSettingsAtOnce)
{
    Fixture f;
    f.settings.reports.answerKey = true;
    f.settings.reports.partialAnswer = true;
    f.settings.reports.partialLetters = false;
    auto w = f.report();
    const auto &c = w->controls();
    QCheckBox *key = c.answerKey;
    QCheckBox *partial = c.partAnswer;
    QCheckBox *letters = c.partLetters;
    QPushButton *select = c.select;
    ASSERT_TRUE(key && partial && letters && select);
    // Ticked when the window opens: the partial options are off from the start.
    EXPECT_FALSE(partial->isEnabled());
    EXPECT_FALSE(select->isEnabled());
    EXPECT_FALSE(letters->isEnabled());
    EXPECT_FALSE(w->lettersEdit()->isEnabled());

    key->click();
    EXPECT_FALSE(f.settings.reports.answerKey);
    EXPECT_TRUE(partial->isEnabled());
    EXPECT_TRUE(select->isEnabled()); // partial answers is ticked
    EXPECT_TRUE(letters->isEnabled());
    EXPECT_FALSE(w->lettersEdit()->isEnabled()); // partial letters is not

    partial->click();
    EXPECT_FALSE(f.settings.reports.partialAnswer);
    EXPECT_FALSE(select->isEnabled());
    letters->click();
    EXPECT_TRUE(f.settings.reports.partialLetters);
    EXPECT_TRUE(w->lettersEdit()->isEnabled());
    w->lettersEdit()->setText(QStringLiteral("  aeiou  "));
    Q_EMIT w->lettersEdit()->textEdited(w->lettersEdit()->text());
    EXPECT_EQ(f.settings.reports.letters, QStringLiteral("aeiou"));

    for (const auto &[box, caption, field] :
         {std::tuple{c.title, QStringLiteral("Puzzle &Title"), &Settings::Reports::printTitle},
          std::tuple{c.body, QStringLiteral("Puzzle &Body"), &Settings::Reports::printBody},
          std::tuple{c.clues, QStringLiteral("Puzzle &Clues"), &Settings::Reports::printClues},
          std::tuple{c.words, QStringLiteral("Puzzle &Words"), &Settings::Reports::printWords},
          std::tuple{c.bonus, QStringLiteral("Bonus &Question"), &Settings::Reports::printBonus}}) {
        ASSERT_TRUE(box) << caption.toStdString();
        EXPECT_EQ(box->text(), caption);
        const bool before = f.settings.reports.*field;
        box->click();
        EXPECT_NE(f.settings.reports.*field, before) << caption.toStdString();
    }

    c.skeleton->click();
    EXPECT_EQ(f.settings.reports.useBoxes, !c.skeleton->isChecked());
    f.host.nextColor = QColor(0, 0, 255);
    c.fillBoxColor->click();
    EXPECT_EQ(f.settings.reports.boxColor, 0xFF0000);
    EXPECT_FALSE(c.changeLayout->isEnabled());
}

TEST(PrintOptionsWindow, ReadsHeadersBoxesAndFontMenuFromTheLayout)
{
    Fixture f;
    PageLayout &layout = f.record.Layout;
    layout.ObjectCount = 4;
    layout.Objects[0] = object(ObjectKind::Title, "Title");
    layout.Objects[1] = object(ObjectKind::Puzzle, "Puzzle");
    layout.Objects[1].Transparent = 1;
    layout.Objects[1].FillColor = 0x00FF00;
    layout.Objects[2] = object(ObjectKind::Rectangle, "Rectangle 1");
    layout.Objects[3] = object(ObjectKind::CombinedClues, "Combined Clues", "Clues");
    f.settings.reports.useBoxes = true;
    auto w = f.report();

    // No ":" in the combined clues' text: the across header is empty, the down header all of it.
    EXPECT_EQ(w->options().acrossHeader, "");
    EXPECT_EQ(w->options().downHeader, "Clues");
    EXPECT_FALSE(f.settings.reports.useBoxes);
    EXPECT_EQ(f.settings.reports.boxColor, 0x00FF00);
    EXPECT_TRUE(w->controls().skeleton->isChecked());
    EXPECT_EQ(w->fontEntries(),
              (QStringList{QStringLiteral("Title Font"), QStringLiteral("Puzzle Answer Font"),
                           QStringLiteral("Puzzle Clue Numbers Font"), QStringLiteral("Combined Clues Font")}));
    int visible = 0;
    for (QAction *a : w->fontMenu()->actions())
        visible += a->isVisible() ? 1 : 0;
    EXPECT_EQ(visible, 4);

    // The number font of the grid, third entry, written back into the working copy only.
    FontChoice chosen{QFont(QStringLiteral("Liberation Serif"), 17), QColor(255, 0, 0)};
    chosen.font.setBold(true);
    chosen.font.setStrikeOut(true);
    f.host.nextFont = chosen;
    w->onFontEntryClicked(3);
    const LayoutObject &grid = w->working().Layout.Objects[1];
    EXPECT_EQ(grid.NumberFontName.str(), "Liberation Serif");
    EXPECT_EQ(grid.NumberFontSize, 17);
    EXPECT_EQ(grid.NumberFontColor, 0x0000FFu);
    EXPECT_EQ(grid.NumberStyle, (std::array<uint8_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(grid.FontName.str(), "Arial");
    EXPECT_EQ(f.record.Layout.Objects[1].NumberFontSize, 0);
}

TEST(PrintOptionsWindow, HeadersBonusAndPartialAnswersChangeOnlyThisPrinting)
{
    Fixture f;
    f.record.BonusQuestion.set("Old question");
    auto w = f.report();

    f.host.onModal([](QDialog &d) {
        auto &h = dynamic_cast<ClueHeadersDialog &>(d);
        EXPECT_EQ(h.windowTitle(), QStringLiteral("Clue Headers"));
        h.acrossEdit()->setText(QStringLiteral("Sideways"));
        h.downEdit()->setText(QStringLiteral("Downwards"));
        h.onOkButtonClicked();
        return h.result();
    });
    w->controls().changeHeaders->click();
    EXPECT_EQ(w->options().acrossHeader, "Sideways");
    EXPECT_EQ(w->options().downHeader, "Downwards");
    EXPECT_EQ(f.settings.reports.acrossLabel, QStringLiteral("Across"));

    // Cancelling the bonus question keeps it; OK changes the working copy only.
    f.host.onModal([](QDialog &d) {
        dynamic_cast<BonusQuestionDialog &>(d).bonusText()->setText(QStringLiteral("Ignored"));
        return static_cast<int>(QDialog::Rejected);
    });
    w->controls().changeBonus->click();
    EXPECT_EQ(w->working().BonusQuestion.str(), "Old question");
    f.host.onModal([](QDialog &d) {
        auto &b = dynamic_cast<BonusQuestionDialog &>(d);
        b.bonusText()->setText(QStringLiteral("Which bird cannot fly?"));
        b.onOkButtonClicked();
        return b.result();
    });
    w->controls().changeBonus->click();
    EXPECT_EQ(w->working().BonusQuestion.str(), "Which bird cannot fly?");
    EXPECT_EQ(f.record.BonusQuestion.str(), "Old question");

    // Words 1 and 3 picked; Ok on an untouched list keeps exactly those.
    f.settings.reports.answerKey = false;
    f.host.onModal([](QDialog &d) {
        auto &p = dynamic_cast<PartialAnswersDialog &>(d);
        p.theList()->item(0)->setSelected(true);
        p.theList()->item(2)->setSelected(true);
        p.onOkButtonClicked();
        return p.result();
    });
    w->onSelectPartAnswerClicked();
    f.host.onModal([](QDialog &d) {
        auto &p = dynamic_cast<PartialAnswersDialog &>(d);
        EXPECT_EQ(p.theList()->selectedItems().size(), 2);
        p.onOkButtonClicked();
        return p.result();
    });
    w->onSelectPartAnswerClicked();
    std::array<uint8_t, MaxWords> expected{};
    expected[0] = expected[2] = 1;
    EXPECT_EQ(w->partialSelection(), expected);
}

TEST(PrintOptionsWindow, DefaultClueHeadersGoIntoTheSettings)
{
    Session session;
    ScriptedUiHost host;
    host.onModal([](QDialog &d) {
        auto &h = dynamic_cast<ClueHeadersDialog &>(d);
        EXPECT_EQ(h.windowTitle(), QStringLiteral("Default Clue Headers"));
        EXPECT_EQ(h.acrossEdit()->text(), QStringLiteral("Across"));
        h.acrossEdit()->setText(QStringLiteral("Horizontal"));
        h.onOkButtonClicked();
        return h.result();
    });
    openDefaultClueHeaders(nullptr, PrintContext{session.look(), session.settings, host, {}});
    EXPECT_EQ(session.settings.reports.acrossLabel, QStringLiteral("Horizontal"));
    EXPECT_EQ(session.settings.reports.downLabel, QStringLiteral("Down"));
}

TEST(PrintOptionsWindow, ViewPrintRendersTheSampleIntoThePreviewAndGrabsBothWindows)
{
    QDir().mkpath(ScreenshotDir);
    for (const double factor : {1.0, 1.6}) {
        Fixture f;
        f.settings.reports.viewerWidth = factor > 1 ? 1000 : 700;
        f.settings.reports.viewerHeight = factor > 1 ? 760 : 560;
        auto w = f.report(factor);
        w->show();
        settle();
        const QString suffix = factor > 1 ? QStringLiteral("_1.6.png") : QStringLiteral("_1.0.png");
        EXPECT_TRUE(w->grab().save(ScreenshotDir + QStringLiteral("/print_options") + suffix));

        QString status;
        f.host.onModal([&](QDialog &d) {
            auto &form = dynamic_cast<PrintStatusDialog &>(d);
            form.formActivate();
            status = form.statusText();
            EXPECT_EQ(form.button()->text(), QStringLiteral("OK"));
            form.button()->click();
            return form.result();
        });
        bool previewed = false;
        f.host.onModal([&](QDialog &d) {
            auto &p = dynamic_cast<PreviewWindow &>(d);
            previewed = true;
            EXPECT_EQ(p.preview()->stream().pageCount(), 1);
            EXPECT_TRUE(p.actions().exportWmf->isEnabled()) << "the metafiles draw from this rendering";
            p.show();
            settle();
            // Opened where the settings said, then fitted to the page width.
            EXPECT_EQ(p.width(), f.settings.reports.viewerWidth);
            EXPECT_LT(p.preview()->pixelWidth(), p.width());
            EXPECT_TRUE(p.grab().save(ScreenshotDir + QStringLiteral("/print_preview") + suffix));
            p.resize(p.width() + 10, p.height());
            p.accept();
            return p.result();
        });
        w->controls().viewPrint->click();
        EXPECT_TRUE(previewed);
        EXPECT_EQ(status, QStringLiteral("Printing Page 1\nPuzzle Generated!"));
        EXPECT_TRUE(f.host.messages().empty());
        // Closing remembers the size for the next preview.
        EXPECT_EQ(f.settings.reports.viewerWidth, (factor > 1 ? 1000 : 700) + 10);
    }
}

TEST(PreviewWindow, ZoomAndPixelWidthFollowEachOther)
{
    Fixture f;
    auto p = f.preview(f.rendered());
    const double inches = p->preview()->stream().pageWidth;
    p->preview()->setZoom(50);
    EXPECT_EQ(p->zoomEdit()->text(), QStringLiteral("50.00"));
    EXPECT_EQ(p->pixelEdit()->text(), QString::number(std::lround(inches * 48)));

    p->pixelEdit()->setText(QString::number(std::lround(inches * 192)));
    p->pixelEditDone();
    EXPECT_NEAR(p->preview()->zoom(), 200, 0.1);
    EXPECT_EQ(p->zoomEdit()->text(), QStringLiteral("200.00"));

    // Not a number: nothing changes and the edits show the zoom again.
    p->zoomEdit()->setText(QStringLiteral("lots"));
    p->zoomEditDone();
    EXPECT_NEAR(p->preview()->zoom(), 200, 0.1);
    EXPECT_EQ(p->zoomEdit()->text(), QStringLiteral("200.00"));
    p->zoomEdit()->setText(QStringLiteral("75"));
    p->zoomEditDone();
    EXPECT_EQ(p->pixelEdit()->text(), QString::number(std::lround(inches * 72)));

    p->actions().zoomOut[2]->trigger();
    EXPECT_EQ(p->zoomEdit()->text(), QStringLiteral("33.33"));
    p->controls().zoomIn->click();
    EXPECT_GT(p->preview()->zoom(), 33.34);
    EXPECT_TRUE(p->controls().exportBitmap->isEnabled());
    EXPECT_TRUE(p->actions().exportHtml->isEnabled());
}

TEST(PreviewWindow, TheZoomEditsFollowEveryZoomCommandAndShowTheirNumbersWhole)
{
    for (const double factor : {1.0, 1.6}) {
        Fixture f; // the preview's remembered size is the settings' default
        auto p = f.preview(f.rendered(), factor);
        p->show();
        settle();
        const auto &a = p->actions();
        const auto &c = p->controls();
        const std::vector<std::function<void()>> commands = {
            [&] { c.zoomIn->click(); },
            [&] { c.zoomOut->click(); },
            [&] { a.zoomIn[1]->trigger(); },
            [&] { c.zoomPageWidth->click(); },
            [&] { a.zoomOut[4]->trigger(); },
            [&] { a.zoomWholePage->trigger(); },
            [&] { a.zoomIn[0]->trigger(); },
            [&] { a.zoomPageWidth->trigger(); },
            [&] { p->preview()->setZoom(StreamPreview::MaxZoom); },
        };
        double before = p->preview()->zoom();
        for (size_t k = 0; k < commands.size(); ++k) {
            commands[k]();
            EXPECT_NE(p->preview()->zoom(), before) << k;
            before = p->preview()->zoom();
            EXPECT_EQ(p->zoomEdit()->text(), QString::number(before, 'f', 2)) << k;
            EXPECT_EQ(p->pixelEdit()->text(), QString::number(p->preview()->pixelWidth())) << k;
        }
        // At the largest zoom both numbers are at their widest; each fits inside its edit's frame
        // and inner margins.
        for (QLineEdit *edit : {p->zoomEdit(), p->pixelEdit()}) {
            const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
            EXPECT_GE(edit->width() - 2 * frame - 4, edit->fontMetrics().horizontalAdvance(edit->text()))
                << factor << " " << edit->text().toStdString();
        }
        EXPECT_TRUE(p->grab().save(ScreenshotDir + QStringLiteral("/print_preview_zoomed_%1.png").arg(factor)));
    }
}

TEST(PreviewWindow, CopiesGoInOneJobOnlyBelowWhatThePrinterCanMake)
{
    EXPECT_EQ(copyJobs(8, 10), std::vector<int>{8});
    EXPECT_EQ(copyJobs(10, 10), std::vector<int>(10, 1));
    EXPECT_EQ(copyJobs(12, 10), std::vector<int>(12, 1));
    EXPECT_EQ(copyJobs(3, 1), std::vector<int>(3, 1));

    Fixture f;
    auto p = f.preview(f.rendered());
    f.host.onModal([&](QDialog &d) {
        auto &n = dynamic_cast<CopiesDialog &>(d);
        EXPECT_EQ(n.copiesEdit()->text(), QStringLiteral("1"));
        for (const QString &bad : {QStringLiteral("0"), QStringLiteral("two"), QStringLiteral("")}) {
            n.copiesEdit()->setText(bad);
            n.onOkButtonClicked();
            EXPECT_EQ(n.result(), 0);
        }
        n.copiesEdit()->setText(QStringLiteral(" 3 "));
        n.onOkButtonClicked();
        return n.result();
    });
    p->onMultipleCopiesClicked();
    ASSERT_EQ(f.host.messages().size(), 3u);
    EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("Invalid number of copies entered."));
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
    // A file takes every copy in one job: a job a copy would write the file anew each time.
    EXPECT_EQ(p->jobsStarted(), std::vector<int>{3});
    p->filePrinter()->wait();
    const QByteArray pdf = contents(f.dir.file(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 3);
}

TEST(PreviewWindow, PrintingWhileAPrintRunsIsRefused)
{
    Fixture f;
    auto stream = f.rendered();
    auto p = f.preview(stream);
    // A long print of the same stream keeps the printer busy.
    ASSERT_TRUE(p->filePrinter()->print(pdfPrinter(f.dir.file(QStringLiteral("long.pdf"))), 1, 1, 400));
    p->controls().printPage->click();
    p->actions().printPage->trigger();
    p->filePrinter()->wait();
    ASSERT_EQ(f.host.messages().size(), 2u);
    for (const auto &m : f.host.messages()) {
        EXPECT_EQ(m.caption, QStringLiteral("Error"));
        EXPECT_EQ(m.text, QStringLiteral("Previous print job has not yet finished.  Try again later."));
    }
    EXPECT_TRUE(p->jobsStarted().empty());

    p->controls().printPage->click();
    p->filePrinter()->wait();
    EXPECT_EQ(p->jobsStarted(), std::vector<int>{1});
    EXPECT_EQ(mediaBox(f.dir.file(QStringLiteral("printed.pdf"))),
              QSizeF(stream->pageWidth * 72, stream->pageHeight * 72));
}

TEST(TextExport, ListsAcrossThenDownUpToTheLastPlacedWord)
{
    const PuzzleRecord r = smallPuzzle();
    EXPECT_EQ(exportText(r, TextExportKind::Clues), "ACROSS\n1. Purrs\n3. Barks\n\nDOWN\n1. A fish\n");
    EXPECT_EQ(exportText(r, TextExportKind::Words), "ACROSS\n1. CAT\n3. DOG\n\nDOWN\n1. COD\n");
    // A damaged across count is held to the words there are.
    PuzzleRecord damaged = r;
    damaged.AcrossCount = 300;
    damaged.WordCount = 3;
    EXPECT_EQ(exportText(damaged, TextExportKind::Words), "ACROSS\n1. CAT\n3. DOG\n1. COD\n\nDOWN\n");

    Fixture f;
    f.record = r;
    f.settings.misc.lastExportTextFile = f.dir.file(QStringLiteral("old.txt"));
    auto p = f.preview(f.rendered());
    const QString path = f.dir.file(QStringLiteral("clues.txt"));
    f.host.pickFile(path);
    p->actions().exportClues->trigger();
    EXPECT_EQ(contents(path), QByteArray("ACROSS\n1. Purrs\n3. Barks\n\nDOWN\n1. A fish\n"));
    EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + path);
    ASSERT_EQ(f.host.fileRequests().size(), 1u);
    EXPECT_EQ(f.host.fileRequests()[0].title, QStringLiteral("Export Clues"));
    EXPECT_EQ(f.host.fileRequests()[0].initialPath, f.dir.file(QStringLiteral("old.txt")));
    EXPECT_EQ(f.settings.misc.lastExportTextFile, path);

    f.host.pickFile(f.dir.file(QStringLiteral("missing/words.txt")));
    p->actions().exportWords->trigger();
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].text, QStringLiteral("Unable to create export file."));
}

TEST(PreviewWindow, ExportsThePageAsAPdfAtItsPaperSize)
{
    Fixture f;
    f.settings.misc.lastExportTextFile = f.dir.path(); // a folder, as the settings' default is
    auto stream = f.rendered();
    auto p = f.preview(stream);
    const QString path = f.dir.file(QStringLiteral("page.pdf"));
    f.host.pickFile(path);
    p->controls().exportPdf->click();
    // Offered inside that folder, named after the puzzle.
    ASSERT_EQ(f.host.fileRequests().size(), 1u);
    const FileDialogStart start = fileDialogStart(f.host.fileRequests()[0].initialPath);
    EXPECT_EQ(start.folder, QDir(f.dir.path()).absolutePath());
    EXPECT_EQ(start.fileName, cp1252::toUnicode(f.record.PuzzleName.str()).trimmed() + QStringLiteral(".pdf"));
    const QByteArray pdf = contents(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(mediaBox(path), QSizeF(stream->pageWidth * 72, stream->pageHeight * 72));
    EXPECT_TRUE(f.host.messages().empty());
    EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + path);
    EXPECT_TRUE(p->grab().save(ScreenshotDir + QStringLiteral("/print_preview_after_export.png")));
}

TEST(PreviewWindow, ExportsThePuzzleForSolvingAndTellsWhyAFormatRefusesIt)
{
    Fixture f;
    f.settings.misc.lastExportTextFile = f.dir.path();
    auto p = f.preview(f.rendered());
    const struct {
        QAction *action;
        const char *suffix;
        QByteArray holds;
        const char *title;
    } cases[] = {
        {p->actions().exportIpuz, "ipuz", "\"http://ipuz.org/v2\"", "Export For Solving Apps"},
        {p->actions().exportPuz, "puz", QByteArray("ACROSS&DOWN\0", 12), "Export For Solving Apps"},
        {p->actions().exportSolvablePage, "html", "<!DOCTYPE html>", "Export As Solvable Web Page"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.suffix);
        const QString path = f.dir.file(QStringLiteral("solve.") + QLatin1String(c.suffix));
        f.host.pickFile(path);
        c.action->trigger();
        const FileRequest &request = f.host.fileRequests().back();
        EXPECT_EQ(request.title, QLatin1String(c.title));
        EXPECT_EQ(fileDialogStart(request.initialPath).fileName,
                  cp1252::toUnicode(f.record.PuzzleName.str()).trimmed() + QLatin1Char('.') + QLatin1String(c.suffix));
        EXPECT_TRUE(contents(path).contains(c.holds));
        EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + path);
    }
    EXPECT_TRUE(f.host.messages().empty());
    for (QMenu *menu : p->findChildren<QMenu *>()) {
        if (menu->title() == QStringLiteral("&File")) {
            menu->popup(QPoint(0, 0));
            settle();
            EXPECT_TRUE(menu->grab().save(ScreenshotDir + QStringLiteral("/print_preview_file_menu.png")));
            menu->hide();
        }
    }

    // A hyphen kept in a square, which the .puz format uses for an empty square: one error box
    // tells why, and nothing is written.
    f.record = test::builtRecord({"T-REX"}, {{"T-REX", 1, 1, true}});
    orderPlacedWords(f.record, 1);
    auto refused = f.preview(f.rendered());
    const QString path = f.dir.file(QStringLiteral("trex.puz"));
    f.host.pickFile(path);
    refused->actions().exportPuz->trigger();
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(f.host.messages()[0].text,
              QStringLiteral("Unable to create export file.\n") + path +
                  QStringLiteral(": The .puz format cannot hold the character \"-\" in a square"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReportStatusWindow, TellsEachWarningOnceAfterTheRunInOrder)
{
    Fixture f;
    PageLayout &layout = f.record.Layout;
    ASSERT_LE(layout.objectsInUse(), 17);
    int slot = layout.objectsInUse();
    for (const char *file : {"/nowhere/one.bmp", "/nowhere/two.bmp"}) {
        LayoutObject bitmap = object(ObjectKind::Bitmap, "Bitmap");
        bitmap.BitmapFile.set(file);
        layout.Objects[static_cast<size_t>(slot++)] = bitmap;
    }
    LayoutObject text = object(ObjectKind::Text, "Text 1", std::string(400, 'x') + " and more words");
    text.Bounds = {10, 10, 40, 14};
    layout.Objects[static_cast<size_t>(slot++)] = text;
    layout.ObjectCount = static_cast<int16_t>(slot);

    PuzzleRecord working = f.record;
    PrintStatusDialog form(DialogLook{}, f.host, working, printOptionsFromSettings(f.settings));
    EXPECT_EQ(form.statusText(), QStringLiteral("Printing Status"));
    EXPECT_EQ(form.button()->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(form.aborted()); // nothing to preview before the run
    form.formActivate();
    EXPECT_FALSE(form.aborted());
    EXPECT_TRUE(form.statusText().endsWith(QStringLiteral("\nPuzzle Generated!")));
    ASSERT_EQ(f.host.messages().size(), 2u);
    EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(f.host.messages()[0].text,
              QStringLiteral("One or more bitmaps in the layout design could not be located."));
    EXPECT_TRUE(f.host.messages()[1].text.startsWith(QStringLiteral("Text would not fit in allocated space.")));
}

TEST(PreviewWindow, ExportsMetafilesThroughTheirDialogsAndTellsOfLeftOutBitmaps)
{
    const struct {
        MetafileKind kind;
        bool button; // the button rather than the menu
        bool bitmap; // the layout holds a bitmap object
        const char *title;
        const char *filter;
        const char *suffix;
        QByteArray starts;
    } cases[] = {
        {MetafileKind::Wmf, true, false, "Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF",
         QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {MetafileKind::Wmf, false, true, "Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF",
         QByteArray("\xD7\xCD\xC6\x9A", 4)},
        {MetafileKind::Emf, false, false, "Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF)|*.EMF", "EMF",
         QByteArray("\x01\0\0\0", 4)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.title) + (c.bitmap ? " with a bitmap" : ""));
        Fixture f;
        if (c.bitmap) {
            PageLayout &layout = f.record.Layout;
            LayoutObject &o = layout.Objects[static_cast<size_t>(layout.objectsInUse())];
            o = layout.Objects[0];
            o.Kind = static_cast<int16_t>(ObjectKind::Bitmap);
            ++layout.ObjectCount;
        }
        const RenderedPage page = renderPuzzlePage(f.record, printOptionsFromSettings(f.settings));
        auto p = f.preview(page.stream);
        const bool wmf = c.kind == MetafileKind::Wmf;
        QAction *menu = wmf ? p->actions().exportWmf : p->actions().exportEmf;
        EXPECT_FALSE(menu->isEnabled()) << "not before the window has the rendering";
        p->setFits(page.fits);
        EXPECT_TRUE(menu->isEnabled());
        EXPECT_TRUE(p->controls().exportMetafile->isEnabled());

        QString &remembered = wmf ? f.settings.misc.lastExportWmfFile : f.settings.misc.lastExportEmfFile;
        remembered = f.dir.file(QStringLiteral("last"));
        const auto start = [&] { c.button ? p->controls().exportMetafile->click() : menu->trigger(); };
        // Cancelled: nothing asked further, nothing written.
        f.host.pickFile(std::nullopt);
        start();
        EXPECT_TRUE(f.host.messages().empty());

        const QString path = f.dir.file(QStringLiteral("page.") + QString::fromLatin1(c.suffix));
        f.host.pickFile(path);
        bool created = false;
        f.host.onModal([&](QDialog &d) {
            auto &creation = dynamic_cast<MetafileCreationDialog &>(d);
            EXPECT_EQ(creation.windowTitle(), QStringLiteral("Metafile Creation"));
            EXPECT_EQ(creation.label()->text(), QStringLiteral("Creating Metafile...  Please Wait."));
            EXPECT_TRUE(creation.okButton()->isHidden());
            creation.create();
            EXPECT_EQ(creation.label()->text(), QStringLiteral("Metafile Created"));
            EXPECT_FALSE(creation.okButton()->isHidden());
            if (c.kind == MetafileKind::Emf) {
                EXPECT_TRUE(creation.grab().save(ScreenshotDir + QStringLiteral("/metafile_created.png")));
            }
            created = true;
            creation.okButton()->click();
            return creation.result();
        });
        start();
        EXPECT_TRUE(created);
        ASSERT_EQ(f.host.fileRequests().size(), 2u);
        const FileRequest &request = f.host.fileRequests()[1];
        EXPECT_EQ(request.title, QString::fromLatin1(c.title));
        EXPECT_EQ(request.filter, QString::fromLatin1(c.filter));
        EXPECT_EQ(request.defaultSuffix, QString::fromLatin1(c.suffix));
        EXPECT_EQ(request.initialPath, f.dir.file(QStringLiteral("last")));
        EXPECT_TRUE(request.overwritePrompt);
        EXPECT_EQ(remembered, path);
        EXPECT_TRUE(contents(path).startsWith(c.starts));
        if (c.bitmap) {
            ASSERT_EQ(f.host.messages().size(), 1u);
            EXPECT_EQ(f.host.messages()[0].caption, QStringLiteral("Warning"));
            EXPECT_EQ(f.host.messages()[0].text,
                      QStringLiteral("Bitmaps in this puzzle will not be saved in the metafile."));
        } else {
            EXPECT_TRUE(f.host.messages().empty());
        }
        EXPECT_EQ(p->savedToLabel()->text(), QStringLiteral("Saved to ") + path);
    }
}
