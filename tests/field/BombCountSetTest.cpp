// Sets of bomb counts against plain sets of numbers, across word boundaries.
#include "field/BombCountSet.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

TBombCountSet Of(const std::set<int>& members)
{
    std::vector<std::uint64_t> bits(members.empty() ? 0 : (*members.rbegin() + 64) / 64, 0);
    for (int m : members)
        bits[m >> 6] |= std::uint64_t{1} << (m & 63);
    return TBombCountSet::FromBits(bits.data(), static_cast<int>(bits.size()));
}

TEST(BombCountSetTest, SumsAndRangesMatchPlainSets)
{
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::set<int> a, b;
        const int offsetA = static_cast<int>(random() % 150);
        const int offsetB = static_cast<int>(random() % 150);
        for (int k = 0; k < 6; ++k) {
            a.insert(offsetA + static_cast<int>(random() % 90));
            if (round % 5 != 0) // now and then a single member
                b.insert(offsetB + static_cast<int>(random() % 90));
        }
        if (b.empty())
            b.insert(offsetB);
        std::set<int> sum;
        for (int x : a)
            for (int y : b)
                sum.insert(x + y);
        const TBombCountSet actual = Of(a).Plus(Of(b));
        ASSERT_EQ(actual.Min(), *sum.begin());
        ASSERT_EQ(actual.Max(), *sum.rbegin());
        for (int k = 0; k < 500; ++k)
            ASSERT_EQ(actual.Contains(k), sum.count(k) == 1) << k;
        const int low = static_cast<int>(random() % 400);
        const int high = low + static_cast<int>(random() % 130);
        const auto inside = sum.lower_bound(low);
        ASSERT_EQ(actual.AnyWithin(low, high), inside != sum.end() && *inside <= high) << low << ".." << high;
    }
    EXPECT_TRUE(TBombCountSet().Plus(TBombCountSet::Single(3)).Empty());
    EXPECT_FALSE(TBombCountSet().AnyWithin(0, 100));
}

} // namespace
