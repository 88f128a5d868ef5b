#include "layout/layout_defaults.h"
#include "layout/layout_library.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

PageLayout layout(const std::string &name, const std::string &paper = "Letter")
{
    PageLayout p = newLayout(2);
    p.LayoutName.set(name);
    p.PaperName.set(paper);
    return p;
}

PageLayout customLayout(const std::string &name, double width, double height, bool inches)
{
    PageLayout p = layout(name, "Custom");
    p.PageWidth = width;
    p.PageHeight = height;
    p.SizeInInches = inches ? 1 : 0;
    return p;
}

// A record with bytes in every slot: reserved bytes, stale slots, picture places.
std::vector<uint8_t> patternedRecord(uint32_t seed)
{
    auto bytes = patternBytes(PageLayout::Size, seed);
    bytes[0] = 6;
    bytes[21] = 2;
    bytes[63] = 4; // ObjectCount 4: slots 5..20 stale
    bytes[64] = 0;
    return bytes;
}

std::vector<uint8_t> exchangeFile(const std::string &tag, const std::vector<uint8_t> &record, size_t extra = 0)
{
    std::vector<uint8_t> out(tag.begin(), tag.end());
    out.insert(out.end(), record.begin(), record.end());
    out.resize(out.size() + extra, 0x33);
    return out;
}

struct LayoutLibraryTest : ::testing::Test {
    TempDir dir;
    LayoutLibrary library = LayoutLibrary::inProgramDir(dir.path());

    void fill(std::initializer_list<std::string> names)
    {
        for (const auto &n : names)
            ASSERT_TRUE(library.append(layout(n)));
    }
};

} // namespace

TEST(LayoutEntryText, NamesThePaperAndOnlyACustomPaperShowsItsSize)
{
    EXPECT_EQ(layoutEntryText(layout("Daily Page"), false), "Daily Page (Letter)");
    EXPECT_EQ(layoutEntryText(layout("Daily Page", "A4"), true), "Daily Page (A4)  <<DEFAULT>>");
    // The inch mark stands whatever the unit; the size is rounded to whole numbers.
    EXPECT_EQ(layoutEntryText(customLayout("Odd", 8.5, 11, false), false), "Odd (Custom 9\" x 11\")");
    EXPECT_EQ(layoutEntryText(customLayout("Odd", 7.49, 10.51, true), true), "Odd (Custom 7\" x 11\")  <<DEFAULT>>");
    // A paper name that is none of the seven is shown as it is, without a size.
    EXPECT_EQ(layoutEntryText(layout("Odd", "Foolscap"), false), "Odd (Foolscap)");
    EXPECT_EQ(layoutEntryText(customLayout("X", std::nan(""), 1e300, true), false),
              "X (Custom 0\" x 1000000000000000\")"); // damaged sizes saturate
}

TEST_F(LayoutLibraryTest, MissingOrEmptyLibraryListsNothing)
{
    EXPECT_EQ(library.path(), dir.file("QXFPAGE.DAT"));
    EXPECT_TRUE(library.list(0)->nothingFound());
    writeAll(library.path(), {});
    EXPECT_TRUE(library.list(0)->nothingFound());
}

TEST_F(LayoutLibraryTest, ListIsSortedAndMarksTheDefaultByRecordNumber)
{
    fill({"Weekly", "Daily"});
    EXPECT_EQ(library.append(layout("Sunday")), 2);
    EXPECT_EQ(
        library.list(2)->entries,
        (std::vector<ListEntry>{{1, "Daily (Letter)"}, {2, "Sunday (Letter)  <<DEFAULT>>"}, {0, "Weekly (Letter)"}}));

    // Deleting an earlier record leaves "Default Page" at 2: the mark passes to the former record 3.
    ASSERT_TRUE(library.append(layout("Annual")));
    ASSERT_TRUE(library.remove(1));
    EXPECT_EQ(
        library.list(2)->entries,
        (std::vector<ListEntry>{{2, "Annual (Letter)  <<DEFAULT>>"}, {1, "Sunday (Letter)"}, {0, "Weekly (Letter)"}}));
}

TEST_F(LayoutLibraryTest, RecordsKeepEveryByteThroughReadAndReplace)
{
    const auto a = patternedRecord(1);
    writeAll(library.path(), a);
    const auto read = library.read(0);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->encoded(), a);
    ASSERT_TRUE(library.replace(0, *read));
    EXPECT_EQ(readAll(library.path()), a);
    EXPECT_EQ(library.read(1).error().kind, FileError::Kind::Io) << "past the end";
}

TEST_F(LayoutLibraryTest, NewPuzzleTakesTheDefaultPageRecordZeroOrTheBuiltInDefault)
{
    EXPECT_EQ(layoutForNewPuzzle(library.path(), 0), builtInDefaultLayout());
    writeAll(library.path(), std::vector<uint8_t>(100, 7)); // not even one whole record
    EXPECT_EQ(layoutForNewPuzzle(library.path(), 0), builtInDefaultLayout());

    writeAll(library.path(), {});
    fill({"Zero", "One", "Two"});
    EXPECT_EQ(layoutForNewPuzzle(library.path(), 2)->LayoutName.str(), "Two");
    EXPECT_EQ(layoutForNewPuzzle(library.path(), 5)->LayoutName.str(), "Zero");
    EXPECT_EQ(layoutForNewPuzzle(library.path(), 3)->LayoutName.str(), "Zero");
    EXPECT_EQ(layoutForNewPuzzle(library.path(), -1)->LayoutName.str(), "Zero");
}

TEST_F(LayoutLibraryTest, ExportWritesTheTagAndTheRecordAndImportAppendsIt)
{
    const auto record = patternedRecord(4);
    const auto path = dir.file("page.PAG");
    const auto p = PageLayout::decode(std::span<const uint8_t, PageLayout::Size>(record.data(), PageLayout::Size));
    EXPECT_TRUE(exportLayout(path, p));
    EXPECT_EQ(readAll(path), exchangeFile("PAG1.0", record));

    fill({"Existing"});
    EXPECT_EQ(importLayout(path, library), (ImportOutcome{ImportResult::Imported, 1}));
    EXPECT_EQ(library.read(1)->encoded(), record);
}

TEST_F(LayoutLibraryTest, ImportTakesTheFirstRecordOfALongFileAndRefusesAShortOne)
{
    const auto record = patternedRecord(5);
    const auto path = dir.file("in.PAG");
    auto shortByOne = exchangeFile("PAG1.0", record);
    shortByOne.pop_back(); // 28,873 bytes
    writeAll(path, shortByOne);
    EXPECT_EQ(importLayout(path, library), ImportOutcome{ImportResult::Corrupt});
    EXPECT_EQ(fileSize(library.path()), -1);

    writeAll(path, exchangeFile("PAG2.0", record, 30000 - 28874));
    EXPECT_EQ(importLayout(path, library), (ImportOutcome{ImportResult::Imported, 0}));
    EXPECT_EQ(readAll(library.path()), record);

    EXPECT_EQ(importLayout(dir.file("missing.PAG"), library).error().path, dir.file("missing.PAG"));
    EXPECT_EQ(importLayout(path, LayoutLibrary(dir.file("none/QXFPAGE.DAT"))).error().path,
              dir.file("none/QXFPAGE.DAT"));
}

TEST_F(LayoutLibraryTest, ADamagedLibraryIsListedButNeverWritten)
{
    auto bytes = patternedRecord(1);
    bytes.resize(bytes.size() + 20, 0x41);
    writeAll(library.path(), bytes);
    EXPECT_EQ(library.list(0)->entries.size(), 1u);
    const auto refused = library.append(layout("New"));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().errorText(),
              library.path() + QStringLiteral(" is damaged or is not a page layout library.  Nothing was saved."));
    EXPECT_FALSE(library.replace(0, layout("Other")));
    EXPECT_EQ(readAll(library.path()), bytes);
}
