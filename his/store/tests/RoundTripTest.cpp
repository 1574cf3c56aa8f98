#include <gtest/gtest.h>

#include <random>

#include "FileSave.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/time/VbDate.h"

namespace store {
namespace {

// A random history: both directions, every flag, character times of every
// range code, runs of equal stamps, stamps going back, and a trigger.
clsCommon RandomHistory(std::mt19937& rng, int records) {
    clsCommon doc;
    doc.DspMode(static_cast<int>(rng() % 6));
    doc.BaudRate(static_cast<int>(rng() % 230400 + 1));
    doc.Direction(static_cast<int>(rng() % 3));
    doc.CharTime(1);
    doc.MonitorStart(45000.5 + static_cast<int>(rng() % 1000));
    doc.RangeStop(46000.25);
    doc.SdChar(0, "0D0A");
    doc.RdCharAt(1, "0123456789");
    doc.AfterLength(1, 16777215);
    doc.TrigLine(0, 2);
    double stamp = 45000.0 + static_cast<int>(rng() % 5000);  // midnight: a whole second
    for (int i = 0; i < records; ++i) {
        if (rng() % 5 == 0) {
            // Whole seconds, as every stamp in a file is.
            stamp += (static_cast<int>(rng() % 7) - 2) / 86400.0;
            stamp = platform::ParseDateTime(platform::FormatDateTime(stamp)).value();
        }
        const auto attr = static_cast<uint8_t>(0x80 | (rng() % 0x80));
        doc.RecordAdd(stamp, attr, static_cast<uint8_t>(rng()));
        if (rng() % 3 == 0) {
            const auto range = static_cast<int16_t>(rng() % 6);
            doc.CharTimeSet(CharTimeWord(range, static_cast<uint16_t>(rng() % 1024)));
        }
    }
    return doc;
}

void ExpectSameHistory(const clsCommon& a, const clsCommon& b) {
    int32_t at = 0, as = 0, ar = 0, bt = 0, bs = 0, br = 0;
    a.IsCounterInf(at, as, ar);
    b.IsCounterInf(bt, bs, br);
    ASSERT_EQ(at, bt);
    EXPECT_EQ(as, bs);
    EXPECT_EQ(ar, br);
    EXPECT_EQ(a.GetTrigPos(), b.GetTrigPos());
    EXPECT_EQ(a.GetSdCharB(), b.GetSdCharB());
    EXPECT_EQ(a.GetRdCharB(), b.GetRdCharB());
    for (int32_t i = 0; i < at; ++i) {
        const HistoryRecord& x = *a.Record(i);
        const HistoryRecord& y = *b.Record(i);
        ASSERT_EQ(x.Attr, y.Attr) << i;
        ASSERT_EQ(x.Data, y.Data) << i;
        ASSERT_EQ(x.DateTime, y.DateTime) << i;
        ASSERT_EQ(x.TimIndex, y.TimIndex) << i;
        if (x.TimIndex != kCharTimeNone) {
            ASSERT_EQ(x.TimValue, y.TimValue) << i;
        }
        ASSERT_EQ(x.SdCount, y.SdCount) << i;
        ASSERT_EQ(x.RdCount, y.RdCount) << i;
    }
    EXPECT_EQ(a.DspMode(), b.DspMode());
    EXPECT_EQ(a.BaudRate(), b.BaudRate());
    EXPECT_EQ(a.Direction(), b.Direction());
    EXPECT_EQ(a.MonitorStart(), b.MonitorStart());
    EXPECT_EQ(a.RangeStop(), b.RangeStop());
    EXPECT_EQ(a.TrigLine(0), b.TrigLine(0));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a.SdChar(i), b.SdChar(i));
        EXPECT_EQ(a.RdCharAt(i), b.RdCharAt(i));
        EXPECT_EQ(a.AfterLength(i), b.AfterLength(i));
    }
}

TEST(Ky2RoundTrip, RandomHistoriesReadBackAsTheyWereWritten) {
    TempFolder dir;
    std::mt19937 rng(20261209);
    for (int round = 0; round < 25; ++round) {
        const clsCommon written = RandomHistory(rng, 1 + static_cast<int>(rng() % 3000));
        const std::string path = dir / ("h" + std::to_string(round) + ".ky2");
        ASSERT_EQ(HistorySave(written, path, {}), 0);
        clsCommon read;
        ASSERT_TRUE(read.Read(path));
        ExpectSameHistory(written, read);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace store
