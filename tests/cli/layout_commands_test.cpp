// quorvex-cli on the page layout library: the shipped library listed, a layout exported and
// imported again byte for byte, a rendering with a library layout, and one line for each refusal.
#include "cli/commands.h"
#include "layout/layout_library.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

const QString Shipped = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/QXFPAGE.DAT");
const QString Samples = QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3");

cli::Result run(const QStringList &args)
{
    return cli::run(args);
}

} // namespace

TEST(LayoutCommands, ExportAndImportCarryALayoutWholeAndRenderTakesOneForOnePrinting)
{
    TempDir dir;
    const QString library = dir.file(QStringLiteral("QXFPAGE.DAT"));
    ASSERT_TRUE(QFile::copy(Shipped, library));
    const cli::Result listed = run({QStringLiteral("layouts"), library});
    ASSERT_EQ(listed.status, 0);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("    8  Landscape (Letter)")));

    const QString pag = dir.file(QStringLiteral("hand.PAG"));
    EXPECT_EQ(run({QStringLiteral("layout-export"), library, QStringLiteral("6"), pag}).status, 0);
    const cli::Result imported = run({QStringLiteral("layout-import"), library, pag});
    EXPECT_EQ(imported.status, 0);
    EXPECT_TRUE(imported.out.contains(QStringLiteral("as layout 9")));
    const LayoutLibrary lib(library);
    EXPECT_EQ(lib.read(9)->encoded(), lib.read(6)->encoded());

    const QString png = dir.file(QStringLiteral("page.png"));
    const cli::Result rendered =
        run({QStringLiteral("render"), Samples, QStringLiteral("0"), QStringLiteral("--layout"), QStringLiteral("8"),
             QStringLiteral("--layouts"), library, QStringLiteral("--out"), png});
    EXPECT_EQ(rendered.status, 0) << rendered.error.toStdString();
    EXPECT_GT(QFile(png).size(), 1000);
}

TEST(LayoutCommands, EachRefusalIsOneLineAndAFailingStatus)
{
    TempDir dir;
    const QString library = dir.file(QStringLiteral("QXFPAGE.DAT"));
    ASSERT_TRUE(QFile::copy(Shipped, library));
    QFile shortFile(dir.file(QStringLiteral("short.PAG")));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("PAG1.0 and not much more");
    shortFile.close();
    const struct {
        QStringList args;
        QString error;
    } cases[] = {
        {{"layout-export", library, "9", dir.file("x.PAG")}, "layout 9 is not in"},
        {{"layout-export", library, "-1", dir.file("x.PAG")}, "not a layout number: -1"},
        {{"layout-export", dir.file("none.DAT"), "0", dir.file("x.PAG")}, "cannot open layout library"},
        {{"layout-export", library, "0", dir.file("no/such/x.PAG")}, "cannot write"},
        {{"layout-import", library, dir.file("none.PAG")}, "cannot read"},
        {{"layout-import", library, shortFile.fileName()}, "is corrupt or is not a page layout file"},
        {{"layout-import", dir.file("no/QXFPAGE.DAT"), dir.file("short.PAG")}, "is corrupt"},
        {{"render", Samples, "0", "--layout", "12", "--layouts", library, "--out", dir.file("p.png")},
         "layout 12 is not in"},
        {{"render", Samples, "0", "--layouts", library, "--out", dir.file("p.png")}, "--layouts names the library"},
    };
    for (const auto &c : cases) {
        const cli::Result r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.error.contains(c.error)) << r.error.toStdString();
        EXPECT_FALSE(r.error.contains(QLatin1Char('\n')));
    }
    EXPECT_EQ(*LayoutLibrary(library).count(), 9);
}
