#include "store/collection_file.h"
#include "store/collection_view.h"
#include "store/puzzle_transfer.h"

#include "support/temp_dir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

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

template <typename T>
FileStatus statusOf(const FileOutcome<T> &outcome)
{
    return outcome ? fileDone() : FileStatus(outcome.error());
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
    PuzzlePlace copy;
    EXPECT_EQ(file.save(puzzle("A", "Copy"), copy), 1);
    EXPECT_EQ(copy.number, 1) << "a saved copy is saved again in its place";
    PuzzlePlace one = PuzzlePlace::read(0, file.file().read(0).value());
    EXPECT_EQ(file.save(puzzle("A", "Renamed"), one), 0);
    EXPECT_EQ(file.save(puzzle("A", "Renamed again"), one), 0) << "a window saves the same puzzle twice";
    EXPECT_EQ(namesInFile(file), (std::vector<std::string>{"Renamed again", "Copy"}));
    PuzzlePlace none;
    EXPECT_FALSE(CollectionFile(dir.file("no/such/dir/x.QX3")).save(puzzle("A", "B"), none));
}

// A command acts on a record by the number it read earlier; when another program removed or
// replaced puzzles meanwhile, that number names another puzzle, and the command must refuse
// rather than overwrite, delete or hand out the wrong one. A change elsewhere in the file leaves a
// save by the record's bytes free to go ahead.
TEST(CollectionRecords, ACommandOnARecordNumberReadEarlierIsRefusedWhenTheRecordChanged)
{
    enum class Change { DeleteFirst, ReplaceTheRecord, AppendAnother };
    const struct {
        const char *command;
        Change change;
        bool refused;
        std::function<FileStatus(const CollectionFile &, PuzzlePlace &, const FileStamp &listed)> run;
    } cases[] = {
        {"save", Change::DeleteFirst, true,
         [](const auto &f, auto &place, const auto &) { return statusOf(f.save(puzzle("A", "Edited"), place)); }},
        {"save", Change::ReplaceTheRecord, true,
         [](const auto &f, auto &place, const auto &) { return statusOf(f.save(puzzle("A", "Edited"), place)); }},
        {"save", Change::AppendAnother, false,
         [](const auto &f, auto &place, const auto &) { return statusOf(f.save(puzzle("A", "Edited"), place)); }},
        {"delete", Change::DeleteFirst, true,
         [](const auto &f, auto &, const auto &listed) {
             return f.file().remove(RecordCheck{3, {}, listed});
         }},
        {"replace", Change::ReplaceTheRecord, true,
         [](const auto &f, auto &place, const auto &) {
             return f.file().replace(RecordCheck{3, place.asRead, {}}, encodeRecord(puzzle("A", "Edited")));
         }},
        {"read for print", Change::DeleteFirst, true,
         [](const auto &f, auto &, const auto &listed) { return statusOf(f.file().read(3, listed)); }},
        {"export", Change::AppendAnother, true,
         [](const auto &f, auto &, const auto &listed) {
             return statusOf(exportPuzzles(f, {3}, CollectionFile(f.path() + QStringLiteral(".out.QX3")), listed));
         }},
        {"import from it", Change::DeleteFirst, true,
         [](const auto &f, auto &, const auto &listed) {
             return statusOf(importPuzzles(f, {3}, CollectionFile(f.path() + QStringLiteral(".in.QX3")), listed));
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        TempDir dir;
        const auto file =
            collectionOf(dir, {{"A", "P0"}, {"A", "P1"}, {"A", "P2"}, {"A", "P3"}, {"A", "P4"}, {"A", "P5"}});
        CollectionView view;
        ASSERT_TRUE(view.reload(file));
        PuzzlePlace place = PuzzlePlace::read(3, file.file().read(3).value());
        // Another program, between the read and the command.
        switch (c.change) {
        case Change::DeleteFirst:
            ASSERT_TRUE(CollectionFile(file.path()).remove(0));
            break;
        case Change::ReplaceTheRecord:
            ASSERT_TRUE(CollectionFile(file.path()).replace(3, puzzle("A", "Theirs")));
            break;
        case Change::AppendAnother:
            ASSERT_TRUE(CollectionFile(file.path()).append(puzzle("A", "P6")));
            break;
        }
        EXPECT_TRUE(view.changedOnDisk(file));
        const auto before = readAll(file.path());
        const FileStatus done = c.run(file, place, view.listed().value());
        if (!c.refused) {
            EXPECT_TRUE(done);
            EXPECT_EQ(namesInFile(file)[3], "Edited");
            continue;
        }
        ASSERT_FALSE(done);
        EXPECT_EQ(done.error().kind, FileError::Kind::Changed);
        EXPECT_EQ(done.error().errorText(), file.path() + ": The file was changed by another program");
        EXPECT_EQ(readAll(file.path()), before) << "the file is untouched";
        EXPECT_FALSE(QFileInfo::exists(file.path() + QStringLiteral(".out.QX3")));
        EXPECT_FALSE(QFileInfo::exists(file.path() + QStringLiteral(".in.QX3")));
    }
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
