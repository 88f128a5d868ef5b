// quorvex-cli render, run in-process: the page written in the format its name asks for, and one
// clear line for every kind of bad input.
#include "cli/commands.h"

#include "support/temp_dir.h"

#include <QImage>

#include <gtest/gtest.h>

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

    const QString pdf = dir.file(QStringLiteral("page.pdf"));
    r = cli::run({"render", Samples, "0", "--out", pdf, "--letters", "abc", "--skeleton"});
    EXPECT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST(RenderCommand, BadInputGivesOneLineAndStatusOne)
{
    test::TempDir dir;
    const QString out = dir.file(QStringLiteral("x.png"));
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
    };
    for (const auto &args : bad) {
        const auto r = cli::run(args);
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
    }
}
