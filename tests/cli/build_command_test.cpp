#include "cli/commands.h"
#include "shapes/shape_library.h"
#include "store/collection_file.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

struct BuildFixture {
    TempDir dir;
    QString library = dir.file("QXFLAY.DAT");
    QString collection = dir.file("OUT.QX3");

    BuildFixture()
    {
        ShapeRecord square = newShape();
        square.ShapeName.set("Square");
        square.ShapeWidth = square.ShapeHeight = 15;
        EXPECT_TRUE(ShapeLibrary(library).append(square));
    }

    QString words(const QString &text)
    {
        const QString path = dir.file("words.txt");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text.toUtf8());
        return path;
    }

    cli::Result build(const QString &wordFile, QStringList extra = {})
    {
        QStringList args{"build",      wordFile,  "--shape",  "0",       "--library",
                         library,      "--into",  collection, "--title", "Birds",
                         "--category", "Animals", "--seed",   "42",      "--builtin-layout"};
        args << extra;
        return cli::run(args);
    }
};

} // namespace

TEST(CliBuild, AppendsTheBestCandidateStampedAsSaved)
{
    BuildFixture f;
    const auto result = f.build(
        f.words("# a comment\nROBIN: Red breast\nwren:Small bird: brown\n\nNIGHTINGALE\nTERN\n"), {"--attempts", "20"});
    ASSERT_EQ(result.status, 0) << result.error.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Placed "))) << result.out.toStdString();
    const auto r = CollectionFile(f.collection).read(0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->VersionTag.str(), "3.1");
    EXPECT_EQ(r->PuzzleBuilt, 1);
    EXPECT_EQ(r->PuzzleName.str(), "Birds");
    EXPECT_EQ(r->Category.str(), "Animals");
    EXPECT_EQ(r->Layout.LayoutName.str(), "New Page");
    for (int k = 0; k < 200; ++k)
        EXPECT_EQ(r->WordPlaced[k], k < r->WordCount ? 1 : 0);
    // The clue is split at the first separator only; a line without one is a word with no clue.
    bool sawWren = false;
    for (int k = 0; k < 4; ++k) {
        if (r->Words[k].str() == "wren") {
            sawWren = true;
            EXPECT_EQ(r->Clues[k].str(), "Small bird: brown");
        }
        if (r->Words[k].str() == "NIGHTINGALE") {
            EXPECT_TRUE(r->Clues[k].empty());
        }
    }
    EXPECT_TRUE(sawWren);
}

TEST(CliBuild, SameSeedSamePuzzle)
{
    BuildFixture f;
    const QString list = f.words("ORANGE:Fruit\nGRAPE:Fruit\nPEAR:Fruit\nAPPLE:Fruit\nLEMON:Fruit\n");
    ASSERT_EQ(f.build(list, {"--attempts", "7", "--shrink"}).status, 0);
    ASSERT_EQ(f.build(list, {"--attempts", "7", "--shrink"}).status, 0);
    const CollectionFile c(f.collection);
    EXPECT_EQ(c.read(0)->bytes(), c.read(1)->bytes());
}

TEST(CliBuild, TheEditorsChecksRefuseWithTheirTexts)
{
    BuildFixture f;
    const QString list = f.words("ABCDEFGHIJKLMNOP:sixteen\n");
    auto result = f.build(list);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.error, QStringLiteral("Word is greater than puzzle dimension size of 15 characters in "
                                           "\"ABCDEFGHIJKLMNOP\"."));
    result = f.build(f.words("OWL:bird\n"), {"--attempts", "1000"});
    EXPECT_EQ(result.error, QStringLiteral("Attempts must be between 1 and 999.  Please correct."));
    result = f.build(f.words("# nothing\n\n"));
    EXPECT_EQ(result.error, QStringLiteral("No words have been entered.  Please correct."));
    result = f.build(f.words(QStringLiteral("Ω:omega\n")));
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.error.contains(QStringLiteral("Ω")));
    result = f.build(f.words("OWL:bird\n"), {"--shape", "3"});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(QFile::exists(f.collection));
}

TEST(CliBuild, DefaultsToAHundredAttempts)
{
    BuildFixture f;
    // Enough crossing-poor words that one attempt rarely places them all.
    const QString list = f.words("QUIZ\nJAZZ\nFIZZ\nBUZZ\nPUZZLE\nOXYGEN\nRHYTHM\nSPHINX\nJUKEBOX\nZEPHYR\nKIWI\n"
                                 "VODKA\nWALTZ\nQUARTZ\nJINX\nLYNX\nONYX\nCRYPT\nGLYPH\nNYMPH\n");
    ASSERT_EQ(f.build(list).status, 0);
    ASSERT_EQ(f.build(list, {"--attempts", "100"}).status, 0);
    ASSERT_EQ(f.build(list, {"--attempts", "1"}).status, 0);
    const CollectionFile c(f.collection);
    EXPECT_EQ(c.read(0)->bytes(), c.read(1)->bytes());
    EXPECT_NE(c.read(0)->bytes(), c.read(2)->bytes());
    EXPECT_TRUE(cli::usage().contains(QStringLiteral("Defaults: 100 attempts")));
}

TEST(CliBuild, ControlCharactersInTheWordFileTitleOrCategoryAreRefused)
{
    // The word file's lines are the word list reader's, tested with it; here, that the command
    // refuses before it saves anything, and the texts typed on the command line.
    const QString title = QStringLiteral("Bir\x1b") + QStringLiteral("ds");
    const struct {
        QString words;
        QStringList extra;
        QString error;
    } cases[] = {
        {"OWL:night\x1b[2Jbird\n", {}, "line 1 of %1 holds the control character U+001B"},
        {"OWL:bird\n", {"--title", title}, "the title holds the control character U+001B"},
        {"OWL:bird\n", {"--category", "Ani\nmals"}, "the category holds the control character U+000A"},
        {"OWL:bird\n", {"--title", "\u03a9mega"}, "the title holds \"\u03a9\" (U+03A9), which a puzzle cannot"},
    };
    for (const auto &c : cases) {
        BuildFixture f;
        const QString path = f.words(c.words);
        const auto result = f.build(path, c.extra);
        SCOPED_TRACE(c.error.toStdString());
        EXPECT_EQ(result.status, 1);
        const QString expected = c.error.contains(QLatin1String("%1")) ? c.error.arg(path) : c.error;
        EXPECT_TRUE(result.error.startsWith(expected)) << result.error.toStdString();
        EXPECT_FALSE(QFile::exists(f.collection));
    }
}

TEST(CliBuild, SaysHowTightlyItPlacedAndWhyEachWordWasLeftOut)
{
    const struct {
        QString words;
        QStringList extra;
        QStringList lines; // printed lines that start so, in order
    } cases[] = {
        {"ROBIN\nOWL\nXYZ\n",
         {},
         {"Placed 2/3 words, 1.0 crossings per word, ", "Left out XYZ: No letter in common with the words placed."}},
        // --best-fit is the thorough search's earlier name.
        {"ROBIN\nOWL\nXYZ\n", {"--best-fit", "--threads", "1"}, {"Placed 2/3 words, 1.0 crossings per word, "}},
        {"ROBIN\nOWL\nXYZ\nBOX\n",
         {"--thorough", "--effort", "0.1"},
         {"Placed 3/4 words, ", "Left out XYZ: No letter in common with the words placed."}},
        {"CROSSWORD\nWORDS\nROW\nSOD\nDOC\n",
         {"--shape", "auto", "--attempts", "10", "--effort", "0.2"},
         {"Smallest square: ", "Squares tried: ", "Placed 5/5 words, "}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.extra.join(QLatin1Char(' ')).toStdString());
        BuildFixture f;
        const auto result = f.build(f.words(c.words), c.extra);
        ASSERT_EQ(result.status, 0) << result.error.toStdString();
        const QStringList out = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int at = 0;
        for (const QString &line : c.lines) {
            while (at < out.size() && !out[at].startsWith(line))
                ++at;
            EXPECT_LT(at, out.size()) << line.toStdString() << " in\n" << result.out.toStdString();
        }
    }
    BuildFixture f;
    EXPECT_EQ(f.build(f.words("OWL\n"), {"--threads", "0"}).error,
              QStringLiteral("--threads needs a whole number from 1 to 256"));
    EXPECT_EQ(f.build(f.words("OWL\n"), {"--thorough", "--effort", "0"}).error,
              QStringLiteral("--effort needs a number of seconds from 0.1 to 600"));
    EXPECT_EQ(f.build(f.words("OWL\n"), {"--effort", "2"}).error,
              QStringLiteral("--effort applies only to --thorough and --shape auto"));
    // The square found is the puzzle's size.
    ASSERT_EQ(f.build(f.words("CROSSWORD\nWORDS\nROW\n"), {"--shape", "auto"}).status, 0);
    const auto r = CollectionFile(f.collection).read(0);
    EXPECT_GE(r->GridWidth, 9);
    EXPECT_EQ(r->GridWidth, r->GridHeight);
}
