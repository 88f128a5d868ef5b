#include "shapes/shape_library.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

ShapeRecord shape(const std::string &name, int width, int height)
{
    ShapeRecord s = newShape();
    s.ShapeName.set(name);
    s.ShapeWidth = static_cast<int16_t>(width);
    s.ShapeHeight = static_cast<int16_t>(height);
    return s;
}

std::vector<uint8_t> bytesOf(const ShapeRecord &s)
{
    const auto a = s.encoded();
    return {a.begin(), a.end()};
}

// Bytes in every slot, the name's unused tail included.
std::vector<uint8_t> patterned(uint32_t seed)
{
    auto bytes = patternBytes(ShapeRecord::Size, seed);
    bytes[0] = 4;
    return bytes;
}

std::vector<uint8_t> fileOf(const std::string &tag, const std::vector<uint8_t> &record, size_t extra = 0)
{
    std::vector<uint8_t> out(tag.begin(), tag.end());
    out.insert(out.end(), record.begin(), record.end());
    out.resize(out.size() + extra, 0x5A);
    return out;
}

struct ShapeLibraryTest : ::testing::Test {
    TempDir dir;
    ShapeLibrary library = ShapeLibrary::inProgramDir(dir.path());
};

} // namespace

TEST_F(ShapeLibraryTest, MissingOrEmptyLibraryListsNothingUntilTheFirstShapeIsAdded)
{
    EXPECT_EQ(library.path(), dir.file("QXFLAY.DAT"));
    EXPECT_TRUE(library.list()->nothingFound());
    writeAll(library.path(), {});
    EXPECT_TRUE(library.list()->nothingFound());

    EXPECT_EQ(library.append(shape("Star", 15, 15)), 0);
    EXPECT_EQ(fileSize(library.path()), 2555);
    EXPECT_EQ(library.list()->entries, (std::vector<ListEntry>{{0, "15x15 Star"}}));
}

TEST_F(ShapeLibraryTest, AppendGivesTheCountBeforeAndListsSortByEntryText)
{
    ASSERT_TRUE(library.append(shape("Heart", 5, 5)));
    ASSERT_TRUE(library.append(shape("Star", 15, 15)));
    ASSERT_TRUE(library.append(shape("Big", 30, 30)));
    EXPECT_EQ(library.append(shape("Arrow", 9, 12)), 3);
    EXPECT_EQ(library.list()->entries,
              (std::vector<ListEntry>{{1, "15x15 Star"}, {2, "30x30 Big"}, {0, "5x5 Heart"}, {3, "9x12 Arrow"}}));
}

TEST_F(ShapeLibraryTest, DeleteMovesLaterRecordsDownAndShrinksTheFile)
{
    std::vector<uint8_t> file;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const auto r = patterned(seed);
        file.insert(file.end(), r.begin(), r.end());
    }
    writeAll(library.path(), file);

    EXPECT_TRUE(library.remove(0));
    EXPECT_EQ(readAll(library.path()), std::vector<uint8_t>(file.begin() + 2555, file.end()));
    EXPECT_TRUE(library.remove(1));
    EXPECT_EQ(fileSize(library.path()), 2555);
    EXPECT_TRUE(library.remove(0));
    EXPECT_EQ(fileSize(library.path()), 0) << "deleting the only record leaves an empty file";
}

TEST_F(ShapeLibraryTest, ExportWritesTheTagAndTheRecordAndImportReadsItBack)
{
    const auto record = patterned(9);
    const auto path = dir.file("star.LAY");
    EXPECT_TRUE(exportShape(path, ShapeRecord::decode(std::span<const uint8_t, 2555>(record.data(), 2555))));
    EXPECT_EQ(readAll(path), fileOf("LAY1.0", record));
    EXPECT_EQ(exportShape(dir.file("no/such/dir/x.LAY"), newShape()).error().kind, FileError::Kind::CannotOpen);

    ASSERT_TRUE(library.append(newShape()));
    ShapeRecord current = newShape();
    EXPECT_EQ(importShape(path, library, current), (ImportOutcome{ImportResult::Imported, 1}));
    EXPECT_EQ(bytesOf(current), record);
    EXPECT_EQ(bytesOf(*library.read(1)), record);
}

TEST_F(ShapeLibraryTest, ImportIgnoresTheVersionAndAnythingAfterTheRecord)
{
    const auto record = patterned(4);
    const auto path = dir.file("in.LAY");
    ShapeRecord current;
    writeAll(path, fileOf("LAY2.0", record, 3000 - 2561)); // 3,000 bytes
    EXPECT_EQ(importShape(path, library, current), (ImportOutcome{ImportResult::Imported, 0}));
    EXPECT_EQ(readAll(library.path()), record);
}

TEST_F(ShapeLibraryTest, ShortOrForeignFilesAreCorruptAndChangeNothing)
{
    const auto record = patterned(5);
    auto shortByOne = fileOf("LAY1.0", record);
    shortByOne.pop_back(); // 2,560 bytes
    const auto path = dir.file("in.LAY");
    for (const auto &bytes :
         {shortByOne, fileOf("XYZ1.0", record), fileOf("lay1.0", record), fileOf("LA", {}), fileOf("LAY1", {})}) {
        writeAll(path, bytes);
        ShapeRecord current = newShape();
        EXPECT_EQ(importShape(path, library, current), ImportOutcome{ImportResult::Corrupt}) << bytes.size();
        EXPECT_EQ(current, newShape());
        EXPECT_EQ(fileSize(library.path()), -1) << "the library is not even created";
    }
}

TEST_F(ShapeLibraryTest, ImportReportsAFileThatCannotBeOpenedOrALibraryThatCannotBeWritten)
{
    ShapeRecord current;
    const auto missing = importShape(dir.file("missing.LAY"), library, current);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, FileError::Kind::CannotOpen);
    EXPECT_EQ(missing.error().path, dir.file("missing.LAY"));
    const auto path = dir.file("in.LAY");
    const auto record = patterned(6);
    writeAll(path, fileOf("LAY1.0", record));
    const auto refused = importShape(path, ShapeLibrary(dir.file("none/QXFLAY.DAT")), current);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().path, dir.file("none/QXFLAY.DAT"));
    EXPECT_EQ(bytesOf(current), record) << "read before the library refused it, it stays the current shape";
}

TEST_F(ShapeLibraryTest, ADamagedLibraryIsListedButNeverWritten)
{
    auto bytes = patterned(1);
    bytes.resize(bytes.size() + 20, 0x41);
    writeAll(library.path(), bytes);
    EXPECT_EQ(library.list()->entries.size(), 1u);
    const auto refused = library.append(newShape());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().errorText(),
              library.path() + QStringLiteral(" is damaged or is not a shape library.  Nothing was saved."));
    EXPECT_FALSE(library.remove(0));
    EXPECT_EQ(readAll(library.path()), bytes);
}
