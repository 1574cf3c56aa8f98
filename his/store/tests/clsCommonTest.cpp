#include <gtest/gtest.h>

#include "clsCommon.h"

namespace store {
namespace {

TEST(clsCommonProperties, NumericSettersKeepOnlyValuesInRange) {
    clsCommon doc;
    doc.DspMode("3");
    EXPECT_EQ(doc.DspMode(), 3);
    for (const char* bad : {"6", "-1", "", "A", "3x"}) {
        doc.DspMode(bad);
        EXPECT_EQ(doc.DspMode(), 3) << bad;
    }
    doc.DspMode(" 4 ");
    EXPECT_EQ(doc.DspMode(), 4);

    doc.SdCount(0, "256");
    EXPECT_EQ(doc.SdCount(0), 256);
    doc.SdCount(0, "257");
    EXPECT_EQ(doc.SdCount(0), 256);

    doc.BaudRate("9600");
    doc.BaudRate("0");
    EXPECT_EQ(doc.BaudRate(), 9600);
    doc.BaudRate("9600.4");
    EXPECT_EQ(doc.BaudRate(), 9600);
    doc.BaudRate(115200.5);
    EXPECT_EQ(doc.BaudRate(), 115200) << "halves round to even";
    doc.BaudRate("99999999999");
    EXPECT_EQ(doc.BaudRate(), 115200) << "overflow is refused";

    doc.AfterLength(1, "16777215");
    EXPECT_EQ(doc.AfterLength(1), 16777215);
    doc.AfterLength(1, "16777216");
    EXPECT_EQ(doc.AfterLength(1), 16777215);
}

TEST(clsCommonProperties, TextsKeepTheirLeadingCharactersAndBadIndexesReadEmpty) {
    clsCommon doc;
    const std::string thirty = "0123456789ABCDEFGHIJKLMNOPQRST";
    doc.SdChar(1, thirty);
    EXPECT_EQ(doc.SdChar(1), thirty.substr(0, 24));
    doc.SdChar(0, thirty);
    EXPECT_EQ(doc.SdChar(0), thirty.substr(0, 10));
    doc.RdCharAt(0, "ｱｲｳｴｵｶｷ");
    EXPECT_EQ(doc.RdCharAt(0), "ｱｲｳｴｵ") << "characters, not bytes";

    doc.TrigLine(2, "1");
    EXPECT_EQ(doc.TrigLine(2), 0);
    EXPECT_EQ(doc.TrigLine(0), 0);
    EXPECT_EQ(doc.SdChar(-1), "");

    doc.MonitorStart("2002/10/15 08:05:09");
    EXPECT_NE(doc.MonitorStart(), 0.0);
    const double kept = doc.MonitorStart();
    doc.MonitorStart("2002/13/15 08:05:09");
    EXPECT_EQ(doc.MonitorStart(), kept);
    doc.PrecedFile("/no/such/file.ky2");
    EXPECT_EQ(doc.PrecedFile(), "");
}

// Records SD, RD, SD.
clsCommon ThreeRecords() {
    clsCommon doc;
    doc.RecordAdd(1.0, 0x80, 'a');
    doc.RecordAdd(1.0, 0x82, 'b');
    doc.RecordAdd(2.0, 0x88, 'c');
    return doc;
}

TEST(clsCommonQueries, RunningCountsFindTheirRecords) {
    const clsCommon doc = ThreeRecords();
    int32_t r = -5;
    EXPECT_TRUE(doc.GetRecNo(1, 1, r));
    EXPECT_EQ(r, 2);
    EXPECT_TRUE(doc.GetRecNo("2", "0", r));
    EXPECT_EQ(r, 1);
    EXPECT_FALSE(doc.GetRecNo(2, 1, r));
    EXPECT_EQ(r, 3) << "a failed search ends at the record count";
    EXPECT_FALSE(doc.GetRecNo("x", 0, r));

    EXPECT_TRUE(doc.GetDirectionTrInf(1, 2, r));
    EXPECT_EQ(r, 2);
    EXPECT_FALSE(doc.GetDirectionTrInf(2, 2, r));
    EXPECT_TRUE(doc.GetDirectionTrInf(2, 1, r));
    EXPECT_EQ(r, 1);
    EXPECT_TRUE(doc.GetDirectionTrInf(2, 0, r)) << "record 0 is SD, so RD count 0 stands there";
    EXPECT_EQ(r, 0);
    EXPECT_FALSE(doc.GetDirectionTrInf(1, 0, r));
    EXPECT_FALSE(doc.GetDirectionTrInf(1, -1, r));

    EXPECT_EQ(doc.GetSdCharB(), "ac");
    EXPECT_EQ(doc.GetRdCharB(), "b");
    EXPECT_EQ(doc.GetTrigPos(), 2);
    EXPECT_EQ(clsCommon().GetTrigPos(), -1);
}

TEST(clsCommonQueries, IndexesOutsideTheHistoryFailAndLeaveOutputsAlone) {
    const clsCommon doc = ThreeRecords();
    int16_t d = 7, same = 7, ch = 7, jis = 7, trig = 7, par = 7, over = 7, flam = 7;
    EXPECT_FALSE(doc.GetDataAtInf(3, d, same, ch, jis, trig, par, over, flam));
    EXPECT_FALSE(doc.GetDataAtInf(-1, d, same, ch, jis, trig, par, over, flam));
    EXPECT_EQ(d, 7);
    EXPECT_EQ(flam, 7);
    int16_t ti = 9, tv = 9;
    EXPECT_FALSE(doc.GetDataTimInf(3, ti, tv));
    EXPECT_EQ(ti, 9);
    double when = 42;
    int32_t dual = 9, sd = 9, rd = 9;
    EXPECT_FALSE(doc.GetDataOtherInf(3, when, dual, sd, rd));
    EXPECT_EQ(when, 42);

    ASSERT_TRUE(doc.GetDataOtherInf(1, when, dual, sd, rd));
    EXPECT_EQ(dual, 2);
    EXPECT_EQ(sd, 1);
    EXPECT_EQ(rd, 1);
    int32_t tr = 0;
    doc.IsCounterInf(tr, sd, rd);
    EXPECT_EQ(tr, 3);
    EXPECT_EQ(sd, 2);
    EXPECT_EQ(rd, 1);
}

}  // namespace
}  // namespace store
