#include <gtest/gtest.h>

#include "FakePortello.h"
#include "HistoryWriter.h"
#include "LiveDisplay.h"
#include "RealPortello.h"
#include "Records.h"
#include "TextUtil.h"

namespace mon {
namespace {

class LiveDisplayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CodeTableBuild(); }
    void Add(const std::string& record) { display_.DspUpdate(record, 46000.5, files_, trig_); }

    PcSettings pc_;
    MonitorSettings committed_;
    PortelloApi& api_ = test::RealPortello();
    HistoryWriter files_{api_, pc_, committed_};
    LiveDisplay display_{api_, pc_, committed_};
    int32_t trig_ = 0;
};

TEST_F(LiveDisplayTest, DataModeWrapsAndShowsTheNewestUnitsOldestFirst) {
    pc_.RdForeColor = 0x123456;
    display_.Reset(1, 4, 16);
    EXPECT_EQ(display_.DisplayCapacity, 64);
    for (int i = 0; i < 64; ++i) Add(test::DataRecord(1, {0x80, static_cast<uint8_t>('0' + i % 10)}));
    Add(test::DataRecord(1, {0x82, 'A'}));
    const GridPage page = display_.Page();
    ASSERT_EQ(page.rows.size(), 4u);
    EXPECT_EQ(page.rows[0][0].text, "１") << "the 2nd unit now leads";
    EXPECT_EQ(page.rows[3][15].text, "Ａ");
    EXPECT_EQ(page.rows[3][15].color, 0x123456);
    EXPECT_EQ(files_.FileUnits, 65);
    EXPECT_EQ(files_.FileRdUnits, 1);
}

TEST_F(LiveDisplayTest, DetailRowsCarryNumbersFlagsAndCharacterTimes) {
    committed_.CharTime = -1;
    display_.Reset(2, 5, 13);
    Add(test::DataRecord(1, {0x90, 'A', 0x45, 0x2C, 0x82, 'B', 0x54, 0x01, 0x88, 'C'}));
    Add(test::DataRecord(2, {0x41, 0x10, 0x80, 'D'}));  // starts with a time word
    const GridPage page = display_.Page();
    ASSERT_EQ(page.rows.size(), 5u);
    EXPECT_EQ(page.rows[0][3].text, "DATA");
    const auto& sd = page.rows[1];
    EXPECT_EQ(sd[0].text, "     1");
    EXPECT_EQ(sd[1].text, "     1");
    EXPECT_EQ(sd[2].text, "");
    EXPECT_EQ(sd[3].text, "Ａ");
    EXPECT_EQ(sd[4].text, "2025/12/09 12:00:00");
    EXPECT_EQ(sd[5].text, "S");
    EXPECT_EQ(sd[8].text, "1") << "parity";
    EXPECT_EQ(sd[11].text, "3.00");
    EXPECT_EQ(page.rows[2][2].text, "     1");
    EXPECT_EQ(page.rows[2][5].text, "R");
    EXPECT_EQ(page.rows[2][11].text, "****");
    EXPECT_EQ(page.rows[3][7].text, "1") << "trigger";
    EXPECT_EQ(page.rows[3][11].text, ".272") << "the next record's leading word belongs to C";
    EXPECT_EQ(trig_, 3);
    EXPECT_EQ(files_.AppendFlags & kMarkTrigger, kMarkTrigger);

    committed_.CharTime = 0;
    EXPECT_EQ(display_.Page().rows[1][11].text, "");
    EXPECT_EQ(CounterText("SD:", 123), "SD:000123");
    EXPECT_EQ(CounterText("TR:", 1234567), "TR:234567");
}

}  // namespace
}  // namespace mon
