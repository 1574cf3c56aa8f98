// Monitoring over the pseudo-terminal, read with the device library the
// way Capturo reads the records.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ClockDigits.h"
#include "MonitorRecords.h"
#include "PcPort.h"
#include "Scenario.h"
#include "UnitSim.h"
#include "UnitStream.h"
#include "portello.h"

namespace unitsim {
namespace {

using Records = std::vector<std::string>;

UnitOptions Model(int model) {
    UnitOptions options;
    options.model = model;
    return options;
}

bool PcAccepts(const std::string& line) {
    std::string copy = line;
    return AP_CheckSum(reinterpret_cast<uint8_t*>(copy.data()), static_cast<int32_t>(copy.size())) == 1;
}

Records BytesOf(const std::vector<ExpectedRecord>& history) {
    Records bytes;
    for (const ExpectedRecord& record : history) bytes.push_back(record.bytes);
    return bytes;
}

// Lines up to and including the end record; stops early when a line does
// not come in time or after the limit.
Records ReadRun(PcPort& pc, std::size_t limit) {
    Records lines;
    while (lines.size() < limit) {
        const auto line = pc.ReadLine();
        if (!line) break;
        lines.push_back(*line);
        if (line->size() > 1 && static_cast<std::uint8_t>((*line)[1]) == kEndType) break;
    }
    return lines;
}

Scenario Sample() {
    Scenario scenario;
    scenario.startTime = "250131235958";
    scenario.baud = 19200.0f;
    scenario.records = {
        {0, {{0x80, 'A', 0, 1000}, {0x82, 'B'}}},
        {3, {{0x80, 0x0D}, {0x80, 0x0A, 1, 0x0D}}, false, true},  // bad checksum
        {140, {{0xB0, 0xFF, 5, 0}}},
        {150, {}, true},  // ring restart
        {151, {{0x8A, 'T', 2, 1023}}},
    };
    return scenario;
}

TEST(UnitSimMonitorTest, PcReceivesTheScenarioAndTheEndRecordAfterItsStop) {
    UnitSim sim {Model(2)};
    const Scenario scenario = Sample();
    sim.SetScenario(scenario);
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.IsOpen());
    ASSERT_TRUE(pc.Send("G1\r\n"));
    Records lines;
    for (std::size_t i = 0; i < 1 + scenario.records.size(); ++i) {
        const auto line = pc.ReadLine();
        ASSERT_TRUE(line.has_value()) << i;
        lines.push_back(*line);
    }
    // The scenario has run out; the unit waits for the stop.
    EXPECT_TRUE(sim.IsMonitoring());
    ASSERT_TRUE(pc.Send("G0\r\n"));
    const Records rest = ReadRun(pc, 1);
    ASSERT_EQ(rest.size(), 1u);
    lines.push_back(rest[0]);

    EXPECT_EQ(lines, BytesOf(ExpectedHistory(2, scenario)));
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(PcAccepts(lines[i]), i != 2) << i;
    EXPECT_TRUE(sim.WaitUntil([](const UnitModel& m) { return !m.IsMonitoring(); }));
}

TEST(UnitSimMonitorTest, Model1RunOnTheUnitsClockEndsByItself) {
    UnitSim sim {Model(1)};
    Scenario scenario = Sample();
    scenario.startTime.clear();
    scenario.endByItself = true;
    scenario.recordsPerSecond = 200.0;
    sim.SetScenario(scenario);
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("S1\r\n"));
    const Records lines = ReadRun(pc, 10);
    scenario.startTime = sim.MonitorStartTime();
    EXPECT_EQ(lines, BytesOf(ExpectedHistory(1, scenario)));
    EXPECT_EQ(sim.ScenarioRecordsSent(), scenario.records.size());
}

// Far more records than the terminal holds: the unit waits for the PC and
// nothing is lost or cut.
TEST(UnitSimMonitorTest, RecordsGoOutAsFastAsThePcReadsWithoutLoss) {
    UnitSim sim {Model(2)};
    Scenario scenario;
    scenario.startTime = "250131235958";
    scenario.endByItself = true;
    for (int second = 0; second < 1500; ++second) {
        std::vector<ScenarioUnit> units;
        for (int i = 0; i < 40; ++i) {
            units.push_back({static_cast<std::uint8_t>(0x80 | (i & 3)),
                             static_cast<std::uint8_t>(second * 40 + i), i % 6,
                             static_cast<std::uint16_t>(second % 1024)});
        }
        scenario.records.push_back({second, std::move(units)});
    }
    sim.SetScenario(scenario);
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("G1\r\n"));
    const Records lines = ReadRun(pc, scenario.records.size() + 2);
    EXPECT_EQ(lines, BytesOf(ExpectedHistory(2, scenario)));
}

TEST(UnitSimMonitorTest, StreamRunsUntilTheStopAndEndsWithTheEndRecord) {
    UnitSim sim {Model(2)};
    sim.SetStream(2000, 50);
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("G1\r\n"));
    Records lines;
    for (int i = 0; i < 6; ++i) {
        const auto line = pc.ReadLine();
        ASSERT_TRUE(line.has_value()) << i;
        lines.push_back(*line);
    }
    ASSERT_TRUE(pc.Send("G0\r\n"));
    for (const std::string& line : ReadRun(pc, 200)) lines.push_back(line);
    ASSERT_GE(lines.size(), 7u);

    // Forty records a second, the same units as any stream of that rate.
    const std::string start = sim.MonitorStartTime();
    EXPECT_EQ(lines.front(), StartRecord(2, start, LineSettings {}));
    UnitStream reference {2000, 50};
    const std::size_t dataRecords = lines.size() - 2;
    for (std::size_t k = 0; k < dataRecords; ++k) {
        EXPECT_EQ(lines[1 + k], DataRecord(static_cast<int>(k / 40), reference.Next().units)) << k;
    }
    const int lastSecond = static_cast<int>((dataRecords - 1) / 40);
    EXPECT_EQ(lines.back(), EndRecord(FormatClockDigits(*ParseClockDigits(start) +
                                                        std::chrono::seconds(lastSecond))));
    for (const std::string& line : lines) EXPECT_TRUE(PcAccepts(line));
    EXPECT_TRUE(sim.WaitUntil([](const UnitModel& m) { return !m.IsMonitoring(); }));
}

}  // namespace
}  // namespace unitsim
