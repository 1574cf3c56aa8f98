// A capture from the simulated unit, made by the monitor's engine through
// the real device library on a pseudo-terminal, converted into frames. The
// capture crosses the 60,000-character limit of a history file inside a
// record: the first file's conversion takes the rest of that record from
// the first data line of the following file, and nothing after it.
#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "UnitCapture.h"
#include "clsAnalysis.h"
#include "clsProtocol.h"
#include "his/store/clsCommon.h"

namespace frames {
namespace {

constexpr int kUnitsPerRecord = 256;
// 234 whole records fit the first file; the 235th crosses the limit.
constexpr int kRecords = 240;
constexpr int kCrossing = 234;

// Lines of text on SD, answers on RD, some with character times.
unitsim::Scenario LongScenario() {
    unitsim::Scenario s;
    s.endByItself = true;
    for (int r = 0; r < kRecords; ++r) {
        unitsim::ScenarioRecord record{r / 4, {}};
        for (int u = 0; u < kUnitsPerRecord; ++u) {
            const int n = r * kUnitsPerRecord + u;
            const bool rd = (n / 37) % 3 == 2;
            const int inLine = n % 37;
            uint8_t data = static_cast<uint8_t>('A' + (n / 7) % 26);
            if (inLine == 35) data = 0x0D;
            if (inLine == 36) data = 0x0A;
            if (n % 101 == 0) data = 0x10;
            const int range = inLine == 0 ? (n % 2) : -1;
            record.units.push_back({static_cast<uint8_t>(rd ? 0x82 : 0x80), data, range,
                                    static_cast<uint16_t>(n % 1000)});
        }
        s.records.push_back(std::move(record));
    }
    return s;
}

TEST(CaptureConvertTest, AChainWhoseRecordCrossesTheFileLimitConvertsWhole) {
    TempFolder dir_;
    test::UnitCapture unit;
    ASSERT_TRUE(unit.Connect());
    const unitsim::Scenario scenario = LongScenario();
    ASSERT_TRUE(unit.Capture(scenario)) << "the unit ends the run by itself";
    ASSERT_TRUE(unit.HistoriesWritten({"Ky_00_b.ky2", "Ky_01_e.ky2"}));
    store::clsCommon first;
    ASSERT_TRUE(first.Read(unit.History("Ky_00_b.ky2")));
    ASSERT_EQ(first.RecordCount(), 60000) << "the first file is full";

    // What the conversion is to see: every unit up to the end of the
    // crossing record, each direction on its own.
    std::string sd, rd;
    for (int r = 0; r <= kCrossing; ++r) {
        for (const unitsim::ScenarioUnit& u : scenario.records[static_cast<size_t>(r)].units) {
            ((u.attribute & 0x02) ? rd : sd).push_back(static_cast<char>(u.data));
        }
    }

    const std::string kyf = dir_ / "open.kyf";
    test::WriteConfig(kyf, test::Config({{"行", kItemData, 0}}));
    clsAnalysis conv;
    conv.CutMode(1, 1);
    test::FakeProgress progress;
    ASSERT_TRUE(conv.ProtocolConv(unit.History("Ky_00_b.ky2"), dir_ / "cap.kyp", kyf, "", 0, &progress));
    clsProtocol doc;
    ASSERT_EQ(doc.FileRead(dir_ / "cap.kyp"), 0);
    EXPECT_EQ(doc.FollowFile(), unit.History("Ky_01_e.ky2"));
    EXPECT_EQ(doc.MonitorStart(), first.MonitorStart());

    std::string gotSd, gotRd;
    int openFrames = 0;
    for (int32_t n = 0; n < doc.FrameMax(); ++n) {
        const std::string_view bytes = doc.FrameBytes(n);
        (doc.FrameChanel(n) ? gotRd : gotSd).append(bytes);
        if (doc.FrameCut(n) == 1) {
            EXPECT_TRUE(bytes.ends_with("\r\n")) << "frame " << n;
        } else {
            ++openFrames;
        }
    }
    EXPECT_EQ(gotSd, sd);
    EXPECT_EQ(gotRd, rd);
    EXPECT_LE(openFrames, 2) << "only the last frame of each direction ends without CR LF";
    EXPECT_GT(doc.FrameMax(), 1500);
    EXPECT_GE(progress.yields, 1);
}

}  // namespace
}  // namespace frames
