#include "words/create_checks.h"

#include "support/shapes.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

TypedPuzzle typed(std::vector<WordRow> rows)
{
    TypedPuzzle t;
    t.title = "  Birds  ";
    t.category = "Animals";
    t.rows = std::move(rows);
    return t;
}

} // namespace

TEST(CreateChecks, RefusalsComeInOrderWithTheirMessages)
{
    PuzzleRecord r;
    TypedPuzzle t = typed({{"WREN", ""}});
    t.title = "   ";
    t.category = "";
    auto c = checkCreate(t, "5", qx::test::fullShape(15, 15), r);
    EXPECT_EQ(createCheckText(c), QStringLiteral("No title specified.  Please correct."));
    EXPECT_EQ(c.field(), CreateCheck::Field::Title);

    t.title = "Birds";
    c = checkCreate(t, "5", qx::test::fullShape(15, 15), r);
    EXPECT_EQ(createCheckText(c), QStringLiteral("No category specified.  Please correct."));

    t.category = "Animals";
    t.rows = {{"  ", "clue without a word"}};
    c = checkCreate(t, "5", qx::test::fullShape(15, 15), r);
    EXPECT_EQ(createCheckText(c), QStringLiteral("No words have been entered.  Please correct."));

    t.rows = {{"WREN", ""}};
    for (const char *bad : {"0", "1000", "", "abc", "-1"}) {
        c = checkCreate(t, QString::fromLatin1(bad), qx::test::fullShape(15, 15), r);
        EXPECT_FALSE(c.ok()) << bad;
        EXPECT_EQ(createCheckText(c), QStringLiteral("Attempts must be between 1 and 999.  Please correct.")) << bad;
        EXPECT_EQ(c.field(), CreateCheck::Field::Attempts);
    }
    c = checkCreate(t, " 999 ", qx::test::fullShape(15, 15), r);
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.attempts, 999);
}

TEST(CreateChecks, RowsArePackedAndMessagesPointAtTheTypedRow)
{
    std::vector<WordRow> rows(7);
    rows[0] = {" OWL ", " Night bird "};
    rows[2] = {"ABCDEFGHIJKLMNOP", "sixteen letters"};
    rows[6] = {"KITE", "Bird of prey"};
    PuzzleRecord r;
    const auto c = checkCreate(typed(rows), "1", qx::test::fullShape(15, 15), r);
    EXPECT_FALSE(c.ok());
    EXPECT_EQ(createCheckText(c), QStringLiteral("Word is greater than puzzle dimension size of 15 characters in "
                                                 "\"ABCDEFGHIJKLMNOP\"."));
    EXPECT_EQ(c.row, 2);
    EXPECT_EQ(r.WordCount, 3);
    EXPECT_EQ(r.Words[0].str(), "OWL");
    EXPECT_EQ(r.Clues[0].str(), "Night bird");
    EXPECT_EQ(r.Words[2].str(), "KITE");
    EXPECT_EQ(r.PuzzleName.str(), "Birds");
    EXPECT_TRUE(r.Words[3].empty());
}

TEST(CreateChecks, TheLongestRunOfTheShapeBoundsTheWords)
{
    // A hole in every row and column leaves runs of at most 7 in a 15 x 15 shape.
    std::initializer_list<std::pair<int, int>> holes = {{1, 8},  {2, 8},  {3, 8},  {4, 8},  {5, 8},
                                                        {6, 8},  {7, 8},  {8, 8},  {9, 8},  {10, 8},
                                                        {11, 8}, {12, 8}, {13, 8}, {14, 8}, {15, 8}};
    auto s = qx::test::fullShape(15, 15, holes);
    for (int c = 1; c <= 15; ++c)
        s.ShapeCells[ShapeRecord::cellIndex(8, c)] = 0;
    EXPECT_EQ(longestRun(s), 7);
    PuzzleRecord r;
    const auto c = checkCreate(typed({{"OWL", ""}, {"SPARROW", ""}, {"PELICAN S", ""}}), "1", s, r);
    EXPECT_TRUE(c.exclamationBeep());
    EXPECT_EQ(c.row, 2);
    EXPECT_EQ(createCheckText(c),
              QStringLiteral("The maximum word length as provided by the selected layout is 7.  The "
                             "following word is greater than the maximum word length: \"PELICAN S\".  "
                             "You will need to correct the word or change the layout."));
}

TEST(CreateChecks, LargeShapesWarnAndGoOn)
{
    PuzzleRecord r;
    const auto c = checkCreate(typed({{"OWL", ""}}), "1", qx::test::fullShape(31, 10), r);
    EXPECT_TRUE(c.ok());
    EXPECT_TRUE(c.largeDimensions);
    EXPECT_EQ(r.GridWidth, 31);
    EXPECT_EQ(r.GridHeight, 10);
    EXPECT_FALSE(checkCreate(typed({{"OWL", ""}}), "1", qx::test::fullShape(30, 30), r).largeDimensions);
}

TEST(CreateChecks, ALongClueNamesItsExcess)
{
    PuzzleRecord r;
    const auto c =
        checkCreate(typed({{"OWL", ""}, {"EMU", std::string(153, 'x')}}), "1", qx::test::fullShape(15, 15), r);
    EXPECT_EQ(createCheckText(c),
              QStringLiteral("The length of the clue for the word \"EMU\" is 3 characters longer than the "
                             "maximum clue size of 150."));
    EXPECT_EQ(c.field(), CreateCheck::Field::Clue);
    EXPECT_EQ(c.row, 1);
}
