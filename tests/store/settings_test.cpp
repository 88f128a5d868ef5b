#include "store/settings.h"

#include "common/ini_file.h"

#include "support/temp_dir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using qx::test::TempDir;

namespace {

// Every key with its default, in the order and sections the file is written in.
const char *const DefaultFile = R"([Misc]
Last Import Puzzle File=<dir>
Last Export Puzzle File=<dir>
Last Import Shape File=<dir>
Last Export Shape File=<dir>
Last Import Layout File=<dir>
Last Export Layout File=<dir>
Last Import Word File=<dir>
Last Export Word File=<dir>
Last Export Bitmap File=<dir>
Last Export JPEG File=<dir>
Last Export EMF File=<dir>
Last Export WMF File=<dir>
Last Export HTML File=<dir>
Last Export Text File=<dir>
Last Group=<dir>/DEFAULT.QX3
Last File 1=
Last File 2=
Last File 3=
Last File 4=
Last File 5=
Window Size=640
Background Bitmap=Yes
Dictionary=1
User Dictionary=1
Thesaurus=1
User Thesaurus=1
Show Tips=Yes
Language=

[HTML]
First Header=My Puzzle
Bold First Header=Yes
Italic First Header=No
Center First Header=Yes
Font First Header=4
Second Header=
Bold Second Header=No
Italic Second Header=No
Center Second Header=No
Font Second Header=3
First Footer=
Bold First Footer=No
Italic First Footer=No
Center First Footer=No
Font First Footer=3
Second Footer=
Bold Second Footer=No
Italic Second Footer=No
Center Second Footer=No
Font Second Footer=3
Horizontal Upper=No
Horizontal Lower=No
Web Title=Crossword Puzzle

[Create Options]
Shrink=No
Quick Build=No
Thorough=No
Thorough Effort=1
Attempts=1
Sep Char=:
Import Option=1
Export Option=3
Case Sensitivity=3
Last Shape=1
Int Key 1=0225
Int Key 2=0233
Int Key 3=0237
Int Key 4=0243
Int Key 5=0241
Int Key 6=0246
Int Key 7=0250
Int Key 8=0228
Int Key 9=0229
Int Key 10=0224
Int Key 11=0232
Int Key 12=0242

[Page Layout]
Zoom=2
Page Designer Window Left=0
Page Designer Window Top=0
Page Designer Window Width=640
Page Designer Window Height=480
Default Page=0

[Reports]
Default Printer=Yes
Printer Index=0
Report Viewing Window Left=0
Report Viewing Window Top=0
Report Viewing Window Width=640
Report Viewing Window Height=480
Pixel Width=640
JPeg Compression Quality=50
Pixel Format=1
Box Color=0
Use Boxes=Yes
Answer Key=No
Partial Answer=No
Partial Letters=No
Letters=
Print Title=Yes
Print Body=Yes
Print Clues=Yes
Print Words=Yes
Print Bonus=Yes
Across Label=Across
Down Label=Down
Word Sep Char=" "
Word Sep Dash=No
Word Sep Slash=No
Word Sep Plus=No
Word Sep Star=No
Word Sep Other=No

[Edit Font]
Font Name=Arial
Bold=No
Italic=No
Color=0

[Label Font]
Font Name=Arial
Bold=No
Italic=No
Color=0

[Button Font]
Font Name=Arial
Bold=No
Italic=No
Color=0
)";

class SettingsFile : public ::testing::Test {
protected:
    QString iniPath() const { return dir.file(QStringLiteral("QXMOR3.INI")); }

    // The settings of a file holding the given text, loaded the way the program starts.
    Settings loadText(const QByteArray &fileText)
    {
        qx::test::writeAll(iniPath(), std::vector<uint8_t>(fileText.begin(), fileText.end()));
        return loadSettings(iniPath(), dir.path()).value();
    }

    TempDir dir;
};

} // namespace

TEST_F(SettingsFile, AMissingFileGivesEveryDefaultAndSavingWritesEveryKeyInOrder)
{
    const Settings s = loadSettings(iniPath(), dir.path()).value();
    EXPECT_EQ(s, Settings::defaults(dir.path()));

    ASSERT_TRUE(saveSettings(iniPath(), s));
    const auto bytes = qx::test::readAll(iniPath());
    const QString written = QString::fromUtf8(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    EXPECT_EQ(written, QString::fromUtf8(DefaultFile).replace(QStringLiteral("<dir>"), dir.path()));
    EXPECT_EQ(loadSettings(iniPath(), dir.path()), s);
}

TEST_F(SettingsFile, LastGroupOpensTheSampleOnlyUntilThereIsADefaultCollection)
{
    const QString sample = dir.file(QStringLiteral("SAMPLE.QX3"));
    const QString fallback = dir.file(QStringLiteral("DEFAULT.QX3"));
    EXPECT_EQ(Settings::defaults(dir.path()).misc.lastCollection, fallback);
    qx::test::writeAll(sample, {});
    EXPECT_EQ(Settings::defaults(dir.path()).misc.lastCollection, sample);
    qx::test::writeAll(fallback, {});
    EXPECT_EQ(Settings::defaults(dir.path()).misc.lastCollection, fallback);

    // The root directory is kept as "".
    const Settings root = Settings::defaults(QString());
    EXPECT_EQ(root.misc.lastCollection, QStringLiteral("/DEFAULT.QX3"));
    EXPECT_EQ(root.misc.lastImportPuzzleFile, QStringLiteral("/"));
}

TEST_F(SettingsFile, YesIsTrueInAnyCaseAndEverythingElseFalse)
{
    for (const char *yes : {"yes", "YES", "yEs", "  Yes  ", "\"yes\""}) {
        const Settings s = loadText(QByteArray("[Misc]\nBackground Bitmap=") + yes + "\nShow Tips=No\n");
        EXPECT_TRUE(s.misc.backgroundBitmap) << yes;
        EXPECT_FALSE(s.misc.showTips);
    }
    for (const char *no : {"1", "Y", "true", "", "yes please", "\"yes \"", "yes           x"}) {
        const Settings s = loadText(QByteArray("[Misc]\nBackground Bitmap=") + no + "\n");
        EXPECT_FALSE(s.misc.backgroundBitmap) << no;
    }
}

TEST_F(SettingsFile, NumbersAreReadFromTheirStartWithinFourteenCharacters)
{
    const Settings s = loadText("[Misc]\n"
                                "Window Size=12a\n"
                                "Dictionary=-12a\n"
                                "User Dictionary=$1F\n"
                                "Thesaurus=\" -7\"\n"
                                "User Thesaurus=0000000000000123456\n"
                                "[Page Layout]\n"
                                "Zoom=\n"
                                "Default Page=none\n"
                                "[Edit Font]\n"
                                "Color=-2147483633\n");
    EXPECT_EQ(s.misc.windowSize, 12);
    EXPECT_EQ(s.misc.dictionary, 12);
    EXPECT_EQ(s.misc.userDictionary, 31);
    EXPECT_EQ(s.misc.thesaurus, -7);
    EXPECT_EQ(s.misc.userThesaurus, 1);
    // A present but empty value is not a missing one.
    EXPECT_EQ(s.pageLayout.zoom, 0);
    EXPECT_EQ(s.pageLayout.defaultPage, 0);
    EXPECT_EQ(s.editFont.color, -2147483633); // a system colour, high bit set
}

TEST_F(SettingsFile, TextsAreCutToTheirSizes)
{
    const QByteArray x30(30, 'x');
    const QByteArray x300(300, 'x');
    const QByteArray x1200(1200, 'x');
    const Settings s = loadText("[Reports]\nLetters=" + x30 + "\nAcross Label=" + x30 + "\n" +    //
                                "[Create Options]\nInt Key 3=02345\n" +                           //
                                "[HTML]\nWeb Title=" + x300 + "\nSecond Footer=" + x1200 + "\n" + //
                                "[Misc]\nLast Group=" + x300 + "\nLast File 5=" + x300 + "\n" +   //
                                "[Label Font]\nFont Name=\xc3\xa9" + x300 + "\n");
    EXPECT_EQ(s.reports.letters, QString(25, QLatin1Char('x')));
    EXPECT_EQ(s.reports.acrossLabel.size(), 25);
    EXPECT_EQ(s.createOptions.intKeys[2], QStringLiteral("0234"));
    EXPECT_EQ(s.html.webTitle.size(), 100);
    EXPECT_EQ(s.html.secondFooter.text.size(), 999);
    EXPECT_EQ(s.misc.lastCollection.size(), 149);
    EXPECT_EQ(s.misc.lastFiles[4].size(), 254);
    // Characters are counted, not bytes.
    EXPECT_EQ(s.labelFont.name, QStringLiteral("\u00e9") + QString(148, QLatin1Char('x')));
}

TEST_F(SettingsFile, CharactersTakeTheFirstOneOrTheirFallback)
{
    Settings s = loadText("[Create Options]\nSep Char=\n[Reports]\nWord Sep Char=\n");
    EXPECT_EQ(s.createOptions.sepChar, QLatin1Char(':'));
    EXPECT_EQ(s.reports.wordSepChar, QLatin1Char(' '));

    s = loadText("[Create Options]\nSep Char=|;\n[Reports]\nWord Sep Char=\"'\"\n");
    EXPECT_EQ(s.createOptions.sepChar, QLatin1Char('|'));
    EXPECT_EQ(s.reports.wordSepChar, QLatin1Char('\''));

    // A blank or a quote as the separator survives being written and read again.
    s.createOptions.sepChar = QLatin1Char('"');
    s.reports.wordSepChar = QLatin1Char('\t');
    ASSERT_TRUE(saveSettings(iniPath(), s));
    const Settings back = loadSettings(iniPath(), dir.path()).value();
    EXPECT_EQ(back.createOptions.sepChar, QLatin1Char('"'));
    EXPECT_EQ(back.reports.wordSepChar, QLatin1Char('\t'));
}

TEST_F(SettingsFile, KeysMatchInAnyCaseAndQuotedTextsKeepTheirBlanks)
{
    const Settings s = loadText("[reports]\nACROSS LABEL=\"  Across  \"\nletters=\"\"ABC\"\"\n"
                                "[BUTTON FONT]\nfont name=Liberation Sans\nbold=YES\n");
    EXPECT_EQ(s.reports.acrossLabel, QStringLiteral("  Across  "));
    EXPECT_EQ(s.reports.letters, QStringLiteral("\"ABC\""));
    EXPECT_EQ(s.buttonFont.name, QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(s.buttonFont.bold);
    EXPECT_FALSE(s.editFont.bold);
}

TEST_F(SettingsFile, SavingKeepsUnknownSectionsKeysAndComments)
{
    const QByteArray before = "; hand-written notes\n"
                              "[Misc]\n"
                              "Window Size=800\n"
                              "Favourite Colour=green\n"
                              "\n"
                              "[Plugins]\n"
                              "; one per line\n"
                              "spell=on\n";
    Settings s = loadText(before);
    EXPECT_EQ(s.misc.windowSize, 800);
    s.misc.windowSize = 1024;
    ASSERT_TRUE(saveSettings(iniPath(), s));

    const IniFile after = IniFile::load(iniPath()).value();
    EXPECT_EQ(after.value(u"Misc", u"Favourite Colour"), QStringLiteral("green"));
    EXPECT_EQ(after.value(u"Plugins", u"spell"), QStringLiteral("on"));
    EXPECT_EQ(after.value(u"Misc", u"Window Size"), QStringLiteral("1024"));
    const QString text = after.toText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("; hand-written notes\n[Misc]\nWindow Size=1024\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[Plugins]\n; one per line\nspell=on\n")));
    EXPECT_EQ(text.count(QStringLiteral("[Misc]")), 1);
}

TEST_F(SettingsFile, DamagedOrUnreadableFilesGiveDefaultsAndAreNotOverwritten)
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const auto noise = qx::test::patternBytes(5000, seed);
        QByteArray bytes(reinterpret_cast<const char *>(noise.data()), static_cast<qsizetype>(noise.size()));
        bytes += "\n[Misc]\nWindow Size=800\n";
        EXPECT_EQ(loadText(bytes).misc.windowSize, 800) << seed;
    }

    // A directory where the file should be: nothing to read, and nothing may replace it.
    ASSERT_TRUE(QFile::remove(iniPath()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("QXMOR3.INI")));
    EXPECT_EQ(loadSettings(iniPath(), dir.path()).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_EQ(saveSettings(iniPath(), Settings::defaults(dir.path())).error().kind, FileError::Kind::NotRegularFile);
    EXPECT_TRUE(QFileInfo(iniPath()).isDir());
}

TEST_F(SettingsFile, EveryFieldSurvivesARoundTrip)
{
    // Every field differs from its default; texts carry blanks and quotes at their ends.
    int n = 0;
    auto t = [&n] { return QStringLiteral(" t\u00e9xt \"%1\" ").arg(++n); };
    Settings s;
    for (QString *text :
         {&s.misc.lastImportPuzzleFile, &s.misc.lastExportPuzzleFile, &s.misc.lastImportShapeFile,
          &s.misc.lastExportShapeFile, &s.misc.lastImportLayoutFile, &s.misc.lastExportLayoutFile,
          &s.misc.lastImportWordFile, &s.misc.lastExportWordFile, &s.misc.lastExportBitmapFile,
          &s.misc.lastExportJpegFile, &s.misc.lastExportEmfFile, &s.misc.lastExportWmfFile, &s.misc.lastExportHtmlFile,
          &s.misc.lastExportTextFile, &s.misc.lastCollection, &s.html.webTitle, &s.reports.letters, &s.buttonFont.name})
        *text = t();
    for (auto &file : s.misc.lastFiles)
        file = t();
    for (auto &key : s.createOptions.intKeys)
        key = QString::number(++n);
    s.misc.windowSize = 1280;
    s.misc.backgroundBitmap = s.misc.showTips = false;
    s.misc.dictionary = 9;
    s.misc.userDictionary = 8;
    s.misc.thesaurus = 3;
    s.misc.userThesaurus = 2;
    s.html.firstHeader = {t(), false, true, false, 7};
    s.html.secondHeader = {t(), true, true, true, 6};
    s.html.firstFooter = {t(), true, false, true, 5};
    s.html.secondFooter = {t(), false, true, true, 1};
    s.html.horizontalUpper = s.html.horizontalLower = true;
    auto &c = s.createOptions;
    c.shrink = c.quickBuild = c.thorough = true;
    c.thoroughEffort = 7;
    c.attempts = 999;
    c.sepChar = QLatin1Char(' ');
    c.importOption = 2;
    c.exportOption = 1;
    c.caseSensitivity = 2;
    c.lastShape = 17;
    s.pageLayout = {4, -5, 6, 700, 800, 3};
    auto &r = s.reports;
    r.defaultPrinter = r.useBoxes = r.printTitle = r.printBody = r.printClues = r.printWords = r.printBonus = false;
    r.answerKey = r.partialAnswer = r.partialLetters = true;
    r.wordSepDash = r.wordSepSlash = r.wordSepPlus = r.wordSepStar = r.wordSepOther = true;
    r.printerIndex = 2;
    r.viewerLeft = -10;
    r.viewerTop = 20;
    r.viewerWidth = 900;
    r.viewerHeight = 700;
    r.pixelWidth = 1200;
    r.jpegQuality = 95;
    r.pixelFormat = 2;
    r.boxColor = 0xC0C0C0;
    r.letters.truncate(25);
    r.acrossLabel = QStringLiteral("Horizontal");
    r.downLabel = QStringLiteral("Vertical");
    r.wordSepChar = QLatin1Char('_');
    s.editFont = {QStringLiteral("DejaVu Sans"), true, false, 255};
    s.labelFont = {QStringLiteral("Liberation Serif"), false, true, static_cast<int>(0x8000000Fu)};
    s.buttonFont.bold = s.buttonFont.italic = true;
    s.buttonFont.color = 0xFF0000;

    ASSERT_TRUE(saveSettings(iniPath(), s));
    EXPECT_EQ(loadSettings(iniPath(), QStringLiteral("/elsewhere")), s);
}
