// The build tool that turns shape pictures into the shipped library: a picture comes out square for
// square, and a faulty one stops the build with its file and line, leaving the old library alone.

#include "shapes/shape_library.h"

#include "support/temp_dir.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

using namespace qx;
using namespace qx::test;

namespace {

struct ShapeCompilerTest : ::testing::Test {
    TempDir dir;
    QString output = dir.file(QStringLiteral("QXFLAY.DAT"));

    QString picture(const QString &name, const std::string &text) const
    {
        const auto path = dir.file(name);
        writeAll(path, std::vector<uint8_t>(text.begin(), text.end()));
        return path;
    }

    ToolRun compile(const QStringList &pictures) const
    {
        return runDataTool(QStringLiteral("quorvex_shape_compiler"), QStringList{output} + pictures);
    }
};

std::string rows(int width, int height, char fill = '#')
{
    std::string text;
    for (int r = 0; r < height; ++r)
        text += std::string(width, fill) + "\n";
    return text;
}

} // namespace

TEST_F(ShapeCompilerTest, PictureBecomesARecordSquareForSquare)
{
    const auto path = picture(QStringLiteral("ring.txt"), "name:   Ring with a hole  \n"
                                                          ".####.\n"
                                                          "##..##\n"
                                                          "#....#\n"
                                                          "##..##\n"
                                                          ".####.\n"
                                                          "######\n");
    const auto run = compile({path});
    ASSERT_EQ(run.exitCode, 0) << run.errors;

    const ShapeLibrary library(output);
    ASSERT_EQ(library.count(), 1);
    const auto shape = library.read(0).value();
    EXPECT_EQ(shape.ShapeName.str(), "Ring with a hole");
    EXPECT_EQ(shape.ShapeWidth, 6);
    EXPECT_EQ(shape.ShapeHeight, 6);
    const std::vector<std::string> expected = {".####.", "##..##", "#....#", "##..##", ".####.", "######"};
    for (int row = 1; row <= ShapeRecord::Side; ++row) {
        for (int col = 1; col <= ShapeRecord::Side; ++col) {
            const bool inPicture = row <= 6 && col <= 6 && expected[row - 1][col - 1] == '#';
            EXPECT_EQ(shape.ShapeCells[ShapeRecord::cellIndex(row, col)], inPicture ? 1 : 0)
                << "row " << row << ", column " << col;
        }
    }
}

TEST_F(ShapeCompilerTest, RecordsFollowTheFileNamesWhateverOrderTheyAreGivenIn)
{
    const auto late = picture(QStringLiteral("10-late.txt"), "name: Late\n" + rows(5, 5));
    const auto first = picture(QStringLiteral("00-first.txt"), "name: First\n" + rows(6, 5));
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const auto second = picture(QStringLiteral("sub/01-second.txt"), "name: Second\n" + rows(7, 5));
    ASSERT_EQ(compile({late, second, first}).exitCode, 0);

    const ShapeLibrary library(output);
    ASSERT_EQ(library.count(), 3);
    EXPECT_EQ(library.read(0)->ShapeName.str(), "First");
    EXPECT_EQ(library.read(1)->ShapeName.str(), "Second");
    EXPECT_EQ(library.read(2)->ShapeName.str(), "Late");
}

TEST_F(ShapeCompilerTest, WindowsLineEndsAndEmptyLinesAtTheEndAreAccepted)
{
    const auto path = picture(QStringLiteral("crlf.txt"), "name: Block\r\n#####\r\n#####\r\n#####\r\n#####\r\n"
                                                          "#####\r\n\r\n\n");
    const auto run = compile({path});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto shape = ShapeLibrary(output).read(0).value();
    EXPECT_EQ(shape.ShapeName.str(), "Block");
    EXPECT_EQ(shape.ShapeWidth, 5);
    EXPECT_EQ(shape.ShapeHeight, 5);
}

TEST_F(ShapeCompilerTest, FaultyPictureStopsTheBuildNamingFileAndLineAndKeepsTheOldLibrary)
{
    struct Case {
        std::string text;
        std::string where; // after the file name
        std::string what;
    };
    const std::string block = rows(5, 5);
    const std::vector<Case> cases = {
        {"name: Ragged\n#####\n#####\n####\n#####\n#####\n", ":4:", "4 squares wide"},
        {"name: Blank row\n#####\n#####\n\n#####\n#####\n", ":4:", "0 squares wide"},
        {"name: Letter\n#####\n##o##\n#####\n#####\n#####\n", ":3:", "column 3"},
        {"name: Trailing blank\n#####\n#####\n##### \n#####\n#####\n", ":4:", "column 6"},
        {block, ":1:", "name:"},
        {"", ":1:", "name:"},
        {"name:   \n" + block, ":1:", "no name"},
        {"name: " + std::string(51, 'N') + "\n" + block, ":1:", "51 characters"},
        {"name: Caf\xC3\xA9\n" + block, ":1:", "ASCII"},
        {"name: Short\n" + rows(5, 4), ":5:", "4 rows"},
        {"name: Tall\n" + rows(5, 50), ":51:", "50 rows"},
        {"name: Narrow\n" + rows(4, 5), ":2:", "4 squares wide"},
        {"name: Wide\n" + rows(50, 5), ":2:", "50 squares wide"},
        {"name: Empty\n" + rows(5, 5, '.'), ":2:", "no square"},
    };
    const auto good = picture(QStringLiteral("good.txt"), "name: Good\n" + block);
    const std::vector<uint8_t> oldLibrary(ShapeRecord::Size, 0x5A);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        writeAll(output, oldLibrary);
        const auto bad = picture(QStringLiteral("bad.txt"), c.text);
        const auto run = compile({good, bad});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_NE(run.errors.find(bad.toStdString() + c.where), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(c.what), std::string::npos) << run.errors;
        EXPECT_EQ(readAll(output), oldLibrary);
        EXPECT_FALSE(QFileInfo::exists(output + QStringLiteral(".part")));
    }
}

TEST_F(ShapeCompilerTest, EveryFaultyPictureIsReportedInOneRun)
{
    const auto a = picture(QStringLiteral("a.txt"), "name: A\n#####\n###\n#####\n#####\n#####\n");
    const auto b = picture(QStringLiteral("b.txt"), "name: B\n#####\n#####\n#####\n#####\n#x###\n");
    const auto run = compile({b, a});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find(a.toStdString() + ":3:"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(b.toStdString() + ":6:"), std::string::npos) << run.errors;
    EXPECT_FALSE(QFileInfo::exists(output));
}
