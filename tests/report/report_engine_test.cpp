// The report engine: screen-independent measurement, the page stream and its replay onto pictures
// and PDF.
#include "report/font_measure.h"
#include "report/recording_canvas.h"
#include "report/stream_replay.h"

#include <QPainter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace qx;

TEST(FontMeasure, ArialMeasuresAsItsMetricTwinAndWidthsAddUp)
{
    ReportFont arial;
    arial.size = 72;
    // Liberation Sans gives W an advance of 1933/2048 em, as Arial does: at 72 points, one inch.
    EXPECT_NEAR(FontMeasure::textWidth(arial, u"W"), 1933.0 / 2048, 1e-3);
    EXPECT_NEAR(FontMeasure::textWidth(arial, u"AWAY"),
                FontMeasure::textWidth(arial, u"AW") + FontMeasure::textWidth(arial, u"AY"), 1e-12);
    arial.size = 36;
    EXPECT_NEAR(FontMeasure::textWidth(arial, u"W"), 1933.0 / 4096, 1e-3);
    arial.bold = true;
    EXPECT_GT(FontMeasure::textWidth(arial, u"crossword"), 0);
    const FontExtents e = FontMeasure::extents(arial);
    EXPECT_NEAR(e.ascent, 0.5 * 1854.0 / 2048, 0.01);
    EXPECT_NEAR(e.descent, 0.5 * 434.0 / 2048, 0.01);
}

namespace {

// A page with one of everything the stream records.
std::shared_ptr<const PageStream> samplePage(PaperKind paper, Orientation orientation)
{
    RecordingCanvas filer;
    filer.setOrientation(orientation);
    filer.OnBeforePrint = [paper](ReportCanvas &r) { r.setPaper(paper); };
    filer.OnPrintPage = [](ReportCanvas &r) {
        r.setPen(Qt::black);
        r.setBrush(Qt::black);
        r.fillRect(1, 1, 2, 2);
        r.frameRect(3, 1, 4, 2);
        r.moveTo(1, 3);
        r.lineTo(4, 3);
        r.ellipse(1, 4, 2, 5);
        r.arc(3, 4, 4, 5, 0, 180);
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        r.stretchDraw(5, 1, 6, 2, picture);
        r.setFont(ReportFont{QStringLiteral("Arial"), 24});
        r.setBackgroundMode(BackgroundMode::Opaque);
        r.printXY(1, 6, u"Crossword");
        // Far beyond the page: dropped or cut, never handed to a device as it is.
        r.fillRect(-1e9, -1e9, 1e9, 1e9);
        r.printXY(1e12, 1e12, u"lost");
    };
    filer.execute();
    return filer.takeStream();
}

} // namespace

TEST(PageStream, RecordsInInchesAndReplaysAtAnyWidth)
{
    const auto stream = samplePage(PaperKind::Letter, Orientation::Portrait);
    ASSERT_EQ(stream->pageCount(), 1);
    EXPECT_EQ(stream->pages[0].ops.size(), 8u); // the far text is dropped, the far rectangle cut
    const PageOp &cut = stream->pages[0].ops.back();
    EXPECT_EQ(cut.kind, PageOp::Kind::Rect);
    EXPECT_DOUBLE_EQ(cut.x1, -1);
    EXPECT_DOUBLE_EQ(cut.x2, 9.5);

    const QImage small = pageImage(*stream, 0, 85);
    const QImage large = pageImage(*stream, 0, 850);
    EXPECT_EQ(small.size(), QSize(85, 110));
    EXPECT_EQ(large.size(), QSize(850, 1100));
    EXPECT_TRUE(pageImage(*stream, 0, 0).isNull());
    EXPECT_TRUE(pageImage(*stream, 3, 100).pixelColor(50, 50) == Qt::white) << "a page not held is blank";
    // The last rectangle covers the page in black; the same page at two scales agrees.
    EXPECT_EQ(large.pixelColor(425, 550), QColor(Qt::black));
    EXPECT_EQ(small.pixelColor(42, 55), QColor(Qt::black));
}

TEST(PageStream, PdfTakesThePaperSizeAndOrientation)
{
    const auto check = [&](PaperKind paper, Orientation o, double width, double height) {
        const QByteArray bytes = pdfDocument(*samplePage(paper, o), QStringLiteral("Title"));
        EXPECT_TRUE(bytes.startsWith("%PDF"));
        const auto m = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                           .match(QString::fromLatin1(bytes));
        ASSERT_TRUE(m.hasMatch());
        EXPECT_NEAR(m.captured(1).toDouble(), width, 0.01);
        EXPECT_NEAR(m.captured(2).toDouble(), height, 0.01);
    };
    check(PaperKind::Letter, Orientation::Portrait, 612, 792);
    check(PaperKind::Legal, Orientation::Landscape, 1008, 612);
}
