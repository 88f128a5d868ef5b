// quorvex-cli add-word: one word typed into free cells of a built puzzle, refused as the window
// refuses it, with the collection unchanged on every refusal.
#include "cli/commands.h"
#include "store/collection_file.h"

#include "support/built_record.h"
#include "support/crossword_check.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

TEST(CliAddWord, AddsOneWordAndRefusesWhatTypingWouldRefuse)
{
    TempDir dir;
    const QString path = dir.file("C.QX3");
    const CollectionFile file(path);
    // 0: CAT across and ARE down; 1: 200 words; 2: never built; 3: a grid 40 wide.
    PuzzleRecord farm =
        builtRecord({"CAT..#", ".R....", ".E....", "......", "......"}, {{"CAT", 1, 1, true}, {"ARE", 1, 2, false}});
    farm.AcrossCount = 1;
    farm.DownCount = 1;
    farm.WordNumber = {1, 2};
    PuzzleRecord full = farm;
    full.WordCount = 200;
    PuzzleRecord neverBuilt = farm;
    neverBuilt.PuzzleBuilt = 0;
    PuzzleRecord wide =
        builtRecord({"........................................", "CAT....................................."},
                    {{"CAT", 2, 1, true}});
    for (const PuzzleRecord &r : {farm, full, neverBuilt, wide})
        ASSERT_TRUE(file.append(r));

    const auto before = readAll(path);
    const struct {
        QStringList args;
        QString error;
    } refusals[] = {
        {{"2", "--at", "4,1", "--across", "OX"},
         QStringLiteral("A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from "
                        "the menu and create the puzzle first")},
        {{"1", "--at", "4,1", "--across", "OX"},
         QStringLiteral("This puzzle already holds 200 words, the most a puzzle can hold.  No word can be added.")},
        {{"0", "--at", "1,4", "--across", "OX"},
         QStringLiteral("row 1, column 4 is kept free: it touches the end of a word")},
        {{"0", "--at", "2,1", "--across", "OAB"}, QStringLiteral("row 2, column 2 holds the letter R")},
        {{"0", "--at", "1,5", "--across", "OX"}, QStringLiteral("row 1, column 6 is outside the puzzle's shape")},
        {{"0", "--at", "5,5", "--down", "OX"}, QStringLiteral("the word runs out of the 6 x 5 grid")},
        {{"0", "--at", "5,1", "--across", "O1"}, QStringLiteral("\"1\": Puzzle letter must be between A and Z.")},
        {{"0", "--at", "1,1", "--across", "cat"}, QStringLiteral("No changes to the puzzle were detected.")},
        {{"0", "--at", "2,3", "--across", "OX"},
         QStringLiteral("those letters would make the new words \"TO\" (down from row 1, column 3), \"ROX\" "
                        "(across from row 2, column 2); add-word adds exactly one word")},
        {{"3", "--at", "1,1", "--across", QString(31, QLatin1Char('A'))},
         QStringLiteral("The letters \"%1\" make a word of 31 letters, but a word holds at most 30.  Please remove "
                        "some letters.")
             .arg(QString(31, QLatin1Char('A')))},
        {{"0", "--at", "5,1", "--across", "OX", "--down"},
         QStringLiteral("add-word needs COLLECTION N --at ROW,COL --across|--down WORD --clue TEXT")},
        {{"0", "--at", "0,1", "--across", "OX"}, QStringLiteral("--at needs ROW,COL, each 1..50: 0,1")},
        {{"4", "--at", "1,1", "--across", "OX"},
         QStringLiteral("record 4 is not in %1, which holds 4 puzzles").arg(path)},
    };
    for (const auto &c : refusals) {
        const auto r = cli::run(QStringList{"add-word", path} + c.args + QStringList{"--clue", "A clue"});
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        if (!c.error.isEmpty()) {
            EXPECT_EQ(r.error, c.error) << c.args.join(' ').toStdString();
        }
        EXPECT_EQ(readAll(path), before) << c.args.join(' ').toStdString();
    }
    // A clue the puzzle cannot store.
    auto r = cli::run({"add-word", path, "0", "--at", "5,1", "--across", "OX", "--clue", "\xce\x91 letter"});
    EXPECT_EQ(r.error, QStringLiteral("The character \"\u0391\" (U+0391) cannot be stored in a puzzle."));
    EXPECT_EQ(readAll(path), before);

    // Typed through the E of ARE, as the window lets a user type around a letter already there.
    r = cli::run(
        {"add-word", path, "0", "--at", "3,2", "--across", "EWE", "--clue", " Female sheep ", "--case", "upper"});
    ASSERT_EQ(r.status, 0) << r.error.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Added EWE as 3 across to record 0 of %1.\n").arg(path));
    const auto saved = file.read(0);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->WordCount, 3);
    EXPECT_EQ(saved->Words[1].str(), "EWE");
    EXPECT_EQ(saved->Clues[1].str(), "Female sheep");
    EXPECT_EQ(saved->cell(3, 3), 'W');
    expectSoundCrossword(*saved);
    // The other records are as they were.
    const auto after = readAll(path);
    EXPECT_TRUE(std::equal(after.begin() + PuzzleRecord::Size, after.end(), before.begin() + PuzzleRecord::Size));
}
