#include "common/FitSize.h"

#include <gtest/gtest.h>

#include <vector>

// The search must land on the same size as walking down from the largest one by one: the largest
// size that fits, or one below the range when none does.
TEST(LargestFittingSize, FindsTheLargestSizeThatFits)
{
    struct Case {
        int low, high, limit, expected;
    };
    const Case cases[] = {
        {7, 52, 31, 31},  // somewhere inside
        {7, 52, 52, 52},  // the largest fits at once
        {7, 52, 99, 52},  // everything fits
        {7, 52, 7, 7},    // only the smallest
        {7, 52, 3, 6},    // nothing fits
        {7, 7, 7, 7},     // a range of one
        {7, 7, 6, 6},
        {7, 6, 50, 6},    // an empty range
    };
    for (const Case &c : cases) {
        std::vector<int> tried;
        const int found = LargestFittingSize(c.low, c.high, [&](int size) {
            tried.push_back(size);
            return size <= c.limit;
        });
        EXPECT_EQ(found, c.expected) << c.low << ".." << c.high << " fitting up to " << c.limit;
        for (int size : tried)
            EXPECT_TRUE(size >= c.low && size <= c.high) << "tried " << size;
    }
}
