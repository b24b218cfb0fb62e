// Counting and choosing the tips of the day.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "editor/app/Tips.h"

namespace zelt {
namespace {

// A table holding tips 0 ... count - 1 and one more after a gap.
StringTable TableWithTips(int count) {
    StringTable table;
    table.loaded = true;
    for (int i = 0; i < count; ++i) {
        table.labels.push_back({TipKey(i), static_cast<uint32_t>(table.values.size())});
        table.values.push_back("tip " + std::to_string(i));
    }
    table.labels.push_back({TipKey(count + 1), static_cast<uint32_t>(table.values.size())});
    table.values.push_back("after the gap");
    std::sort(table.labels.begin(), table.labels.end(),
              [](const StringLabel& a, const StringLabel& b) { return CompareLabelNames(a.name, b.name) < 0; });
    return table;
}

TEST(Tips, KeysHaveThreeDigits) {
    EXPECT_EQ(TipKey(0), "TIP:TIPOFDAY000");
    EXPECT_EQ(TipKey(42), "TIP:TIPOFDAY042");
    EXPECT_EQ(TipKey(999), "TIP:TIPOFDAY999");
    EXPECT_EQ(TipKey(1000), "TIP:TIPOFDAY000");
    EXPECT_EQ(TipKey(-5), "TIP:TIPOFDAY000");
}

TEST(Tips, CountStopsAtTheFirstAbsentKey) {
    EXPECT_EQ(CountTipKeys(TableWithTips(12), {}), 12);
    EXPECT_EQ(CountTipKeys(TableWithTips(0), {}), 0);
    // All 1000 present: 1000, not a made-up number.
    EXPECT_EQ(CountTipKeys(TableWithTips(kTipLimit), {}), kTipLimit);
    EXPECT_EQ(CountTipKeys(TableWithTips(12), {true, false}), 0);
    EXPECT_EQ(CountTipKeys(TableWithTips(12), {false, true}), 0);
    EXPECT_EQ(CountTipKeys(StringTable{}, {}), 0);
}

TEST(Tips, NextTipWrapsAndStoredValuesOutsideStartAtZero) {
    EXPECT_EQ(NextTip(0, 12), 1);
    EXPECT_EQ(NextTip(10, 12), 11);
    EXPECT_EQ(NextTip(11, 12), 0);
    EXPECT_EQ(NextTip(7, 5), 0);
    EXPECT_EQ(NextTip(-3, 5), 0);
    EXPECT_EQ(NextTip(2147483647, 5), 0);  // no overflow on + 1
    EXPECT_EQ(NextTip(0, 0), 0);
    EXPECT_EQ(NextTip(0, 1), 0);
}

}  // namespace
}  // namespace zelt
