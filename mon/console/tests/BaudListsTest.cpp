#include "BaudLists.h"

#include <gtest/gtest.h>

#include "RealPortello.h"

namespace mon {
namespace {

const BaudTable& Table() {
    static const BaudTable table = BaudTable::Read(test::RealPortello());
    return table;
}

TEST(BaudLists, ReferenceRatesAreTheHighestOfEachGroup) {
    const auto& rates = ReferenceRates(1);
    ASSERT_EQ(rates.size(), 41u);
    EXPECT_EQ(ReferenceRates(2).size(), 43u);
    EXPECT_EQ(ReferenceRates(2).back(), 687500);
    for (int group = 0; group < 41; ++group) {
        const BaudGroupList list = BaudListFill(Table(), group, 1e9f);
        ASSERT_FALSE(list.rates.empty()) << group;
        EXPECT_EQ(list.rates.back(), rates[static_cast<size_t>(group)]) << group;
    }
}

TEST(BaudLists, EntriesAreRightAlignedLikeTheReferenceList) {
    EXPECT_EQ(BaudListEntry(50), "     50");
    EXPECT_EQ(BaudListEntry(9600), "   9600");
    EXPECT_EQ(BaudListEntry(115200), " 115200");
    EXPECT_EQ(BaudListEntry(134.5f), "    134.5");
}

TEST(BaudLists, TheWindowOpensOnTheGroupOfTheTypedRate) {
    int group = BaudGroupOf(Table(), 9600);
    EXPECT_EQ(ReferenceRates(1)[static_cast<size_t>(group)], 9600);
    BaudGroupList list = BaudListFill(Table(), group, 9600);
    EXPECT_EQ(list.rates.front(), 8100);
    EXPECT_EQ(list.rates.size(), 16u) << "8100 to 9600 in steps of 100";
    EXPECT_EQ(list.rates[static_cast<size_t>(list.chosen)], 9600);

    group = BaudGroupOf(Table(), 9601);
    EXPECT_EQ(ReferenceRates(1)[static_cast<size_t>(group)], 10400);
    list = BaudListFill(Table(), group, ReferenceRates(1)[static_cast<size_t>(group)]);
    EXPECT_EQ(list.rates[static_cast<size_t>(FirstNotBelow(list.rates, 9601))], 9700);

    group = BaudGroupOf(Table(), 134);
    list = BaudListFill(Table(), group, 134.5f);
    EXPECT_EQ(list.rates, (std::vector<float>{120, 130, 134.5f}));
    EXPECT_EQ(list.chosen, 2);

    group = BaudGroupOf(Table(), 115200);
    list = BaudListFill(Table(), group, 115200);
    EXPECT_EQ(list.rates.size(), 139u);
    EXPECT_EQ(list.rates.front(), 76900);
    EXPECT_EQ(BaudGroupOf(Table(), 230401), -1);
}

TEST(BaudLists, TheModel2ListChoosesTheFirstRateNotBelow) {
    EXPECT_EQ(ReferenceRates(2)[static_cast<size_t>(FirstNotBelow(ReferenceRates(2), 500000))], 687500);
    EXPECT_EQ(ReferenceRates(2)[static_cast<size_t>(FirstNotBelow(ReferenceRates(2), 100))], 100);
    EXPECT_EQ(ReferenceRates(2)[static_cast<size_t>(FirstNotBelow(ReferenceRates(2), 101))], 110);
    EXPECT_EQ(FirstNotBelow(ReferenceRates(2), 687501), -1);
}

}  // namespace
}  // namespace mon
