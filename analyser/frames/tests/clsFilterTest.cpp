#include "clsFilter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FrameTestFiles.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;
using test::Record;

constexpr double kDay = 46365.416666666664;  // 2026/12/09 10:00:00
constexpr double kSecond = 1.0 / 86400;

class clsFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteConfig(kyf_, Config({{"種別", kItemCode, 8}, {"本体", kItemData, 0}}));
        // Kind 1 is a request (→), kind 2 an answer (←); kind 3 has no row.
        clsLink link;
        link.LinkMax(2);
        link.ItemMax(1);
        link.Position(0, 1);
        link.ListIndex(0);
        link.ObjectCode(0, 1);
        link.ItemName("Request");
        link.Direction(1);
        link.ListIndex(1);
        link.ObjectCode(0, 2);
        link.ItemName("Answer");
        link.Direction(2);
        ASSERT_TRUE(link.LinkWritre(kyl_));
        Open({Record(Bytes({0x01, 0x41, 0x42}), kDay, 0x80), Record(Bytes({0x02, 0x43}), kDay + kSecond, 0x82),
              Record(Bytes({0x01, 0x61}), kDay + 2 * kSecond, 0x80), Record(Bytes({0x03}), kDay + 3 * kSecond, 0x82),
              Record("", kDay + 4 * kSecond, 0x80)});
    }
    void Open(const std::vector<FrameRecord>& frames) {
        test::WriteFile(kyp_, test::KypBytes(test::SampleHeader(kyf_, kyl_), frames));
        doc_ = clsProtocol();
        ASSERT_EQ(doc_.FileRead(kyp_), 0);
    }
    // The rows a run gives, checking that it went through every frame.
    std::vector<int32_t> Rows(std::string linkFile = {}) {
        EXPECT_TRUE(filter_.Filter(doc_, linkFile));
        std::vector<int32_t> rows;
        for (int32_t i = 0; i < filter_.FilterMax(); ++i) rows.push_back(filter_.FilterNo(i));
        return rows;
    }
    using Rowset = std::vector<int32_t>;

    TempFolder dir_;
    std::string kyf_ = dir_ / "cfg.kyf";
    std::string kyl_ = dir_ / "links.kyl";
    std::string kyp_ = dir_ / "f.kyp";
    clsProtocol doc_;
    clsFilter filter_;
};

TEST_F(clsFilterTest, WithEveryConditionOffEveryFramePasses) {
    EXPECT_EQ(filter_.FilterMax(), 0) << "before any run";
    std::string linkFile;
    EXPECT_TRUE(filter_.Filter(doc_, linkFile));
    EXPECT_EQ(linkFile, kyl_) << "the document's link table, for the caller too";
    ASSERT_EQ(filter_.FilterMax(), 5);
    for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(filter_.FilterNo(i), i);
    EXPECT_EQ(filter_.FilterNo(5), 0);
    EXPECT_EQ(filter_.FilterNo(-1), 0);
}

TEST_F(clsFilterTest, LinkNamesMatchInPartWithoutCaseOrWhole) {
    filter_.FilterOption(0, 1);
    EXPECT_EQ(Rows(), Rowset{}) << "no names chosen: nothing passes";
    filter_.LinkNameMax(2);
    filter_.LinkName(0, "QUE");
    filter_.LinkName(1, "swe");
    EXPECT_EQ(Rows(), (Rowset{0, 1, 2}));
    filter_.FilterOption(0, 2);
    EXPECT_EQ(Rows(), Rowset{}) << "whole names only";
    filter_.LinkName(1, "Answer");
    EXPECT_EQ(Rows(), Rowset{1});
    EXPECT_EQ(Rows(dir_ / "missing.kyl"), Rowset{}) << "without a link table no name matches";
}

TEST_F(clsFilterTest, FrameDataIsContainedOrEqual) {
    filter_.FilterOption(1, 1);
    filter_.FrameData(Bytes({0x41, 0x42}));
    EXPECT_EQ(Rows(), Rowset{0});
    filter_.FrameData("");
    EXPECT_EQ(Rows(), (Rowset{0, 1, 2, 3, 4})) << "every frame contains nothing";
    filter_.FilterOption(1, 2);
    EXPECT_EQ(Rows(), Rowset{4}) << "only the empty frame equals nothing";
    filter_.FrameData(Bytes({0x03}));
    EXPECT_EQ(Rows(), Rowset{3});
}

TEST_F(clsFilterTest, TheTimeRangeIncludesBothEnds) {
    filter_.FilterOption(2, 1);
    filter_.RangeDate(0, kDay + kSecond);
    filter_.RangeDate(1, kDay + 3 * kSecond);
    EXPECT_EQ(Rows(), (Rowset{1, 2, 3}));
    filter_.RangeDate(1, kDay + 3.4 * kSecond);
    EXPECT_EQ(Rows(), (Rowset{1, 2, 3})) << "whole seconds";
    filter_.RangeDate(0, kDay + 5 * kSecond);
    EXPECT_EQ(Rows(), Rowset{});
    // Ends beyond any date, or no number, still order the frames' dates.
    filter_.RangeDate(0, -1e300);
    filter_.RangeDate(1, 1e300);
    EXPECT_EQ(Rows(), (Rowset{0, 1, 2, 3, 4}));
    filter_.RangeDate(0, std::nan(""));
    EXPECT_EQ(Rows(), (Rowset{0, 1, 2, 3, 4}));
    filter_.RangeDate(1, -1e300);
    EXPECT_EQ(Rows(), Rowset{});
}

TEST_F(clsFilterTest, DirectionsByLineOrByTheLinkTablesArrows) {
    filter_.FilterOption(3, 1);
    filter_.Direc(3);
    EXPECT_EQ(Rows(), (Rowset{0, 2, 4}));
    EXPECT_EQ(Rows(dir_ / "missing.kyl"), (Rowset{0, 2, 4})) << "SD needs no link table";
    filter_.Direc(4);
    EXPECT_EQ(Rows(), (Rowset{1, 3}));
    filter_.Direc(1);
    EXPECT_EQ(Rows(), (Rowset{0, 2}));
    filter_.Direc(2);
    EXPECT_EQ(Rows(), Rowset{1});
    filter_.Direc(0);
    EXPECT_EQ(Rows(), (Rowset{3, 4})) << "frames without a row have no arrow";
    EXPECT_EQ(Rows(dir_ / "missing.kyl"), Rowset{});
}

TEST_F(clsFilterTest, EveryConditionSwitchedOnMustPass) {
    filter_.FilterOption(0, 1);
    filter_.LinkNameMax(1);
    filter_.LinkName(0, "e");
    filter_.FilterOption(3, 1);
    filter_.Direc(4);
    EXPECT_EQ(Rows(), Rowset{1});
    filter_.FilterOption(2, 1);
    filter_.RangeDate(0, kDay + 2 * kSecond);
    filter_.RangeDate(1, kDay + 9 * kSecond);
    EXPECT_EQ(Rows(), Rowset{});
}

TEST_F(clsFilterTest, PppFramesAreComparedWithTheirEscapesUndone) {
    clsFrameConfig ppp;
    ASSERT_TRUE(ppp.FramePPPWrite(kyf_));
    Open({Record(Bytes({0x7E, 0xFF, 0x03, 0x00, 0x21, 0x7D, 0x5E, 0x12, 0x34, 0x7E}))});
    filter_.FilterOption(1, 1);
    filter_.FrameData(Bytes({0x21, 0x7E, 0x12}));
    EXPECT_EQ(Rows(), Rowset{0});
}

TEST_F(clsFilterTest, CancelStopsTheRunAndKeepsTheFramesFoundSoFar) {
    std::vector<FrameRecord> many(3000, Record(Bytes({0x01, 0x41})));
    Open(many);
    test::FakeProgress progress;
    progress.cancelAtYield = 2;
    std::string linkFile;
    EXPECT_FALSE(filter_.Filter(doc_, linkFile, &progress));
    EXPECT_EQ(progress.title, "フィルタ実行中");
    EXPECT_EQ(progress.max, 3000);
    EXPECT_EQ(progress.clears, 1);
    EXPECT_EQ(filter_.FilterMax(), 1024) << "the frames before the second look at the button";
    EXPECT_EQ(filter_.FilterNo(1023), 1023);

    test::FakeProgress quiet;
    EXPECT_TRUE(filter_.Filter(doc_, linkFile, &quiet));
    EXPECT_EQ(filter_.FilterMax(), 3000);
    EXPECT_EQ(quiet.yields, 3) << "a look every 1024 frames";
}

TEST_F(clsFilterTest, SettingsIgnoreIndexesAndCountsOutsideTheirRange) {
    filter_.FilterOption(4, 1);
    filter_.FilterOption(-1, 1);
    EXPECT_EQ(filter_.FilterOption(4), 0);
    EXPECT_EQ(filter_.Settings().FilterOption, (std::array<int16_t, 4>{}));
    filter_.LinkNameMax(0);
    EXPECT_EQ(filter_.LinkNameMax(), 0);
    filter_.LinkNameMax(2);
    filter_.LinkName(1, "応答");
    filter_.LinkName(2, "x");
    filter_.LinkNameMax(2);
    EXPECT_EQ(filter_.LinkName(1), "応答") << "the same count keeps the names";
    EXPECT_EQ(filter_.LinkName(2), "");
    filter_.LinkNameMax(3);
    EXPECT_EQ(filter_.LinkName(1), "") << "another count empties them";
    filter_.RangeDate(2, kDay);
    EXPECT_EQ(filter_.RangeDate(2), 0);
    EXPECT_EQ(filter_.RangeDate(0), 0);
}

}  // namespace
}  // namespace frames
