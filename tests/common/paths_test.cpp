#include "common/paths.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(ProgramDirectory, CommandLineThenEnvironmentThenDataHome)
{
    qputenv("QUORVEX_PROGRAM_DIR", "/tmp/from-env/");
    EXPECT_EQ(resolveProgramDir(QStringLiteral("/opt/q/")), QStringLiteral("/opt/q"));
    EXPECT_EQ(resolveProgramDir(std::nullopt), QStringLiteral("/tmp/from-env"));
    qunsetenv("QUORVEX_PROGRAM_DIR");
    qputenv("XDG_DATA_HOME", "/tmp/data-home");
    EXPECT_EQ(resolveProgramDir(std::nullopt), QStringLiteral("/tmp/data-home/quorvex"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(resolveProgramDir(std::nullopt), QDir::homePath() + QStringLiteral("/.local/share/quorvex"));
}

TEST(ProgramDirectory, SeedingCopiesWhatIsMissingAndNeverOverwrites)
{
    TempDir shipped;
    TempDir program;
    writeAll(shipped.file("QXFLAY.DAT"), {1, 2, 3});
    writeAll(shipped.file("QXMOR.HLP"), {4});
    writeAll(shipped.file("data.dic"), {5});
    ASSERT_TRUE(QFile::link(shipped.file("data.dic"), shipped.file("ssceam1.clx")));
    writeAll(shipped.file("SAMPLE.QX3"), {6});
    writeAll(program.file("QXFLAY.DAT"), {9, 9}); // the user's own shapes

    EXPECT_TRUE(seedProgramDir(shipped.path(), program.path()).isEmpty());
    EXPECT_EQ(readAll(program.file("QXFLAY.DAT")), (std::vector<uint8_t>{9, 9}));
    EXPECT_EQ(readAll(program.file("QXMOR.HLP")), (std::vector<uint8_t>{4}));
    EXPECT_TRUE(QFileInfo(program.file("ssceam1.clx")).isSymLink());
    EXPECT_EQ(readAll(program.file("ssceam1.clx")), (std::vector<uint8_t>{5}));
    EXPECT_FALSE(QFile::exists(program.file("SAMPLE.QX3")));
}

TEST(DisplayName, IsTheFileNameWithoutItsLastFourCharacters)
{
    EXPECT_EQ(displayName(QStringLiteral("/home/a/my.qx3")), QStringLiteral("my"));
    EXPECT_EQ(displayName(QStringLiteral("/x/SAMPLE.QX3")), QStringLiteral("SAMPLE"));
    EXPECT_EQ(withoutTrailingSlash(QStringLiteral("/")), QString());
    EXPECT_EQ(withoutTrailingSlash(QStringLiteral("/home/a/")), QStringLiteral("/home/a"));
}
