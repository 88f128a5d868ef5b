// quorvex-cli render, run in-process: the page written in the format its name asks for, and one
// clear line for every kind of bad input.
#include "cli/commands.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace qx;

namespace {

const QString Samples = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

} // namespace

TEST(RenderCommand, WritesAPictureOrAPdfOfThePuzzle)
{
    test::TempDir dir;
    const QString png = dir.file(QStringLiteral("page.PNG"));
    auto r = cli::run(
        {"render", Samples, "2", "--out", png, "--width", "425", "--answer-key", "--parts", "title,body,clues"});
    EXPECT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Our Solar System")));
    EXPECT_EQ(QImage(png).size(), QSize(425, 550));
    EXPECT_TRUE(r.out.contains(QStringLiteral(" to ") + QFileInfo(png).absoluteFilePath() + QStringLiteral(".\n")))
        << "says where the file went";

    const QString pdf = dir.file(QStringLiteral("page.pdf"));
    r = cli::run({"render", Samples, "0", "--out", pdf, "--letters", "abc", "--skeleton"});
    EXPECT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);

    // The files for solving, picked by the extension or by --interactive.
    const struct {
        const char *name;
        bool interactive;
        QByteArray starts;
    } solving[] = {{"p.ipuz", false, "{"}, {"p.PUZ", false, QByteArray()}, {"p.html", true, "<!DOCTYPE html>"}};
    for (const auto &c : solving) {
        const QString path = dir.file(QLatin1String(c.name));
        QStringList args{"render", Samples, "0", "--out", path};
        if (c.interactive)
            args << QStringLiteral("--interactive");
        r = cli::run(args);
        EXPECT_EQ(r.status, 0) << r.error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.starts) && bytes.size() > 1000) << c.name;
    }
}

TEST(RenderCommand, WritesEachPictureFormatWithItsOptions)
{
    test::TempDir dir;
    const struct {
        const char *name;
        QStringList options;
        QByteArray starts;
        QSize size; // of the picture; none for a drawing
    } cases[] = {
        {"page.bmp", {"--width", "301", "--colors", "256"}, "BM", {301, 390}},
        {"page.JPG", {"--width", "425", "--quality", "100"}, "\xFF\xD8", {425, 550}},
        {"page.svg", {}, "<?xml", {}},
        {"page.html", {"--width", "200"}, "<HTML>\r\n", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.file(QString::fromLatin1(c.name));
        const auto r = cli::run(QStringList{"render", Samples, "2", "--out", out} + c.options);
        ASSERT_EQ(r.status, 0) << r.error.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(c.starts));
        if (c.size.isValid()) {
            EXPECT_EQ(QImage(out).size(), c.size);
        }
    }
    // The web page's picture beside it, named after it, and said where.
    const QString picture = dir.file(QStringLiteral("page.hJPG"));
    EXPECT_EQ(QImage(picture).width(), 200);
    EXPECT_TRUE(cli::run({"render", Samples, "2", "--out", dir.file(QStringLiteral("page.html"))})
                    .out.contains(QFileInfo(picture).absoluteFilePath()));
    QFile bmp(dir.file(QStringLiteral("page.bmp")));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    EXPECT_EQ(bmp.readAll().at(28), 8) << "--colors 256 writes 8 bits per pixel";
}

TEST(RenderCommand, BadInputGivesOneLineAndStatusOne)
{
    test::TempDir dir;
    const QString out = dir.file(QStringLiteral("x.png"));
    const QString jpg = dir.file(QStringLiteral("x.jpg"));
    const std::vector<QStringList> bad = {
        {"render", Samples, "0"},
        {"render", Samples, "0", "--out", dir.file(QStringLiteral("x.gif"))},
        {"render", Samples, "99", "--out", out},
        {"render", Samples, "-1", "--out", out},
        {"render", dir.file(QStringLiteral("none.QX3")), "0", "--out", out},
        {"render", Samples, "0", "--out", out, "--width", "0"},
        {"render", Samples, "0", "--out", out, "--parts", "title,cover"},
        {"render", Samples, "0", "--out", out, "--bold"},
        {"render", Samples, "0", "--out", dir.file(QStringLiteral("missing/dir/x.png"))},
        {"render", Samples, "0", "--out", dir.file(QStringLiteral("missing/dir/x.puz"))},
        {"render", Samples, "0", "--out", dir.file(QStringLiteral("x.pdf")), "--interactive"},
        {"render", Samples, "0", "--out", out, "--width", "abc"},
        {"render", Samples, "0", "--out", out, "--width", "20001"},
        {"render", Samples, "0", "--out", out, "--width", "15455"}, // 20,001 pixels high on Letter
        {"render", Samples, "0", "--out", jpg, "--quality", "0"},
        {"render", Samples, "0", "--out", jpg, "--quality", "101"},
        {"render", Samples, "0", "--out", jpg, "--colors", "17"},
    };
    for (const auto &args : bad) {
        const auto r = cli::run(args);
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
    }
}

TEST(RenderCommand, AnOptionTheChosenFileDoesNotHaveIsRefusedWithOneLine)
{
    // Each option with the files it shapes; every other output type refuses it, naming it.
    test::TempDir dir;
    const QStringList types = {"pdf", "png", "bmp", "jpg", "svg", "html", "wmf", "emf", "ipuz", "puz", "solve.html"};
    const QStringList pages = {"pdf", "png", "bmp", "jpg", "svg", "html", "wmf", "emf"};
    const struct {
        QStringList option;
        QStringList takenBy;
    } rules[] = {
        {{"--width", "300"}, {"png", "bmp", "jpg", "html"}},
        {{"--quality", "80"}, {"jpg", "html"}},
        {{"--colors", "256"}, {"bmp", "jpg", "html"}},
        {{"--answer-key"}, pages},
        {{"--letters", "AE"}, pages},
        {{"--skeleton"}, pages},
        {{"--parts", "title,body"}, pages},
        {{"--layout", "0"}, pages},
    };
    for (const auto &rule : rules) {
        for (const QString &type : types) {
            SCOPED_TRACE((rule.option.join(' ') + QLatin1Char(' ') + type).toStdString());
            QStringList args = {"render", Samples, "2", "--out", dir.file(QStringLiteral("page.") + type)};
            if (type == QLatin1String("solve.html"))
                args << "--interactive";
            const auto r = cli::run(args + rule.option);
            if (rule.takenBy.contains(type)) {
                EXPECT_EQ(r.status, 0) << r.error.toStdString();
            } else {
                EXPECT_EQ(r.status, 1);
                EXPECT_TRUE(r.error.startsWith(rule.option[0] + QStringLiteral(" does not apply to page.")))
                    << r.error.toStdString();
                EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
            }
        }
    }
}

TEST(RenderCommand, AFileThatCannotBeWrittenWholeIsOneLineAndTheOldFileStays)
{
    // The real program, with its files limited to 4 KB as on a full disk: the picture or PDF
    // cannot be written whole. Any second line (the image library's own complaint) would show.
    test::TempDir dir;
    for (const char *name : {"page.pdf", "page.png", "page.bmp", "page.jpg"}) {
        SCOPED_TRACE(name);
        const QString out = dir.file(QString::fromLatin1(name));
        {
            QFile old(out);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QProcess cli;
        cli.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        QStringList args = {"render", Samples, "2", "--out", out};
        if (!out.endsWith(QLatin1String(".pdf")))
            args << "--width"
                 << "800";
        cli.start(QStringLiteral(QUORVEX_BINARY_DIR "/quorvex-cli"), args);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), 1);
        const QString error = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
        EXPECT_TRUE(error.contains(out)) << error.toStdString();
        EXPECT_FALSE(cli.readAllStandardOutput().contains("Rendered"));
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old"));
    }
}

TEST(RenderCommand, AFifoAsTheOutputIsRefusedRatherThanWaitedOn)
{
    test::TempDir dir;
    const QString fifo = dir.file(QStringLiteral("pipe.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto r = cli::run({"render", Samples, "0", "--out", fifo});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.error.contains(fifo)) << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
}

TEST(RenderCommand, WritesMetafilesAndSaysThatBitmapsAreLeftOut)
{
    test::TempDir dir;
    const struct {
        const char *name;
        QByteArray starts;
    } cases[] = {{"page.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)}, {"PAGE.EMF", QByteArray("\x01\0\0\0", 4)}};
    for (const auto &c : cases) {
        const QString out = dir.file(QString::fromLatin1(c.name));
        const auto r = cli::run({"render", Samples, "2", "--out", out, "--answer-key", "--parts", "title,body"});
        EXPECT_EQ(r.status, 0) << r.error.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
        EXPECT_TRUE(file.readAll().startsWith(c.starts)) << c.name;
        EXPECT_FALSE(r.out.contains(QStringLiteral("Bitmaps")));
    }
    // A layout with a bitmap object: the metafile is written without it, and the user is told.
    const QString collection = dir.file(QStringLiteral("bitmap.QX3"));
    ASSERT_TRUE(QFile::copy(Samples, collection));
    CollectionFile file(collection);
    auto record = file.read(2);
    ASSERT_TRUE(record);
    PageLayout &layout = record->Layout;
    layout.Objects[static_cast<size_t>(layout.objectsInUse())].Kind = static_cast<int16_t>(ObjectKind::Bitmap);
    ++layout.ObjectCount;
    ASSERT_TRUE(file.replace(2, *record));
    const auto r = cli::run({"render", collection, "2", "--out", dir.file(QStringLiteral("b.emf"))});
    EXPECT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Warning: Bitmaps in this puzzle will not be saved in the metafile.")))
        << r.out.toStdString();
}
