// A whole capture through the real device library and the simulated unit:
// connect, download, start, a scenario that crosses the 60,000-unit limit
// inside a record and holds a trigger, stop, the end record, and the
// append worker's final files read back through the history store.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "Engine.h"
#include "FakePortello.h"
#include "RealPortello.h"
#include "UnitSim.h"
#include "his/store/clsCommon.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace mon {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRecords = 245;
constexpr int kUnitsPerRecord = 251;  // record 239 crosses 60,000
constexpr int kTriggerRecord = 242;

unitsim::Scenario BigScenario() {
    unitsim::Scenario s;
    s.startTime = "261209100000";
    int n = 0;
    for (int r = 0; r < kRecords; ++r) {
        unitsim::ScenarioRecord rec{.secondsFromStart = r, .units = {}};
        for (int u = 0; u < kUnitsPerRecord; ++u, ++n) {
            auto attr = static_cast<uint8_t>(0x80 | ((n * 37) & 0x77));  // every flag but Trig
            if (r == kTriggerRecord && u == 100) attr |= 0x08;
            unitsim::ScenarioUnit unit{.attribute = attr, .data = static_cast<uint8_t>(n * 7)};
            if (n % 7 == 0) {
                unit.timeRange = n % 6;
                unit.timeValue = static_cast<uint16_t>(n % 1024);
            }
            rec.units.push_back(unit);
        }
        rec.badChecksum = r == 5;
        s.records.push_back(std::move(rec));
    }
    return s;
}

class RecordingMonitor : public MonitorView {
public:
    void ToolbarApply(const ToolbarState&) override {}
    void CaptionSet(const std::string& c) override { caption = c; }
    void BusyPointer(bool) override {}
    void SizeLock(bool) override {}
    void GridClear() override {}
    void GridShow(const GridPage&) override { ++pages; }
    void NoticeShow(const std::string& text, int16_t) override { notices.push_back(text); }
    void Beep() override {}
    std::string caption;
    int pages = 0;
    std::vector<std::string> notices;
};

class CaptureEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        unit_.SetScenario(scenario_);
        ::setenv("PORTELLO_COM1", unit_.SlavePath().c_str(), 1);
        engine_.Startup("Capturo Pavlor", false);
        engine_.Monitor = &monitor_;
        engine_.Pc.DataDir = data_.path();
        engine_.GridRows = 20;
        engine_.GridCols = 13;
    }
    void TearDown() override {
        engine_.Shutdown();
        ::unsetenv("PORTELLO_COM1");
    }
    template <typename Done>
    bool RunUntil(Done done, int seconds = 20) {
        const auto deadline = Clock::now() + std::chrono::seconds(seconds);
        while (!done() && Clock::now() < deadline) {
            engine_.Pass();
            if (engine_.Io.LastLine.empty()) std::this_thread::sleep_for(std::chrono::microseconds(200));
            clock_.ms += 50;
        }
        return done();
    }

    unitsim::Scenario scenario_ = BigScenario();
    unitsim::UnitSim unit_{unitsim::UnitOptions{.model = 2}};
    TempFolder dir_, data_{"capture.v1.2"};
    PortelloApi& api_ = test::RealPortello();
    test::FakeClock clock_;
    test::RecordingView view_;
    RecordingMonitor monitor_;
    Engine engine_{api_, view_, clock_, dir_.path()};
};

std::string Stamp(const std::string& yymmddhhnnss) {
    const std::string& t = yymmddhhnnss;
    return "20" + t.substr(0, 2) + "/" + t.substr(2, 2) + "/" + t.substr(4, 2) + " " + t.substr(6, 2) + ":" +
           t.substr(8, 2) + ":" + t.substr(10, 2);
}

TEST_F(CaptureEndToEnd, WhatTheUnitSentIsExactlyWhatTheHistoryFilesHold) {
    ASSERT_EQ(engine_.Pc.ModelNumber, 2);
    engine_.EngineState = kStateConnecting;
    engine_.ConnectStart();
    ASSERT_TRUE(RunUntil([&] { return engine_.EngineState == kStateIdle; }));
    ASSERT_EQ(engine_.Param.ParamResult, kParamOk);

    engine_.StopByUser = 0;
    engine_.CaptureStart();
    ASSERT_EQ(engine_.EngineState, kStateMonitoring);
    ASSERT_TRUE(RunUntil([&] { return unit_.ScenarioRecordsSent() == scenario_.records.size() &&
                                      engine_.Io.LastLine.empty() && engine_.Io.PendingText.empty(); }));
    engine_.StopByUser = -1;
    engine_.CaptureStopAsk();
    ASSERT_TRUE(RunUntil([&] { return engine_.EngineState == kStateIdle; }));
    EXPECT_TRUE(monitor_.notices.empty()) << "the user's stop is not announced";

    // The append worker runs on; the .tmp files go once it is done.
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    auto tmpLeft = [&] {
        for (const auto& name : data_.Names()) {
            if (name.size() > 4 && name.substr(name.size() - 4) == ".tmp") return true;
        }
        return false;
    };
    while (tmpLeft() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(tmpLeft());

    const std::string first = data_ / "Ky_00_b.ky2";
    const std::string second = data_ / "Ky_01_te.ky2";
    EXPECT_EQ(data_.Names(), (std::vector<std::string>{"Ky_00.k21", "Ky_00.k22", "Ky_00_b.ky2", "Ky_01_te.ky2"}));
    EXPECT_EQ(monitor_.caption, "モニタ - [" + (data_ / "Ky_01_te.ky2") + "]");

    store::clsCommon a, b;
    ASSERT_TRUE(a.Read(first));
    ASSERT_TRUE(b.Read(second));
    EXPECT_EQ(a.RecordCount(), 60000);
    EXPECT_EQ(a.FollowFile(), second) << "the chain probe finds the renamed file";
    EXPECT_EQ(b.PrecedFile(), first);
    EXPECT_EQ(platform::FormatDateTime(a.MonitorStart()), "2026/12/09 10:00:00");
    EXPECT_EQ(platform::FormatDateTime(b.MonitorStop()), Stamp(unitsim::ExpectedHistory(2, scenario_).back().time));
    EXPECT_EQ(a.BaudRate(), 9600);
    EXPECT_GE(b.GetTrigPos(), 0);

    std::vector<const store::HistoryRecord*> got;
    for (const store::clsCommon* doc : {&a, &b}) {
        for (int32_t i = 0; i < doc->RecordCount(); ++i) got.push_back(doc->Record(i));
    }
    size_t k = 0;
    const auto expected = unitsim::ExpectedHistory(2, scenario_);
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& rec = expected[i];
        // Index 0 is the start record, so the record with the bad checksum is 6.
        if (rec.kind != unitsim::ExpectedRecord::Kind::Data || i == 6) continue;
        for (const auto& unit : rec.units) {
            ASSERT_LT(k, got.size());
            const store::HistoryRecord& r = *got[k++];
            ASSERT_EQ(r.Attr, unit.attribute & 0x7F) << k;
            ASSERT_EQ(r.Data, unit.data) << k;
            ASSERT_EQ(r.TimIndex, unit.timeRange) << k;
            if (unit.timeRange >= 0) {
                ASSERT_EQ(r.TimValue, unit.timeValue) << k;
            }
            ASSERT_EQ(platform::FormatDateTime(r.DateTime), Stamp(rec.time)) << k;
        }
    }
    EXPECT_EQ(k, got.size());
    EXPECT_EQ(k, static_cast<size_t>((kRecords - 1) * kUnitsPerRecord));
    EXPECT_NE(TempFolder::ReadAll(data_ / "Ky_00.k21").find(platform::Utf8ToCp932(" チェックサムエラー")), std::string::npos);
}

}  // namespace
}  // namespace mon
