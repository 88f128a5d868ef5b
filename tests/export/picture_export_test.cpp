// The picture exports (bitmap, JPEG, SVG) and the web page, read back by readers of the tests' own
// or by programs that are not ours: the bitmap's headers byte by byte, the JPEG's markers and its
// pixels through Qt's own decoder, the SVG rasterised by rsvg-convert beside the PDF page
// rasterised by pdftoppm, the web page's exact bytes.
#include "export/export_formats.h"
#include "export/page_picture.h"
#include "export/web_page.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "report/stream_replay.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

using namespace qx;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Sample {
    PuzzleRecord record;
    RenderedPage page;
    ExportInput input(int width) const
    {
        ExportInput in;
        in.record = &record;
        in.page = page.stream.get();
        in.pixelWidth = width;
        return in;
    }
};

const Sample &sample()
{
    static const Sample s = [] {
        Sample out;
        if (const auto record = CollectionFile(SamplePath).read(2))
            out.record = *record;
        PrintOptions options;
        applyLayout(options, out.record.Layout);
        out.page = renderPuzzlePage(out.record, options);
        return out;
    }();
    return s;
}

// A Windows bitmap as its published description reads it: the two headers, the palette and the
// pixels of a BITMAPINFOHEADER file without compression.
struct Bitmap {
    QString fault; // empty when the file reads
    quint32 fileSize = 0, offset = 0, infoSize = 0, imageSize = 0, colorsUsed = 0;
    qint32 width = 0, height = 0, xPerMeter = 0;
    quint16 planes = 0, bits = 0;
    quint32 compression = 0;
    std::vector<QRgb> palette;
    QImage pixels;
};

Bitmap readBitmap(const QByteArray &file)
{
    Bitmap b;
    const auto *d = reinterpret_cast<const uchar *>(file.constData());
    const auto u32 = [d](int at) { return qFromLittleEndian<quint32>(d + at); };
    const auto u16 = [d](int at) { return qFromLittleEndian<quint16>(d + at); };
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
        b.fault = QStringLiteral("no BM header");
        return b;
    }
    b.fileSize = u32(2);
    b.offset = u32(10);
    b.infoSize = u32(14);
    b.width = static_cast<qint32>(u32(18));
    b.height = static_cast<qint32>(u32(22));
    b.planes = u16(26);
    b.bits = u16(28);
    b.compression = u32(30);
    b.imageSize = u32(34);
    b.xPerMeter = static_cast<qint32>(u32(38));
    b.colorsUsed = u32(46);
    for (quint32 i = 0; i < b.colorsUsed && 54 + 4 * i + 4 <= static_cast<quint32>(file.size()); ++i)
        b.palette.push_back(qRgb(d[54 + 4 * i + 2], d[54 + 4 * i + 1], d[54 + 4 * i]));
    const qint64 row = (static_cast<qint64>(b.width) * b.bits + 31) / 32 * 4;
    if (b.width < 1 || b.height < 1 || b.offset + row * b.height > static_cast<qint64>(file.size())) {
        b.fault = QStringLiteral("pixels past the end");
        return b;
    }
    b.pixels = QImage(b.width, b.height, QImage::Format_RGB32);
    for (int y = 0; y < b.height; ++y) {
        const uchar *r = d + b.offset + row * (b.height - 1 - y); // bottom-up
        for (int x = 0; x < b.width; ++x) {
            QRgb c = 0;
            if (b.bits == 24)
                c = qRgb(r[3 * x + 2], r[3 * x + 1], r[3 * x]);
            else if (b.bits == 8 && r[x] < b.palette.size())
                c = b.palette[r[x]];
            b.pixels.setPixel(x, y, c);
        }
    }
    return b;
}

int colourDistance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// The mean difference of two pictures of one size, 0..255 per channel.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace

TEST(PictureSize, AWidthIsAWholeNumberWhosePictureStaysWithinTheLargestSide)
{
    const struct {
        const char *typed;
        double pageWidth, pageHeight;
        std::optional<int> width;
    } cases[] = {
        {"640", 8.5, 11, 640},        {" 640 ", 8.5, 11, 640},   {"0", 8.5, 11, std::nullopt}, {"abc", 8.5, 11, {}},
        {"-5", 8.5, 11, {}},          {"", 8.5, 11, {}},         {"12.5", 8.5, 11, {}},        {"20001", 11, 8.5, {}},
        {"20000", 11, 8.5, 20000},    {"15454", 8.5, 11, 15454}, {"15455", 8.5, 11, {}},       {"20000", 8.5, 11, {}},
        {"99999999999", 8.5, 11, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(pictureWidthFrom(QString::fromLatin1(c.typed), c.pageWidth, c.pageHeight), c.width);
    }
    // The height rounds to the nearest pixel: 301 × 11 / 8.5 = 389.5...
    EXPECT_EQ(pictureHeight(301, 8.5, 11), 390);
    EXPECT_EQ(pictureHeight(425, 8.5, 11), 550);
}

TEST(PictureSize, AQualityIsAWholeNumberFromOneToAHundred)
{
    const struct {
        const char *typed;
        std::optional<int> quality;
    } cases[] = {{"100", 100}, {" 1 ", 1}, {"50", 50}, {"0", {}}, {"101", {}}, {"abc", {}}, {"", {}}, {"5x", {}}};
    for (const auto &c : cases)
        EXPECT_EQ(jpegQualityFrom(QString::fromLatin1(c.typed)), c.quality) << c.typed;
}

TEST(BitmapExport, HeadersRowsAndPixelsInBothDepths)
{
    test::TempDir dir;
    const int width = 301; // 903 bytes of 24-bit pixels: each row padded by one byte
    const QImage expected = pageImage(*sample().page.stream, 0, width);
    for (const bool colors256 : {false, true}) {
        SCOPED_TRACE(colors256 ? "256 colours" : "24 bits");
        ExportInput in = sample().input(width);
        in.colors256 = colors256;
        const QString path = dir.file(QStringLiteral("page.bmp"));
        ASSERT_TRUE(bmpFormat().write(in, path));
        const QByteArray file = contents(path);
        const Bitmap b = readBitmap(file);
        ASSERT_TRUE(b.fault.isEmpty()) << b.fault.toStdString();
        const int bits = colors256 ? 8 : 24;
        const quint32 row = (width * bits + 31) / 32 * 4;
        EXPECT_EQ(b.fileSize, static_cast<quint32>(file.size()));
        EXPECT_EQ(b.infoSize, 40u);
        EXPECT_EQ(b.width, width);
        EXPECT_EQ(b.height, 390);
        EXPECT_EQ(b.planes, 1);
        EXPECT_EQ(b.bits, bits);
        EXPECT_EQ(b.compression, 0u);
        EXPECT_EQ(b.imageSize, row * 390);
        EXPECT_EQ(b.colorsUsed, colors256 ? 256u : 0u);
        EXPECT_EQ(b.offset, 54u + 4 * b.colorsUsed);
        EXPECT_EQ(b.offset + b.imageSize, b.fileSize);
        EXPECT_NEAR(b.xPerMeter, width / 8.5 / 0.0254, 1);
        if (!colors256) {
            EXPECT_EQ(b.pixels, expected.convertToFormat(QImage::Format_RGB32)) << "the page, top row first";
        } else {
            // Every pixel is the palette entry nearest to the 24-bit page's pixel: no dithering.
            int wrong = 0;
            for (int y = 0; y < b.height; ++y) {
                for (int x = 0; x < b.width; ++x) {
                    const QRgb want = expected.pixel(x, y);
                    const auto nearest = std::min_element(b.palette.begin(), b.palette.end(), [&](QRgb p, QRgb q) {
                        return colourDistance(p, want) < colourDistance(q, want);
                    });
                    wrong += b.pixels.pixel(x, y) != *nearest;
                }
            }
            EXPECT_EQ(wrong, 0);
            EXPECT_EQ(b.palette.front(), qRgb(0, 0, 0));
            EXPECT_EQ(b.palette[215], qRgb(255, 255, 255));
            ASSERT_TRUE(bmpFormat().write(in, dir.file(QStringLiteral("again.bmp"))));
            EXPECT_EQ(contents(dir.file(QStringLiteral("again.bmp"))), file) << "the same page, the same bytes";
        }
    }
}

TEST(JpegExport, ABaselineJpegAtTheQualityAsked)
{
    test::TempDir dir;
    const int width = 425;
    const QImage page = pageImage(*sample().page.stream, 0, width);
    qint64 lastSize = 0;
    for (const int quality : {10, 50, 100}) {
        SCOPED_TRACE(quality);
        ExportInput in = sample().input(width);
        in.jpegQuality = quality;
        const QString path = dir.file(QStringLiteral("page.jpg"));
        ASSERT_TRUE(jpegFormat().write(in, path));
        const QByteArray file = contents(path);
        ASSERT_TRUE(file.startsWith("\xFF\xD8"));
        EXPECT_TRUE(file.contains("\xFF\xC0")) << "baseline frame";
        EXPECT_FALSE(file.contains("\xFF\xC2")) << "no progressive frame";
        // The luminance table's first entry is the standard 16 scaled by the quality.
        const qsizetype dqt = file.indexOf("\xFF\xDB");
        ASSERT_GT(dqt, 0);
        const int first = static_cast<uchar>(file[dqt + 5]);
        EXPECT_EQ(first, quality == 100 ? 1 : quality == 50 ? 16 : 80);
        EXPECT_GT(file.size(), lastSize) << "a higher quality makes a larger file";
        lastSize = file.size();
        const QImage read = QImage::fromData(file, "JPG");
        ASSERT_EQ(read.size(), QSize(width, 550));
        EXPECT_LT(meanDifference(read, page), quality == 10 ? 8 : 3);
    }
    ExportInput in = sample().input(width);
    in.colors256 = true;
    const QString path = dir.file(QStringLiteral("page256.jpg"));
    ASSERT_TRUE(jpegFormat().write(in, path));
    EXPECT_LT(meanDifference(QImage(path), page), 4) << "made from the 256-colour picture";
}

TEST(SvgExport, LooksLikeThePdfPageWithItsTextAsText)
{
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(rsvg.isEmpty()) << "rsvg-convert (librsvg2-bin) is installed by scripts/bootstrap";
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is installed by scripts/bootstrap";
    test::TempDir dir;
    const QString svg = dir.file(QStringLiteral("page.svg"));
    const QString pdf = dir.file(QStringLiteral("page.pdf"));
    ASSERT_TRUE(svgFormat().write(sample().input(0), svg));
    ASSERT_TRUE(pdfFormat().write(sample().input(0), pdf));
    const QByteArray text = contents(svg);
    EXPECT_TRUE(text.contains("<text")) << "text kept as text";
    EXPECT_TRUE(text.contains("Our Solar System"));
    EXPECT_TRUE(text.contains("width=\"215.9mm\"")) << "the paper's size";

    // Both at 144 pixels per inch: 1224 × 1584. The two readers smooth text differently, so the
    // pictures differ a little everywhere there is text; what must agree is where the ink is.
    QProcess p;
    p.start(rsvg, {QStringLiteral("-w"), QStringLiteral("1224"), QStringLiteral("-h"), QStringLiteral("1584"),
                   QStringLiteral("-b"), QStringLiteral("white"), QStringLiteral("-o"),
                   dir.file(QStringLiteral("svg.png")), svg});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    p.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, dir.file(QStringLiteral("pdf"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QImage fromSvg(dir.file(QStringLiteral("svg.png")));
    const QImage fromPdf(dir.file(QStringLiteral("pdf.png")));
    ASSERT_EQ(fromSvg.size(), QSize(1224, 1584));
    ASSERT_EQ(fromPdf.size(), fromSvg.size());
    EXPECT_LT(meanDifference(fromSvg, fromPdf), 4.0);
    // Ink in the same places: the dark pixels of one are dark or nearly so in the other.
    int dark = 0, matched = 0;
    for (int y = 0; y < fromSvg.height(); ++y) {
        for (int x = 0; x < fromSvg.width(); ++x) {
            if (qGray(fromPdf.pixel(x, y)) > 64)
                continue;
            ++dark;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = fromSvg.valid(x + dx, y + dy) && qGray(fromSvg.pixel(x + dx, y + dy)) < 160;
            matched += near;
        }
    }
    ASSERT_GT(dark, 10000);
    EXPECT_GT(matched, dark * 99 / 100);
}

TEST(WebPage, ThePictureIsNamedAfterThePage)
{
    const struct {
        const char *page, *picture, *source;
    } cases[] = {
        {"/w/PUZZLE.htm", "PUZZLE.JPG", "PUZZLE.JPG"},
        {"/w/index.html", "index.hJPG", "index.hJPG"},
        {"my page#1 100%\".htm", "my page#1 100%\".JPG", "my%20page%231%20100%25%22.JPG"},
        {"/w/Café.htm", "Café.JPG", "Café.JPG"},
        {"/w/Αθήνα.htm", "Αθήνα.JPG", "%CE%91%CE%B8%CE%AE%CE%BD%CE%B1.JPG"},
        {"/w/ab", "JPG", "JPG"},
    };
    for (const auto &c : cases) {
        const QString page = QString::fromUtf8(c.page);
        SCOPED_TRACE(c.page);
        EXPECT_EQ(webPictureName(page), QString::fromUtf8(c.picture));
        EXPECT_EQ(webPictureSource(webPictureName(page)), QString::fromUtf8(c.source));
        EXPECT_FALSE(webPictureIsThePage(page));
    }
    EXPECT_EQ(webPicturePath(QStringLiteral("/w/index.html")), QStringLiteral("/w/index.hJPG"));
    EXPECT_TRUE(webPictureIsThePage(QStringLiteral("/w/X.JPG")));
}

TEST(WebPage, TheLinesAsWrittenForEmptyBlocksAndForEachWrapping)
{
    Settings::Html page;
    page.firstHeader.text.clear();
    EXPECT_EQ(webPageBytes(page, QStringLiteral("P.JPG")),
              QByteArray("<HTML>\r\n <HEAD>\r\n  <TITLE>Crossword Puzzle</TITLE>\r\n"
                         "  <META NAME=\"GENERATOR\" CONTENT=\"Trelvane / Quorvex 97\">\r\n </HEAD>\r\n <BODY>\r\n"
                         "  <CENTER><IMG SRC=\"P.JPG\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>\r\n"
                         " </BODY>\r\n</HTML>\r\n"));

    using Block = Settings::HtmlBlock;
    const struct {
        Block block;
        const char *line;
    } blocks[] = {
        {{QStringLiteral("My Puzzle"), true, false, true, 4},
         "<CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>"},
        {{QStringLiteral("x"), true, true, true, 7}, "<CENTER><I><B><FONT SIZE=7>x</FONT></B></I></CENTER><P>"},
        {{QStringLiteral("a < b & c"), false, true, false, 1}, "<I><FONT SIZE=1>a &lt; b &amp; c</FONT></I><P>"},
        {{QStringLiteral("two\nlines"), false, false, false, 3}, "<FONT SIZE=3>two\r\nlines</FONT><P>"},
        {{QString(), true, true, true, 3}, ""},
    };
    for (const auto &b : blocks)
        EXPECT_EQ(webBlockLine(b.block), QString::fromUtf8(b.line)) << b.line;

    // Each block in its place, the rules around the picture, Windows-1252 bytes.
    page.firstHeader = blocks[0].block;
    page.secondHeader = blocks[1].block;
    page.firstFooter = blocks[2].block;
    page.secondFooter = Block{QStringLiteral("Fin é"), false, false, false, 2};
    page.horizontalUpper = page.horizontalLower = true;
    const QByteArray bytes = webPageBytes(page, QStringLiteral("P.JPG")).value_or(QByteArray());
    EXPECT_TRUE(
        bytes.contains(" <BODY>\r\n  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n"
                       "  <CENTER><I><B><FONT SIZE=7>x</FONT></B></I></CENTER><P>\r\n  <HR><P>\r\n"
                       "  <CENTER><IMG SRC=\"P.JPG\" ALT=\"Quorvex 97 Puzzle\"></CENTER><P>\r\n  <HR><P>\r\n"
                       "  <I><FONT SIZE=1>a &lt; b &amp; c</FONT></I><P>\r\n  <FONT SIZE=2>Fin \xE9</FONT><P>\r\n"
                       " </BODY>\r\n"));
    page.secondFooter.text = QStringLiteral("Αλφα");
    EXPECT_EQ(webPageBytes(page, QStringLiteral("P.JPG")), std::nullopt);
}

TEST(WebPage, SaveTakesTheTextsTrimmedAndCut)
{
    Settings::Html page;
    takeWebTexts(page, {QStringLiteral("  Head  "), QStringLiteral("a\nb\n"), QString(1200, u'x'), QString()},
                 QStringLiteral(" ") + QString(150, u't'));
    EXPECT_EQ(page.firstHeader.text, QStringLiteral("Head"));
    EXPECT_EQ(page.secondHeader.text, QStringLiteral("a\nb"));
    EXPECT_EQ(page.firstFooter.text.size(), MaxWebBlockText);
    EXPECT_EQ(page.secondFooter.text, QString());
    EXPECT_EQ(page.webTitle, QString(100, u't'));
}

TEST(WebPage, PageAndPictureAreWrittenTogetherOrNotAtAll)
{
    test::TempDir dir;
    const QString html = dir.file(QStringLiteral("index.html"));
    const QString picture = dir.file(QStringLiteral("index.hJPG"));
    ExportInput in = sample().input(300);
    ASSERT_TRUE(htmlFormat().write(in, html));
    EXPECT_TRUE(contents(html).contains("<IMG SRC=\"index.hJPG\""));
    EXPECT_EQ(QImage(picture).size(), QSize(300, 388));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // The picture cannot be written (a folder holds its name): the old page stays, nothing else.
    put(html, "old");
    ASSERT_TRUE(QFile::remove(picture));
    ASSERT_TRUE(QDir().mkdir(picture));
    EXPECT_FALSE(htmlFormat().write(in, html));
    EXPECT_EQ(contents(html), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("index.html")});

    // A page named like its own picture is refused and nothing is written.
    const QString same = dir.file(QStringLiteral("X.JPG"));
    const FileStatus refused = htmlFormat().write(in, same);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, FileError::Kind::Refused);
    EXPECT_FALSE(QFile::exists(same));
}
