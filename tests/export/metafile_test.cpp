// The metafiles: their headers and records read here byte by byte as the published WMF and EMF
// layouts describe them (never through the writer's library), and the files opened by two readers
// that are not ours, wmf2svg and emf2svg-conv, which must find every text of the page and put each
// grid square within a pixel of where the printed page has it.
#include "export/export_formats.h"
#include "export/metafile_writer.h"
#include "render/print_options.h"
#include "render/render_page.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>

using namespace qx;

namespace {

const QString SamplePath = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

uint16_t u16(const QByteArray &b, qsizetype at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}
int16_t i16(const QByteArray &b, qsizetype at)
{
    return static_cast<int16_t>(u16(b, at));
}
uint32_t u32(const QByteArray &b, qsizetype at)
{
    return u16(b, at) | static_cast<uint32_t>(u16(b, at + 2)) << 16;
}
int32_t i32(const QByteArray &b, qsizetype at)
{
    return static_cast<int32_t>(u32(b, at));
}

struct Font {
    int height;
    int charset;
    QString face;
};

// What the tests read from a metafile.
struct Metafile {
    bool valid = false;
    QRect bounds; // WMF: the placeable box; EMF: rclBounds
    QRect frame;  // EMF: rclFrame
    int unitsPerInch = 0;
    QSize device, millimetres;
    QString description;
    std::vector<QString> texts;
    std::vector<Font> fonts;
    std::vector<QRect> rectangles; // left, top, right, bottom as stored
    bool endsWithEof = false;
};

QRect rectFromEdges(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); // QRect's right is inclusive
}

// A placeable WMF: the 22-byte placeable header, the 18-byte metafile header, then records of
// (size in 16-bit words, function, parameters).
Metafile readWmf(const QByteArray &b)
{
    Metafile m;
    if (b.size() < 40 || u32(b, 0) != 0x9AC6CDD7u)
        return m;
    uint16_t checksum = 0;
    for (int k = 0; k < 10; ++k)
        checksum ^= u16(b, 2 * k);
    if (checksum != u16(b, 20) || u16(b, 22) != 1 || u16(b, 24) != 9 || u16(b, 26) != 0x0300)
        return m;
    if (static_cast<qsizetype>(u32(b, 28)) * 2 + 22 != b.size())
        return m;
    m.bounds = rectFromEdges(i16(b, 6), i16(b, 8), i16(b, 10), i16(b, 12));
    m.unitsPerInch = u16(b, 14);
    qsizetype at = 40;
    while (at + 6 <= b.size()) {
        const qsizetype size = static_cast<qsizetype>(u32(b, at)) * 2;
        const uint16_t function = u16(b, at + 4);
        if (size < 6 || at + size > b.size())
            return m;
        const qsizetype p = at + 6;
        if (function == 0x0000) {
            m.endsWithEof = at + size == b.size();
            break;
        }
        if (function == 0x0A32) { // META_EXTTEXTOUT: y, x, length, options, [rectangle], string
            const int length = i16(b, p + 4);
            const qsizetype text = p + 8 + ((u16(b, p + 6) & 0x0006) ? 8 : 0);
            m.texts.push_back(QString::fromLatin1(b.mid(text, length)));
        } else if (function == 0x02FB) { // META_CREATEFONTINDIRECT
            m.fonts.push_back(
                Font{i16(b, p), static_cast<uint8_t>(b[p + 13]), QString::fromLatin1(b.mid(p + 18, 32).constData())});
        } else if (function == 0x041B) { // META_RECTANGLE: bottom, right, top, left
            m.rectangles.push_back(rectFromEdges(i16(b, p + 6), i16(b, p + 4), i16(b, p + 2), i16(b, p)));
        }
        at += size;
    }
    m.valid = true;
    return m;
}

QString utf16At(const QByteArray &b, qsizetype at, qsizetype count)
{
    QString out;
    for (qsizetype k = 0; k < count; ++k)
        out += QChar(u16(b, at + 2 * k));
    return out;
}

// An EMF: records of (type, size in bytes), the first the header.
Metafile readEmf(const QByteArray &b)
{
    Metafile m;
    if (b.size() < 88 || u32(b, 0) != 1 || u32(b, 40) != 0x464D4520u || u32(b, 48) != static_cast<uint32_t>(b.size()))
        return m;
    m.bounds = rectFromEdges(i32(b, 8), i32(b, 12), i32(b, 16), i32(b, 20));
    m.frame = rectFromEdges(i32(b, 24), i32(b, 28), i32(b, 32), i32(b, 36));
    m.description = utf16At(b, u32(b, 64), u32(b, 60));
    m.device = QSize(i32(b, 72), i32(b, 76));
    m.millimetres = QSize(i32(b, 80), i32(b, 84));
    qsizetype at = 0;
    while (at + 8 <= b.size()) {
        const uint32_t type = u32(b, at);
        const qsizetype size = u32(b, at + 4);
        if (size < 8 || at + size > b.size())
            return m;
        if (type == 14) { // EMR_EOF
            m.endsWithEof = at + size == b.size();
            break;
        }
        if (type == 84) // EMR_EXTTEXTOUTW: the text record at 36, its count at 44, its offset at 48
            m.texts.push_back(utf16At(b, at + u32(b, at + 48), u32(b, at + 44)));
        else if (type == 82) // EMR_EXTCREATEFONTINDIRECTW: the LOGFONT at 12
            m.fonts.push_back(
                Font{i32(b, at + 12), static_cast<uint8_t>(b[at + 35]), QString(utf16At(b, at + 40, 32).constData())});
        else if (type == 43) // EMR_RECTANGLE
            m.rectangles.push_back(rectFromEdges(i32(b, at + 8), i32(b, at + 12), i32(b, at + 16), i32(b, at + 20)));
        at += size;
    }
    m.valid = true;
    return m;
}

Metafile readMetafile(MetafileKind kind, const QByteArray &bytes)
{
    return kind == MetafileKind::Wmf ? readWmf(bytes) : readEmf(bytes);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Page {
    PuzzleRecord record;
    PrintOptions options;
    RenderedPage rendered;
};

// A sample puzzle with its answers shown, rendered as the preview renders it.
Page samplePage(int number, bool answerKey = true)
{
    Page p;
    const auto record = CollectionFile(SamplePath).read(number);
    EXPECT_TRUE(record) << number;
    if (record)
        p.record = *record;
    applyLayout(p.options, p.record.Layout);
    p.options.answerKey = answerKey;
    p.rendered = renderPuzzlePage(p.record, p.options);
    return p;
}

QByteArray exported(MetafileKind kind, const Page &page, const QString &path)
{
    ExportInput input;
    input.record = &page.record;
    input.page = page.rendered.stream.get();
    input.fits = page.rendered.fits.get();
    const FileStatus written = metafileFormat(kind).write(input, path);
    EXPECT_TRUE(written) << (written ? std::string() : written.error().errorText().toStdString());
    return contents(path);
}

} // namespace

TEST(Metafile, HeadersStateThePageInPixelsAndItsPhysicalSize)
{
    const struct {
        double width, height; // inches
        int pixelsWide, pixelsHigh, frameWide, frameHigh;
    } pages[] = {
        {8.5, 11, 816, 1056, 25908, 33528}, // Letter
        {11, 8.5, 1056, 816, 33528, 25908}, // Letter turned
        {8.27, 11.69, 793, 1122, 25206, 35631},
    };
    for (const auto &page : pages) {
        PageStream stream;
        stream.pageWidth = page.width;
        stream.pageHeight = page.height;
        stream.pages.emplace_back();
        const QRect pixels(0, 0, page.pixelsWide, page.pixelsHigh);

        const Metafile wmf = readWmf(metafileBytes(MetafileKind::Wmf, stream));
        ASSERT_TRUE(wmf.valid) << page.width;
        EXPECT_EQ(wmf.bounds, pixels);
        EXPECT_EQ(wmf.unitsPerInch, 96);
        EXPECT_TRUE(wmf.endsWithEof);

        const Metafile emf = readEmf(metafileBytes(MetafileKind::Emf, stream));
        ASSERT_TRUE(emf.valid) << page.width;
        EXPECT_EQ(emf.bounds, pixels);
        EXPECT_EQ(emf.frame, QRect(0, 0, page.frameWide, page.frameHigh));
        EXPECT_EQ(emf.description,
                  QStringLiteral("Quorvex 98") + QChar(0) + QStringLiteral("Crossword Puzzle") + QChar(0) + QChar(0));
        // A 96-dpi reference device.
        EXPECT_DOUBLE_EQ(emf.device.width() * 25.4 / emf.millimetres.width(), 96);
        EXPECT_DOUBLE_EQ(emf.device.height() * 25.4 / emf.millimetres.height(), 96);
        EXPECT_TRUE(emf.endsWithEof);
    }
}

TEST(Metafile, WritesTheRedrawnPagesTextsInItsFontsHeightsAndWhitePage)
{
    test::TempDir dir;
    const Page page = samplePage(2);
    const std::shared_ptr<const PageStream> redrawn = redrawPage(*page.rendered.fits);
    std::vector<QString> texts;
    std::set<std::pair<int, QString>> heights; // of every font the page uses
    for (const PageOp &op : redrawn->pages[0].ops) {
        if (op.kind != PageOp::Kind::Text)
            continue;
        texts.push_back(redrawn->textOf(op));
        heights.emplace(-(redrawn->fontOf(op).size * 96 / 72), redrawn->fontOf(op).name);
    }
    ASSERT_GT(texts.size(), 50u);
    for (const MetafileKind kind : {MetafileKind::Wmf, MetafileKind::Emf}) {
        const Metafile m =
            readMetafile(kind, exported(kind, page, dir.file(QStringLiteral("p.") + metafileFormat(kind).suffix())));
        ASSERT_TRUE(m.valid);
        EXPECT_EQ(m.texts, texts);
        std::set<std::pair<int, QString>> fonts;
        for (const Font &f : m.fonts) {
            EXPECT_EQ(f.charset, 0) << "ANSI";
            fonts.emplace(f.height, f.face);
        }
        EXPECT_EQ(fonts, heights);
        // The page is filled white first.
        ASSERT_FALSE(m.rectangles.empty());
        EXPECT_EQ(m.rectangles.front(), QRect(0, 0, 816, 1056));
    }
}

TEST(Metafile, CoordinatesFarOffThePageAreHeldToTheSixteenBitRange)
{
    PageStream stream;
    stream.pages.emplace_back();
    PageOp far;
    far.kind = PageOp::Kind::Rect;
    far.flags = PageOp::HasPen;
    far.x1 = -1000;
    far.y1 = std::numeric_limits<double>::quiet_NaN();
    far.x2 = 1000;
    far.y2 = 400;
    stream.pages[0].ops.push_back(far);
    for (const MetafileKind kind : {MetafileKind::Wmf, MetafileKind::Emf}) {
        const Metafile m = readMetafile(kind, metafileBytes(kind, stream));
        ASSERT_TRUE(m.valid);
        ASSERT_EQ(m.rectangles.size(), 2u);
        EXPECT_EQ(m.rectangles[1], rectFromEdges(-32768, 0, 32767, 32767));
    }
}

namespace {

struct Svg {
    QString text; // every text, one after another, separated by blanks
    std::vector<QRectF> rects;
};

double attribute(const QString &element, const QString &name)
{
    const QRegularExpression re(QStringLiteral("\\b%1=\"([-0-9.e]+)\"").arg(name));
    return re.match(element).captured(1).toDouble();
}

// Converts with the reader; the page maps onto an SVG as many units wide as it has pixels.
Svg convert(MetafileKind kind, const QString &path, QSize pixels)
{
    Svg svg;
    const QString out = path + QStringLiteral(".svg");
    QProcess p;
    if (kind == MetafileKind::Wmf)
        p.start(QStringLiteral("wmf2svg"), {QStringLiteral("--maxwidth=816"), QStringLiteral("--maxheight=1056"),
                                            QStringLiteral("--maxsize"), QStringLiteral("-o"), out, path});
    else
        p.start(QStringLiteral("emf2svg-conv"),
                {QStringLiteral("-w"), QStringLiteral("816"), QStringLiteral("-h"), QStringLiteral("1056"),
                 QStringLiteral("-i"), path, QStringLiteral("-o"), out});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "the reader failed on " << path.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return svg;
    }
    // wmf2svg writes the text's bytes as they are (Windows-1252); emf2svg-conv writes UTF-8.
    const QByteArray bytes = contents(out);
    const QString xml = kind == MetafileKind::Wmf ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    static const QRegularExpression textElement(
        QStringLiteral("<text[^>]*>\\s*(?:<!\\[CDATA\\[(.*?)\\]\\]>|([^<]*))\\s*</text>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto it = textElement.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString t = match.captured(1) + match.captured(2);
        t.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        t.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        t.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&#39;"), QStringLiteral("'"));
        svg.text += t + QLatin1Char(' ');
    }
    static const QRegularExpression rectElement(QStringLiteral("<rect[^>]*>"));
    for (auto it = rectElement.globalMatch(xml); it.hasNext();) {
        const QString e = it.next().captured(0);
        svg.rects.emplace_back(attribute(e, QStringLiteral("x")), attribute(e, QStringLiteral("y")),
                               attribute(e, QStringLiteral("width")), attribute(e, QStringLiteral("height")));
    }
    // The first rectangle is the white page: the reader's units are mapped back onto its pixels
    // (wmf2svg insets a drawing by half a pen and scales it by a hair).
    if (!svg.rects.empty()) {
        const QRectF page = svg.rects.front();
        const double sx = pixels.width() / page.width();
        const double sy = pixels.height() / page.height();
        for (QRectF &r : svg.rects) {
            r = QRectF(QPointF((r.left() - page.left()) * sx, (r.top() - page.top()) * sy),
                       QPointF((r.right() - page.left()) * sx, (r.bottom() - page.top()) * sy));
        }
    }
    return svg;
}

bool nearRect(const QRectF &a, const QRectF &b)
{
    return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1 &&
           std::abs(a.right() - b.right()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1;
}

} // namespace

TEST(Metafile, IndependentReadersFindEveryTextAndEachGridSquareWhereThePageHasIt)
{
    test::TempDir dir;
    for (const int number : {0, 2}) {
        const Page page = samplePage(number);
        // The printed page's outlines: the grid squares (and any other outlined box).
        std::vector<QRectF> outlines;
        for (const PageOp &op : page.rendered.stream->pages[0].ops) {
            if (op.kind == PageOp::Kind::Rect && op.has(PageOp::HasPen) && !op.has(PageOp::HasBrush))
                outlines.emplace_back(QPointF(op.x1 * 96, op.y1 * 96), QPointF(op.x2 * 96, op.y2 * 96));
        }
        ASSERT_GT(outlines.size(), 20u);
        // What must be read: the title, the headers, every word of every clue, every answer letter.
        std::vector<QString> wanted{QString::fromLatin1(page.record.PuzzleName.str()), QStringLiteral("Across"),
                                    QStringLiteral("Down")};
        for (int w = 0; w < page.record.WordCount; ++w) {
            for (const QString &token : QString::fromLatin1(page.record.Clues[static_cast<size_t>(w)].str())
                                            .split(QLatin1Char(' '), Qt::SkipEmptyParts))
                wanted.push_back(token);
            for (const QChar c : QString::fromLatin1(page.record.Words[static_cast<size_t>(w)].str()))
                wanted.push_back(c);
        }
        for (const MetafileKind kind : {MetafileKind::Wmf, MetafileKind::Emf}) {
            SCOPED_TRACE((kind == MetafileKind::Wmf ? "WMF of puzzle " : "EMF of puzzle ") + std::to_string(number));
            const QString path = dir.file(QStringLiteral("page%1.%2").arg(number).arg(metafileFormat(kind).suffix()));
            exported(kind, page, path);
            const Svg svg = convert(kind, path, QSize(816, 1056));
            for (const QString &w : wanted)
                EXPECT_TRUE(svg.text.contains(w)) << w.toStdString();
            int missing = 0;
            for (const QRectF &cell : outlines) {
                if (std::none_of(svg.rects.begin(), svg.rects.end(),
                                 [&](const QRectF &r) { return nearRect(r, cell); }))
                    ++missing;
            }
            EXPECT_EQ(missing, 0) << "of " << outlines.size() << " outlines";
        }
    }
}

TEST(Metafile, HeadersAreTheLayoutsOwnWhateverThePrintingChanged)
{
    test::TempDir dir;
    Page page = samplePage(2, false);
    // This printing's headers differ; the layout's across heading has its own text, its down
    // heading none (so it shows the label).
    for (int k = 0; k < page.record.Layout.objectsInUse(); ++k) {
        LayoutObject &o = page.record.Layout.Objects[static_cast<size_t>(k)];
        if (o.Kind == static_cast<int16_t>(ObjectKind::AcrossHeading))
            o.setText("Horizontal");
    }
    page.options.acrossHeader = "Printed Across";
    page.options.downHeader = "Printed Down";
    page.rendered = renderPuzzlePage(page.record, page.options);
    const auto has = [](const std::vector<QString> &texts, const char *t) {
        return std::find(texts.begin(), texts.end(), QString::fromLatin1(t)) != texts.end();
    };
    const PageStream &printed = *page.rendered.stream;
    EXPECT_TRUE(has(printed.texts, "Printed Across"));
    EXPECT_TRUE(has(printed.texts, "Printed Down"));
    for (const MetafileKind kind : {MetafileKind::Wmf, MetafileKind::Emf}) {
        const Metafile m =
            readMetafile(kind, exported(kind, page, dir.file(QStringLiteral("h.") + metafileFormat(kind).suffix())));
        EXPECT_TRUE(has(m.texts, "Horizontal"));
        EXPECT_TRUE(has(m.texts, "Down"));
        EXPECT_FALSE(has(m.texts, "Printed Across"));
        EXPECT_FALSE(has(m.texts, "Printed Down"));
    }
}
