#include "store/collection_file.h"
#include "store/collection_view.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

PuzzleRecord puzzle(const std::string &category, const std::string &name)
{
    PuzzleRecord r;
    r.Category.set(category);
    r.PuzzleName.set(name);
    return r;
}

CollectionFile collectionOf(const TempDir &dir, std::initializer_list<std::pair<std::string, std::string>> puzzles)
{
    CollectionFile file(dir.file("TEST.QX3"));
    EXPECT_TRUE(file.createEmpty());
    for (const auto &[category, name] : puzzles)
        EXPECT_TRUE(file.append(puzzle(category, name)));
    return file;
}

std::vector<std::string> texts(const std::vector<TaggedEntry> &entries)
{
    std::vector<std::string> out;
    for (const auto &e : entries)
        out.push_back(e.text);
    return out;
}

std::vector<std::string> namesInFile(const CollectionFile &file)
{
    std::vector<std::string> out;
    const auto index = file.reload();
    for (const auto &p : index.value().PuzzleIndexList)
        out.push_back(p.name);
    return out;
}

} // namespace

TEST(CollectionReload, CategoriesInFirstSeenOrderAndCaseMatters)
{
    TempDir dir;
    const auto file =
        collectionOf(dir, {{"Birds", "Owls"}, {"Animals", "Cats"}, {"animals", "Dogs"}, {"Birds", "Hawks"}});
    const auto read = file.reload();
    ASSERT_TRUE(read);
    const CollectionIndex &index = *read;
    EXPECT_EQ(index.CategoryList, (std::vector<std::string>{"Birds", "Animals", "animals"}));
    ASSERT_EQ(index.PuzzleIndexList.size(), 4u);
    EXPECT_EQ(index.PuzzleIndexList[3].name, "Hawks");
    EXPECT_EQ(index.PuzzleIndexList[3].record, 3);
    EXPECT_EQ(index.PuzzleIndexList[3].category, 0);
    EXPECT_EQ(index.PuzzleIndexList[2].category, 2);
}

TEST(CollectionReload, MissingEmptyAndPartialFiles)
{
    TempDir dir;
    EXPECT_EQ(CollectionFile(dir.file("none.QX3")).reload().error().kind, FileError::Kind::CannotOpen);

    const auto file = collectionOf(dir, {{"A", "One"}, {"A", "Two"}});
    auto bytes = readAll(file.path());
    bytes.resize(bytes.size() + 1000, 0x41); // a partial third record
    writeAll(file.path(), bytes);
    EXPECT_EQ(file.reload()->PuzzleIndexList.size(), 2u);
    EXPECT_EQ(file.count(), 2);
    // A partial tail means damage or another kind of file: it is listed, but never written to.
    const auto refused = file.append(puzzle("A", "Three"));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, FileError::Kind::NotRecordFile);
    EXPECT_EQ(readAll(file.path()), bytes);

    CollectionFile empty(dir.file("empty.QX3"));
    ASSERT_TRUE(empty.createEmpty());
    EXPECT_EQ(fileSize(empty.path()), 0);
    EXPECT_TRUE(empty.reload()->CategoryList.empty());
}

TEST(CollectionRecords, ReadReplaceAndReadPastTheEnd)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"A", "One"}, {"B", "Two"}});
    EXPECT_TRUE(file.replace(1, puzzle("C", "Changed")));
    EXPECT_EQ(file.read(1)->PuzzleName.str(), "Changed");
    EXPECT_EQ(file.read(0)->Category.str(), "A");
    EXPECT_EQ(file.read(2).error().kind, FileError::Kind::Io) << "past the end";
    EXPECT_EQ(CollectionFile(dir.file("missing.QX3")).read(0).error().kind, FileError::Kind::CannotOpen);
}

TEST(CollectionRecords, DeleteMovesLaterRecordsDownAndTruncates)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"A", "R0"}, {"A", "R1"}, {"A", "R2"}});
    const auto lastBytes = readAll(file.path());
    ASSERT_TRUE(file.remove(0));
    EXPECT_EQ(namesInFile(file), (std::vector<std::string>{"R1", "R2"}));
    const auto after = readAll(file.path());
    EXPECT_TRUE(std::equal(after.begin(), after.end(), lastBytes.begin() + PuzzleRecord::Size));

    ASSERT_TRUE(file.remove(1)); // the last record: only a truncation
    EXPECT_EQ(namesInFile(file), (std::vector<std::string>{"R1"}));
    ASSERT_TRUE(file.remove(0));
    EXPECT_EQ(fileSize(file.path()), 0);
    EXPECT_FALSE(CollectionFile(dir.file("missing.QX3")).remove(0));
}

TEST(CollectionRecords, SaveAppendsNewPuzzlesAndReplacesExistingOnes)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"A", "One"}});
    EXPECT_TRUE(file.save(puzzle("A", "Copy"), true, 0));
    EXPECT_TRUE(file.save(puzzle("A", "Renamed"), false, 0));
    EXPECT_EQ(namesInFile(file), (std::vector<std::string>{"Renamed", "Copy"}));
    EXPECT_FALSE(CollectionFile(dir.file("no/such/dir/x.QX3")).save(puzzle("A", "B"), true, 0));
}

TEST(CollectionView, ListsAreSortedWithoutRegardToCaseAndTaggedWithNumbers)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"birds", "wren"}, {"Animals", "Zebra"}, {"Animals", "ant"}});
    CollectionView view;
    ASSERT_TRUE(view.reload(file));
    EXPECT_EQ(texts(view.categories()), (std::vector<std::string>{"Animals", "birds"}));
    EXPECT_EQ(view.categories()[0].tag, 1);
    EXPECT_EQ(texts(view.puzzles()), (std::vector<std::string>{"ant", "Zebra"}));
    EXPECT_EQ(view.puzzles()[0].tag, 2);
    EXPECT_FALSE(view.selectedPuzzle());
    view.selectFirstPuzzle();
    EXPECT_EQ(view.selectedRecord(), 2);

    view.selectCategory(1);
    EXPECT_EQ(texts(view.puzzles()), (std::vector<std::string>{"wren"}));
    EXPECT_FALSE(view.selectedPuzzle());
}

TEST(CollectionView, ReselectionIgnoresCaseAndTakesTheFirstInDisplayOrder)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"Zoo", "x"}, {"animals", "Dogs"}, {"Animals", "Cats"}});
    CollectionView view;
    view.setReselectPending("ANIMALS", "cats");
    ASSERT_TRUE(view.reload(file));
    // "animals" was seen first, sorts first among the equal texts, and is the one found.
    EXPECT_EQ(view.selectedCategoryName(), "animals");
    EXPECT_FALSE(view.selectedPuzzle()); // no "cats" in that category
    EXPECT_FALSE(view.reselectPending());

    view.setReselectPending("Zoo", "X");
    ASSERT_TRUE(view.reload(file));
    EXPECT_EQ(view.selectedCategoryName(), "Zoo");
    EXPECT_EQ(view.selectedPuzzleName(), "x");
}

TEST(CollectionView, AfterADeleteTheEntryAboveOrTheFirstIsSelected)
{
    TempDir dir;
    const auto file = collectionOf(dir, {{"A", "Apple"}, {"A", "Berry"}, {"A", "Cherry"}, {"B", "Only"}});
    CollectionView view;
    ASSERT_TRUE(view.reload(file));

    view.selectPuzzle(2); // Cherry: the entry above, Berry, is selected afterwards
    const int cherry = *view.selectedRecord();
    view.setReselectAfterDelete();
    ASSERT_TRUE(file.remove(cherry));
    ASSERT_TRUE(view.reload(file));
    EXPECT_EQ(view.selectedPuzzleName(), "Berry");

    view.selectPuzzle(0); // the first entry: its own name is looked up, and is gone
    view.setReselectAfterDelete();
    ASSERT_TRUE(file.remove(*view.selectedRecord()));
    ASSERT_TRUE(view.reload(file));
    EXPECT_EQ(view.selectedCategoryName(), "A");
    EXPECT_FALSE(view.selectedPuzzle());

    // Deleting the only puzzle of a category removes the category; the first one is shown.
    view.setReselectPending("B", "");
    ASSERT_TRUE(view.reload(file));
    view.selectFirstPuzzle();
    view.setReselectAfterDelete();
    ASSERT_TRUE(file.remove(*view.selectedRecord()));
    ASSERT_TRUE(view.reload(file));
    EXPECT_EQ(texts(view.categories()), (std::vector<std::string>{"A"}));
    EXPECT_EQ(view.selectedCategoryName(), "A");
}
