#include "common/ini_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using qx::test::TempDir;

namespace {

std::optional<QString> valueIn(const char *fileText, const char *section, const char *key)
{
    return IniFile::fromText(QString::fromUtf8(fileText)).value(QString::fromUtf8(section), QString::fromUtf8(key));
}

} // namespace

TEST(IniFileRead, MatchesNamesInAnyCaseAndTakesTheFirstOfRepeats)
{
    const char *file = "[misc]\nWINDOW size=800\nwindow Size=1024\n[MISC]\nShow Tips=Yes\n";
    EXPECT_EQ(valueIn(file, "Misc", "Window Size"), QStringLiteral("800"));
    // Only the first section of a name is searched, as the profile functions do.
    EXPECT_EQ(valueIn(file, "Misc", "Show Tips"), std::nullopt);
    EXPECT_EQ(valueIn(file, "Other", "Window Size"), std::nullopt);
}

TEST(IniFileRead, TrimsBlanksAndRemovesEnclosingQuotesOnly)
{
    const char *file = "[S]\n"
                       " a = \t two words \t\n"
                       "b=\"  kept  \"\n"
                       "c=\"\n"
                       "d=\"\"\n"
                       "e=\"open\n"
                       "f=say \"hi\"\n"
                       "g=x=y\n"
                       "h=\n";
    EXPECT_EQ(valueIn(file, "S", "a"), QStringLiteral("two words"));
    EXPECT_EQ(valueIn(file, "S", "b"), QStringLiteral("  kept  "));
    EXPECT_EQ(valueIn(file, "S", "c"), QStringLiteral("\""));
    EXPECT_EQ(valueIn(file, "S", "d"), QString());
    EXPECT_EQ(valueIn(file, "S", "e"), QStringLiteral("\"open"));
    EXPECT_EQ(valueIn(file, "S", "f"), QStringLiteral("say \"hi\""));
    EXPECT_EQ(valueIn(file, "S", "g"), QStringLiteral("x=y"));
    EXPECT_EQ(valueIn(file, "S", "h"), QString());
}

TEST(IniFileRead, GarbageLinesAreIgnoredWithoutLosingTheGoodOnes)
{
    const char binary[] = "\x00\x01\xff\xfe binary\n";
    QByteArray bytes(binary, sizeof binary - 1);
    bytes += "Window Size=1\n";        // before any section: belongs to none
    bytes += "[Misc\nWindow Size=2\n"; // "[" without "]" opens nothing
    bytes += "[Misc] trailing\n";
    bytes += "no equals sign\n=orphan value\n; Window Size=3\n";
    bytes += QByteArray(200000, 'x') + "\n";
    bytes += "Window Size=4\r\n";
    const IniFile ini = IniFile::fromBytes(bytes);
    EXPECT_EQ(ini.value(u"Misc", u"Window Size"), QStringLiteral("4"));
    EXPECT_EQ(ini.value(u"Misc", u"; Window Size"), std::nullopt);
}

TEST(IniFileRead, LineEndsOfEveryKindAndAByteOrderMark)
{
    const IniFile ini = IniFile::fromBytes("\xEF\xBB\xBF[A]\r\nx=1\ry=2\nz=3");
    EXPECT_EQ(ini.value(u"A", u"x"), QStringLiteral("1"));
    EXPECT_EQ(ini.value(u"A", u"y"), QStringLiteral("2"));
    EXPECT_EQ(ini.value(u"A", u"z"), QStringLiteral("3"));
}

TEST(IniFileRead, AFileThatIsNotUtf8IsReadAsWindows1252)
{
    const IniFile latin = IniFile::fromBytes("[Reports]\nLetters=caf\xE9 \x80\n");
    EXPECT_EQ(latin.value(u"Reports", u"Letters"), QStringLiteral("caf\u00E9 \u20AC"));
    const IniFile utf8 = IniFile::fromBytes("[Reports]\nLetters=caf\xC3\xA9\n");
    EXPECT_EQ(utf8.value(u"Reports", u"Letters"), QStringLiteral("caf\u00E9"));
    // Written back as UTF-8, it reads the same.
    EXPECT_EQ(IniFile::fromBytes(latin.toBytes()).value(u"Reports", u"Letters"), QStringLiteral("caf\u00E9 \u20AC"));
}

TEST(IniFileWrite, ValuesReadBackExactlyWhateverTheirEnds)
{
    const QStringList values = {QStringLiteral(" lead"), QStringLiteral("trail\t"), QStringLiteral("\"quoted\""),
                                QStringLiteral("\""),    QStringLiteral(""),        QStringLiteral("a \"b\" c"),
                                QStringLiteral("k=v"),   QStringLiteral(" "),       QStringLiteral("; not a comment")};
    IniFile ini;
    for (int i = 0; i < values.size(); ++i)
        ini.setValue(u"S", QString::number(i), values[i]);
    const IniFile back = IniFile::fromBytes(ini.toBytes());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.value(u"S", QString::number(i)), values[i]) << i;
}

TEST(IniFileWrite, KeepsEveryLineItDidNotChangeInItsPlace)
{
    IniFile ini = IniFile::fromBytes("; my settings\r\n"
                                     "[misc]\r\n"
                                     "  WINDOW size = 800\r\n"
                                     "Mine=keep me\r\n"
                                     "\r\n"
                                     "; about the next one\r\n"
                                     "[Other]\r\n"
                                     "junk line\r\n");
    ini.setValue(u"Misc", u"Window Size", QStringLiteral("1024"));
    ini.setValue(u"Misc", u"Show Tips", QStringLiteral("No"));
    ini.setValue(u"Reports", u"Letters", QStringLiteral("AB"));
    ini.setValue(u"Reports", u"Zoom", QStringLiteral("2"));
    EXPECT_EQ(ini.toText(), QStringLiteral("; my settings\r\n"
                                           "[misc]\r\n"
                                           "WINDOW size=1024\r\n"
                                           "Mine=keep me\r\n"
                                           "Show Tips=No\r\n"
                                           "\r\n"
                                           "; about the next one\r\n"
                                           "[Other]\r\n"
                                           "junk line\r\n"
                                           "\r\n"
                                           "[Reports]\r\n"
                                           "Letters=AB\r\n"
                                           "Zoom=2\r\n"));
}

TEST(IniFileWrite, ANewFileUsesLineFeedsAndAFileWithAByteOrderMarkKeepsIt)
{
    IniFile fresh;
    fresh.setValue(u"A", u"k", QStringLiteral("v"));
    EXPECT_EQ(fresh.toBytes(), QByteArray("[A]\nk=v\n"));

    IniFile marked = IniFile::fromBytes("\xEF\xBB\xBF[A]\nk=v");
    EXPECT_EQ(marked.toBytes(), QByteArray("\xEF\xBB\xBF[A]\nk=v\n"));
}

TEST(IniFileFiles, AMissingFileIsEmptyAndAnUnreadableOneAnError)
{
    TempDir dir;
    EXPECT_EQ(IniFile::load(dir.file(QStringLiteral("none.ini")))->toText(), QString());
    EXPECT_EQ(IniFile::load(dir.path()).error().kind, FileError::Kind::NotRegularFile);
}

TEST(IniFileFiles, SaveReplacesTheFileAndLeavesNothingBehind)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("QXMOR3.INI"));
    qx::test::writeAll(path, {'o', 'l', 'd'});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    IniFile ini;
    ini.setValue(u"A", u"k", QStringLiteral("v"));
    ASSERT_TRUE(ini.save(path));

    EXPECT_EQ(IniFile::load(path)->value(u"A", u"k"), QStringLiteral("v"));
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("QXMOR3.INI")});
}

TEST(IniFileFiles, SaveThroughALinkReplacesTheFileItPointsTo)
{
    TempDir dir;
    const QString real = dir.file(QStringLiteral("real.ini"));
    const QString link = dir.file(QStringLiteral("QXMOR3.INI"));
    qx::test::writeAll(real, {});
    ASSERT_TRUE(QFile::link(real, link));

    IniFile ini;
    ini.setValue(u"A", u"k", QStringLiteral("v"));
    ASSERT_TRUE(ini.save(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(IniFile::load(real)->value(u"A", u"k"), QStringLiteral("v"));
}

TEST(IniFileFiles, SaveIntoAMissingDirectoryFails)
{
    TempDir dir;
    IniFile ini;
    ini.setValue(u"A", u"k", QStringLiteral("v"));
    EXPECT_FALSE(ini.save(dir.file(QStringLiteral("gone/QXMOR3.INI"))));
}
