#include "common/text.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(CopyName, FollowsTheNumberingRule)
{
    EXPECT_EQ(CopyName("Birds", 35), "Birds (2)");
    EXPECT_EQ(CopyName("Birds (2)", 35), "Birds (3)");
    EXPECT_EQ(CopyName("Birds (x)", 35), "Birds (x) (2)");
    EXPECT_EQ(CopyName("Birds (3x)", 35), "Birds (4)");
    EXPECT_EQ(CopyName("A (1) (4)", 35), "A (2)");
    EXPECT_EQ(CopyName("Birds (0)", 35), "Birds (0) (2)");
    EXPECT_EQ(CopyName("Birds (12)", 35), "Birds (13)");
    EXPECT_EQ(CopyName("  Star (2)  ", 50), "Star (3)");
    EXPECT_EQ(CopyName("Star", 50), "Star (2)");
}
