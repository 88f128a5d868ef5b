// Every shipped sample puzzle through the real fonts, into a PDF and a picture; a few pictures are
// kept under the build tree's screenshots/ for a person to look at.
#include "export/export_formats.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/stream_replay.h"
#include "store/collection_file.h"

#include "support/screenshots.h"
#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace qx;
using qx::test::saveScreenshot;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");
// The page size a PDF declares, in points.
QSizeF mediaBox(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(f.readAll());
    const auto m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(text);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// Share of pixels darker than mid-grey inside a part of the picture.
double inkIn(const QImage &image, const QRect &area)
{
    int dark = 0;
    int all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++all;
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return all ? static_cast<double>(dark) / all : 0;
}

} // namespace

TEST(SamplePages, EverySamplePrintsToPdfAndPictureAtItsPaperSize)
{
    const CollectionFile samples(SamplePath);
    const auto count = samples.count();
    ASSERT_TRUE(count && *count >= 8);
    test::TempDir dir;
    for (int n = 0; n < *count; ++n) {
        const auto record = samples.read(n);
        ASSERT_TRUE(record);
        SCOPED_TRACE(record->PuzzleName.str());
        PrintOptions options;
        applyLayout(options, record->Layout);
        const RenderedPage page = renderPuzzlePage(*record, options);
        EXPECT_TRUE(page.outcome.warnings().empty()) << "the samples fit their layout";
        ASSERT_EQ(page.stream->pageCount(), 1);
        EXPECT_GT(page.stream->pages[0].ops.size(), 200u);

        const QString pdf = dir.file(QStringLiteral("page%1.pdf").arg(n));
        ExportInput input;
        input.record = &*record;
        input.page = page.stream.get();
        const FileStatus written = pdfFormat().write(input, pdf);
        ASSERT_TRUE(written) << written.error().errorText().toStdString();
        const QSizeF size = mediaBox(pdf);
        EXPECT_NEAR(size.width(), 612, 0.5);
        EXPECT_NEAR(size.height(), 792, 0.5);
        EXPECT_GT(QFileInfo(pdf).size(), 5000);

        const QImage image = pageImage(*page.stream, 0, 850);
        ASSERT_EQ(image.size(), QSize(850, 1100));
        // A title at the top, a grid in the middle, clue lists below: ink in each band, and white
        // margins around the page.
        EXPECT_GT(inkIn(image, QRect(100, 95, 650, 30)), 0.003);
        EXPECT_GT(inkIn(image, QRect(200, 160, 450, 420)), 0.02);
        EXPECT_GT(inkIn(image, QRect(100, 660, 650, 300)), 0.01);
        EXPECT_EQ(inkIn(image, QRect(0, 0, 850, 60)), 0);
        if (n < 3)
            saveScreenshot(image, QStringLiteral("sample-%1.png").arg(n));
    }
}

TEST(SamplePages, AnswerKeyAndPartialLettersShowLettersInTheGrid)
{
    const auto record = CollectionFile(SamplePath).read(4);
    ASSERT_TRUE(record);
    PrintOptions options;
    applyLayout(options, record->Layout);
    const auto textCount = [](const PageStream &s) {
        int n = 0;
        for (const PageOp &op : s.pages[0].ops)
            n += op.kind == PageOp::Kind::Text ? 1 : 0;
        return n;
    };
    const int empty = textCount(*renderPuzzlePage(*record, options).stream);
    options.answerKey = true;
    const RenderedPage key = renderPuzzlePage(*record, options);
    EXPECT_GT(textCount(*key.stream), empty + 100);
    saveScreenshot(pageImage(*key.stream, 0, 1275), QStringLiteral("sample-4-answer-key.png"));

    options.answerKey = false;
    options.partialLetters = true;
    options.letters = "ae";
    options.useBoxes = true;
    const int partial = textCount(*renderPuzzlePage(*record, options).stream);
    EXPECT_GT(partial, empty);
    EXPECT_LT(partial, textCount(*key.stream));
}
