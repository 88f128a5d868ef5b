// The build tool that turns layout descriptions into the shipped library: a description comes out
// as the record it describes, and every fault stops the build naming the file and line, with the old
// library left as it was.

#include "layout/layout_library.h"

#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qx;
using namespace qx::test;

namespace {

struct LayoutCompilerTest : ::testing::Test {
    TempDir dir;
    QString output = dir.file(QStringLiteral("QXFPAGE.DAT"));

    QString description(const QString &name, const std::string &text) const
    {
        const auto path = dir.file(name);
        writeAll(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }

    ToolRun compile(const QStringList &descriptions) const
    {
        return runDataTool(QStringLiteral("quorvex_layout_compiler"), QStringList{output} + descriptions);
    }
};

const std::string Page = "name: Test Page\npaper: Letter\norientation: portrait\n";
const std::string Title = "object: title\nbounds: 0.5 0.5 8.0 1.0\n";

} // namespace

TEST_F(LayoutCompilerTest, ADescriptionBecomesItsRecord)
{
    const auto path = description(QStringLiteral("page.layout"),
                                  Page + Title + "size: 20\nstyle: bold italic\nalign: right\ncolor: #FF0000\n" +
                                      "object: text\nbounds: 1 2 3 4\ntext: first line\ntext: second line\n");
    const auto run = compile({path});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto layout = LayoutLibrary(output).read(0).value();
    EXPECT_EQ(layout.LayoutName.str(), "Test Page");
    ASSERT_EQ(layout.ObjectCount, 2);
    const LayoutObject &title = layout.Objects[0];
    EXPECT_EQ(title.FontSize, 20);
    EXPECT_EQ(title.Bold, 1);
    EXPECT_EQ(title.Italic, 1);
    EXPECT_EQ(title.Alignment, 3);
    EXPECT_EQ(title.FontColor, 0x0000FFu) << "stored with red in the low byte";
    EXPECT_EQ(layout.Objects[1].text(), "first line\r\nsecond line");
}

TEST_F(LayoutCompilerTest, EveryFaultStopsTheBuildNamingFileAndLineAndKeepsTheOldLibrary)
{
    const struct {
        std::string text;
        std::string where; // after the file name
        std::string what;
    } cases[] = {
        {"paper: Letter\n" + Title, ":", "no name"},
        {"name: " + std::string(21, 'N') + "\npaper: Letter\n", ":1:", "1 to 20 characters"},
        {"name: X\npaper: Napkin\n", ":2:", "unknown paper \"Napkin\""},
        {"name: X\npaper: Letter\norientation: sideways\n", ":3:", "portrait or landscape"},
        {"name: X\npaper: Letter\nstart: built-in\n", ":3:", "only \"start: built-in\""},
        {"name: X\ncolour: red\n", ":2:", "unknown page key \"colour\""},
        {"name: X\njust words\n", ":2:", "expected \"key: value\""},
        {"name: X\n" + Title, ":2:", "name the paper before the first object"},
        {Page + "object: teapot\n", ":4:", "unknown object kind \"teapot\""},
        {Page + Title + Title, ":6:", "cannot hold this title as well"},
        {Page + "object: title\nsize: 12\n", ":4:", "the object has no bounds"},
        {Page + "object: title\nbounds: 0 0 9 1\n", ":5:", "reaches beyond the page"},
        {Page + "object: title\nbounds: 2 2 1 3\n", ":5:", "no width or no height"},
        {Page + Title + "size: 3\n", ":6:", "malformed object key \"size\""},
        {Page + Title + "color: red\n", ":6:", "malformed object key \"color\""},
        {Page + Title + "style: shouting\n", ":6:", "malformed object key \"style\""},
        {Page + Title + "columns: 7\n", ":6:", "malformed object key \"columns\""},
        {Page + Title + "wobble: yes\n", ":6:", "malformed object key \"wobble\""},
    };
    const auto good = description(QStringLiteral("good.layout"), Page + Title);
    const std::vector<uint8_t> oldLibrary(PageLayout::Size, 0x5A);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        writeAll(output, oldLibrary);
        const auto bad = description(QStringLiteral("bad.layout"), c.text);
        const auto run = compile({good, bad});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.errors.find(bad.toStdString() + c.where), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(c.what), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find("layout library not written"), std::string::npos) << run.errors;
        EXPECT_EQ(readAll(output), oldLibrary);
    }
}
