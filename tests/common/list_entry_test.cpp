#include "common/list_entry.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(ListEntrySort, AlphabeticalWithoutRegardToCaseDigitsFirstEqualTextsKeepTheirOrder)
{
    std::vector<ListEntry> entries = {
        {0, "5x5 Heart"}, {1, "15x15 banana"}, {2, "15x15 Apple"}, {3, "15x15 apple"}, {4, "15x15 Cherry"}};
    sortByText(entries);
    std::vector<int> order;
    for (const auto &e : entries)
        order.push_back(e.recordNumber);
    EXPECT_EQ(order, (std::vector<int>{2, 3, 1, 4, 0}));
}
