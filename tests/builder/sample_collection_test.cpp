// The shipped sample collection: finished puzzles a teacher could hand out, every word placed.
#include "store/collection_file.h"

#include "support/crossword_check.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(SampleCollection, HoldsBuiltPuzzlesWithEveryWordPlaced)
{
    const CollectionFile samples(QStringLiteral(QUORVEX_BINARY_DIR "/share/quorvex/SAMPLE.QX3"));
    const auto count = samples.count();
    ASSERT_TRUE(count.ok());
    EXPECT_GE(*count, 8);
    const auto index = samples.reload();
    ASSERT_TRUE(index);
    EXPECT_GE(index->CategoryList.size(), 4u);
    for (int n = 0; n < *count; ++n) {
        const auto r = samples.read(n);
        SCOPED_TRACE(r->PuzzleName.str());
        EXPECT_EQ(r->PuzzleBuilt, 1);
        EXPECT_EQ(r->VersionTag.str(), "3.1");
        EXPECT_GE(r->WordCount, 20);
        EXPECT_TRUE(r->Words[r->WordCount].empty()) << "a word was left out";
        for (int k = 0; k < 200; ++k)
            EXPECT_EQ(r->WordPlaced[k], k < r->WordCount ? 1 : 0);
        EXPECT_EQ(r->Layout.LayoutName.str(), "New Page");
        qx::test::expectSoundCrossword(*r);
    }
}
