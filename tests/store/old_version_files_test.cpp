#include "store/collection_file.h"
#include "store/old_version_files.h"

#include "support/temp_dir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

std::vector<uint8_t> oldPuzzle(const std::string &name, int words)
{
    OldPuzzleRecord old;
    old.Name.set(name);
    old.GridSide = 15;
    old.WordCount = static_cast<int16_t>(words);
    for (int k = 0; k < words; ++k)
        old.Words[k].set(QStringLiteral("W%1").arg(k).toStdString());
    std::vector<uint8_t> bytes(OldPuzzleRecord::Size);
    old.encode(std::span<uint8_t, OldPuzzleRecord::Size>(bytes.data(), bytes.size()));
    return bytes;
}

} // namespace

TEST(OldVersionFiles, PuzzlesBecomeACollectionAndTheOldFileGoes)
{
    TempDir dir;
    auto bytes = oldPuzzle("First", 2);
    const auto second = oldPuzzle("Second", 1);
    bytes.insert(bytes.end(), second.begin(), second.end());
    bytes.resize(bytes.size() + 100, 0); // a partial third record is not converted
    writeAll(dir.file(OldPuzzleFileName), bytes);

    PageLayout layout;
    layout.LayoutName.set("Default");
    ASSERT_TRUE(convertOldPuzzles(dir.file(OldPuzzleFileName), dir.file(ConvertedCollectionName), layout));
    EXPECT_FALSE(QFile::exists(dir.file(OldPuzzleFileName)));
    const CollectionFile converted(dir.file(ConvertedCollectionName));
    ASSERT_EQ(converted.count(), 2);
    const auto r = converted.read(1);
    EXPECT_EQ(r->PuzzleName.str(), "Second");
    EXPECT_EQ(r->Category.str(), "Version 2.0 Puzzles");
    EXPECT_EQ(r->Layout.LayoutName.str(), "Default");
    EXPECT_EQ(r->WordPlaced[0], 1);
    EXPECT_EQ(r->WordPlaced[1], 0);
}

TEST(OldVersionFiles, AnExistingCollectionIsAppendedTo)
{
    TempDir dir;
    writeAll(dir.file(OldPuzzleFileName), oldPuzzle("New", 0));
    const CollectionFile target(dir.file(ConvertedCollectionName));
    PuzzleRecord existing;
    existing.PuzzleName.set("Kept");
    ASSERT_TRUE(target.append(existing));
    ASSERT_TRUE(convertOldPuzzles(dir.file(OldPuzzleFileName), target.path(), PageLayout{}));
    EXPECT_EQ(target.read(0)->PuzzleName.str(), "Kept");
    EXPECT_EQ(target.read(1)->PuzzleName.str(), "New");
}

TEST(OldVersionFiles, ShapesAreAppendedUnchanged)
{
    TempDir dir;
    const auto shapes = patternBytes(2 * ShapeRecordBytes + 7, 5);
    writeAll(dir.file(OldShapeFileName), shapes);
    const auto existing = patternBytes(ShapeRecordBytes, 6);
    writeAll(dir.file("QXFLAY.DAT"), existing);
    ASSERT_TRUE(convertOldShapes(dir.file(OldShapeFileName), dir.file("QXFLAY.DAT")));
    auto expected = existing;
    expected.insert(expected.end(), shapes.begin(), shapes.begin() + 2 * ShapeRecordBytes);
    EXPECT_EQ(readAll(dir.file("QXFLAY.DAT")), expected);
    EXPECT_FALSE(QFile::exists(dir.file(OldShapeFileName)));
}

TEST(OldVersionFiles, FailuresLeaveTheOldFileInPlace)
{
    TempDir dir;
    EXPECT_EQ(convertOldShapes(dir.file("absent.DAT"), dir.file("QXFLAY.DAT")).error().path, dir.file("absent.DAT"));
    writeAll(dir.file(OldShapeFileName), patternBytes(ShapeRecordBytes, 1));
    EXPECT_EQ(convertOldShapes(dir.file(OldShapeFileName), dir.file("no/such/dir/QXFLAY.DAT")).error().path,
              dir.file("no/such/dir/QXFLAY.DAT"));
    EXPECT_TRUE(QFile::exists(dir.file(OldShapeFileName)));
}
