// Monitoring through the unit's behaviour alone: the start and stop
// commands, the records of a scenario in order, and the stream.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "LineSplitter.h"
#include "MonitorRecords.h"
#include "Scenario.h"
#include "UnitModel.h"
#include "UnitStream.h"

namespace unitsim {
namespace {

using namespace std::chrono_literals;
using Records = std::vector<std::string>;
using Kind = ExpectedRecord::Kind;

constexpr const char* kStart = "250131235958";

struct ManualClock {
    std::chrono::steady_clock::time_point now {};
    UnitClock::SteadyNow Source() {
        return [this] { return now; };
    }
};

// A unit of the model whose clock reads kStart and stands still.
struct Unit {
    ManualClock steady;
    UnitModel model;
    explicit Unit(int number) : model(Options(number), steady.Source()) {
        model.Receive(std::string("t") + kStart);
    }
    static UnitOptions Options(int number) {
        UnitOptions options;
        options.model = number;
        return options;
    }
};

// Every record the unit has ready now, in order.
Records Drain(UnitModel& unit) {
    Records records;
    while (auto record = unit.NextRecord()) records.push_back(std::move(record->bytes));
    return records;
}

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value); }

Records BytesOf(const std::vector<ExpectedRecord>& history) {
    Records bytes;
    for (const ExpectedRecord& record : history) bytes.push_back(record.bytes);
    return bytes;
}

bool SumsToZero(const std::string& record) {
    return ByteSum(std::string_view(record).substr(0, record.size() - 2)) == 0;
}

Scenario Numbered(std::vector<int> seconds) {
    Scenario scenario;
    scenario.startTime = kStart;
    for (const int second : seconds) {
        scenario.records.push_back({second, {{0x80, static_cast<std::uint8_t>(second)}}});
    }
    return scenario;
}

TEST(MonitorModelTest, EachModelStartsAndStopsOnItsOwnCommandsWithoutReply) {
    Unit n4 {1};
    EXPECT_TRUE(n4.model.Receive("G1").empty());
    EXPECT_FALSE(n4.model.IsMonitoring());
    EXPECT_TRUE(n4.model.Receive("S1").empty());
    EXPECT_TRUE(n4.model.IsMonitoring());
    EXPECT_EQ(Drain(n4.model), (Records {StartRecord(1, kStart, LineSettings {})}));
    // The empty scenario has run out: the unit waits for the stop.
    EXPECT_FALSE(n4.model.HasRecordReady());
    EXPECT_TRUE(n4.model.IsMonitoring());
    EXPECT_TRUE(n4.model.Receive("S0").empty());
    EXPECT_TRUE(n4.model.IsEnding());
    EXPECT_EQ(Drain(n4.model), (Records {EndRecord(kStart)}));
    EXPECT_FALSE(n4.model.IsMonitoring());
    EXPECT_EQ(n4.model.MonitorStartTime(), kStart);
    EXPECT_EQ(n4.model.RecordsSent(), 2);

    Unit n5 {2};
    Scenario scenario;
    scenario.baud = 115200.0f;
    scenario.parityDigit = 1;
    n5.model.SetScenario(scenario);
    EXPECT_TRUE(n5.model.Receive("S1").empty());
    EXPECT_FALSE(n5.model.IsMonitoring());
    // A stop before the start record went out still gets the start record first.
    EXPECT_TRUE(n5.model.Receive("G1").empty());
    EXPECT_TRUE(n5.model.Receive("G0").empty());
    const Records records = Drain(n5.model);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].substr(14, 10), "0BCBE62011");
    EXPECT_EQ(records[1], EndRecord(kStart));
    EXPECT_EQ(n5.model.ReceivedLines(), (Records {std::string("t") + kStart, "S1", "G1", "G0"}));
}

TEST(MonitorModelTest, SecondsCounterWrapsAt128AndCountsFromTheLastRingRestart) {
    Unit unit {2};
    Scenario scenario = Numbered({0, 5, 127, 128, 130, 300, 301, 430, 431});
    scenario.records[5] = {300, {}, true};  // ring restart
    unit.model.SetScenario(scenario);
    unit.model.Receive("G1");
    Records records = Drain(unit.model);
    unit.model.Receive("G0");
    records.push_back(unit.model.NextRecord()->bytes);
    const auto expected = ExpectedHistory(2, scenario);
    EXPECT_EQ(records, BytesOf(expected));
    ASSERT_EQ(records.size(), 11u);

    std::vector<int> types;
    for (const std::string& record : records) types.push_back(static_cast<unsigned char>(record[1]));
    EXPECT_EQ(types, (std::vector<int> {0x80, 0, 5, 127, 0, 2, 0x81, 1, 2, 3, 0xFF}));
    EXPECT_EQ(records[6].substr(2, 12), "250201000458");  // the restart: start + 300 s
    EXPECT_EQ(expected[9].time, "250201000709");
    EXPECT_EQ(records[10].substr(2, 12), "250201000709");  // end: the last record's time
    for (const std::string& record : records) EXPECT_TRUE(SumsToZero(record));
}

TEST(MonitorModelTest, StopFinishesTheRunAfterTheRecordInProgressAndAStartReplays) {
    Unit unit {2};
    const Scenario scenario = Numbered({0, 10, 20, 30, 40});
    unit.model.SetScenario(scenario);
    unit.model.Receive("G1");
    Records records;
    for (int i = 0; i < 3; ++i) records.push_back(unit.model.NextRecord()->bytes);
    unit.model.Receive("G0");
    records.push_back(unit.model.NextRecord()->bytes);
    EXPECT_FALSE(unit.model.NextRecord().has_value());
    EXPECT_EQ(records, BytesOf(ExpectedHistory(2, scenario, 2)));
    EXPECT_EQ(records.back(), EndRecord("250201000008"));
    EXPECT_EQ(unit.model.ScenarioRecordsSent(), 2u);

    // A new start plays the scenario from its first record; a stop now
    // finds it run out and waiting.
    unit.model.Receive("G1");
    Records again = Drain(unit.model);
    EXPECT_TRUE(unit.model.IsMonitoring());
    unit.model.Receive("G0");
    for (std::string& record : Drain(unit.model)) again.push_back(std::move(record));
    EXPECT_EQ(again, BytesOf(ExpectedHistory(2, scenario)));
    EXPECT_FALSE(unit.model.EndMonitoring());
}

TEST(MonitorModelTest, ScenarioCanEndByItselfAndTheOwnerCanEndTheRun) {
    Unit unit {1};
    Scenario scenario = Numbered({3, 4});
    scenario.endByItself = true;
    unit.model.SetScenario(scenario);
    unit.model.Receive("S1");
    EXPECT_EQ(Drain(unit.model), BytesOf(ExpectedHistory(1, scenario)));
    EXPECT_FALSE(unit.model.IsMonitoring());

    // Ended by the owner, as the "end" command on stdin does.
    scenario.endByItself = false;
    unit.model.SetScenario(scenario);
    EXPECT_TRUE(unit.model.StartMonitoring());
    EXPECT_FALSE(unit.model.StartMonitoring());
    Records records = Drain(unit.model);
    EXPECT_TRUE(unit.model.EndMonitoring());
    for (std::string& record : Drain(unit.model)) records.push_back(std::move(record));
    EXPECT_EQ(records, BytesOf(ExpectedHistory(1, scenario)));
}

TEST(MonitorModelTest, StartTimeIsTheUnitsClockUnlessTheScenarioNamesOne) {
    Unit unit {1};
    unit.steady.now += 61s;
    Scenario scenario = Numbered({1});
    scenario.startTime.clear();
    unit.model.SetScenario(scenario);
    unit.model.Receive("S1");
    EXPECT_EQ(unit.model.MonitorStartTime(), "250201000059");
    Records records = Drain(unit.model);
    unit.model.Receive("S0");
    records.push_back(unit.model.NextRecord()->bytes);
    scenario.startTime = unit.model.MonitorStartTime();
    EXPECT_EQ(records, BytesOf(ExpectedHistory(1, scenario)));
}

TEST(MonitorModelTest, PacedScenarioGivesEachRecordItsTime) {
    Unit unit {2};
    unit.steady.now += 10s;
    Scenario scenario = Numbered({0, 1, 2});
    scenario.recordsPerSecond = 4.0;
    scenario.endByItself = true;
    unit.model.SetScenario(scenario);
    unit.model.Receive("G1");
    const auto startedAt = unit.steady.now;
    EXPECT_LE(unit.model.NextRecord()->due, startedAt);  // the start record: at once
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(unit.model.NextRecord()->due, startedAt + k * 250ms);
    EXPECT_LE(unit.model.NextRecord()->due, startedAt);  // the end record: at once
    EXPECT_FALSE(unit.model.IsMonitoring());
}

// Every byte value as data, every attribute, and every range code and value
// of the character-time word, over records of many lengths and every
// counter value: the PC's line cutting finds exactly the records.
TEST(MonitorModelTest, NoRecordEndsEarlyWhateverItCarries) {
    Scenario scenario;
    scenario.startTime = kStart;
    // Unit i carries attribute i % 128, data i % 256, range code i / 1024 and
    // time value i % 1024; a unit with no time word follows each.
    constexpr int kWords = 8 * 1024;
    std::vector<ScenarioUnit> all;
    for (int i = 0; i < kWords; ++i) {
        all.push_back({Byte(i % 128), Byte(i % 256), i / 1024, static_cast<std::uint16_t>(i % 1024)});
        all.push_back({Byte(0x80 | (i % 7)), Byte((i * 7) % 256)});
    }
    // Records of 1 to 37 units, one a second, every fifth with a bad sum.
    auto next = all.begin();
    for (int second = 0; next != all.end(); ++second) {
        const auto length = std::min<std::ptrdiff_t>(1 + second % 37, all.end() - next);
        scenario.records.push_back({second, {next, next + length}, false, second % 5 == 0});
        next += length;
    }
    scenario.endByItself = true;
    Unit unit {2};
    unit.model.SetScenario(scenario);
    unit.model.Receive("G1");
    const Records records = Drain(unit.model);
    ASSERT_EQ(records.size(), scenario.records.size() + 2);
    EXPECT_GT(scenario.records.size(), 256u);

    std::string wire;
    int checksumCr = 0;
    int checksumLf = 0;
    for (const std::string& record : records) {
        EXPECT_FALSE(HasEarlyLineEnd(record));
        const auto checksum = static_cast<unsigned char>(record[record.size() - 3]);
        checksumCr += checksum == 0x0D;
        checksumLf += checksum == 0x0A;
        wire += record;
    }
    EXPECT_GT(checksumCr, 0);
    EXPECT_GT(checksumLf, 0);
    LineSplitter pc;
    const Records lines = pc.Feed(wire);
    ASSERT_EQ(lines.size(), records.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i] + "\r\n", records[i]) << i;
    EXPECT_EQ(records, BytesOf(ExpectedHistory(2, scenario)));
}

TEST(MonitorModelTest, RejectsScenariosItCannotSend) {
    const auto rejected = [](auto change) {
        Scenario scenario = Numbered({1, 2});
        change(scenario);
        UnitModel unit {UnitOptions {}};
        EXPECT_THROW(unit.SetScenario(scenario), std::invalid_argument);
    };
    rejected([](Scenario& s) { s.records[1].secondsFromStart = 0; });
    rejected([](Scenario& s) { s.records[0].ringRestart = true; });
    rejected([](Scenario& s) { s.records[0].units[0].timeRange = 8; });
    rejected([](Scenario& s) { s.records[0].units[0] = {0x80, 0, 0, 1024}; });
    rejected([](Scenario& s) { s.startTime = "251399000000"; });
    rejected([](Scenario& s) { s.parityDigit = 10; });
    rejected([](Scenario& s) { s.baud = 0.0f; });
    rejected([](Scenario& s) { s.recordsPerSecond = -1.0; });
}

TEST(MonitorModelTest, StreamIsTheSameEveryTimeAndCarriesBothDirectionsFlagsAndTimes) {
    UnitStream first {1000, 50};
    UnitStream second {1000, 50};
    int sd = 0, rd = 0, errors = 0, paused = 0, timed = 0;
    for (int k = 0; k < 200; ++k) {
        const UnitStream::Chunk chunk = first.Next();
        const UnitStream::Chunk again = second.Next();
        ASSERT_EQ(chunk.units, again.units);
        EXPECT_EQ(chunk.secondsFromStart, k / 20);
        EXPECT_EQ(chunk.due, (k + 1) * 50ms);
        ASSERT_EQ(chunk.units.size(), 50u);
        for (const ScenarioUnit& unit : chunk.units) {
            EXPECT_NE(unit.attribute & kDataUnitBit, 0);
            ((unit.attribute & kRdFlag) != 0 ? rd : sd) += 1;
            errors += (unit.attribute & (kParityFlag | kOverFlag | kFlamFlag)) != 0;
            paused += unit.timeRange == 2;
            timed += unit.timeRange == 0;
            EXPECT_LE(unit.timeValue, 1023);
        }
    }
    EXPECT_GT(sd, 1000);
    EXPECT_GT(rd, 1000);
    EXPECT_GT(errors, 0);
    EXPECT_GT(paused, 0);
    EXPECT_GT(timed, 0);

    EXPECT_EQ(UnitStream::DefaultUnitsPerRecord(5), 1);
    EXPECT_EQ(UnitStream::DefaultUnitsPerRecord(100), 10);
    EXPECT_EQ(UnitStream::DefaultUnitsPerRecord(100000), 256);
    EXPECT_THROW(UnitStream(0, 1), std::invalid_argument);
}

TEST(MonitorModelTest, StreamingUnitReportsTheLineThePcSetAndRunsInRealTime) {
    Unit unit {2};
    unit.model.Receive("B0BCBE620");
    unit.model.Receive("C0");
    unit.model.Receive("P2");
    unit.model.SetStream(100, 10);
    unit.model.Receive("G1");
    const auto startedAt = unit.steady.now;
    const std::string start = unit.model.NextRecord()->bytes;
    EXPECT_EQ(start.substr(14, 10), "0BCBE62002");

    UnitStream reference {100, 10};
    for (int k = 0; k < 25; ++k) {
        const auto record = unit.model.NextRecord();
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->due, startedAt + (k + 1) * 100ms);
        EXPECT_EQ(record->bytes, DataRecord(k / 10, reference.Next().units));
    }
    unit.model.Receive("G0");
    EXPECT_EQ(unit.model.NextRecord()->bytes, EndRecord("250201000000"));  // second 2 of the run
    EXPECT_FALSE(unit.model.IsMonitoring());
}

TEST(MonitorModelTest, StreamTakesOverARunThatWaits) {
    Unit unit {1};
    unit.model.SetScenario(Numbered({1}));
    unit.model.Receive("S1");
    EXPECT_EQ(Drain(unit.model).size(), 2u);
    unit.steady.now += 3s;
    unit.model.SetStream(10, 5);
    const auto record = unit.model.NextRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->due, unit.steady.now + 500ms);
    EXPECT_EQ(record->bytes[1], 3);  // the run has lasted three seconds
    EXPECT_TRUE(unit.model.EndMonitoring());
    EXPECT_EQ(unit.model.NextRecord()->bytes, EndRecord("250201000001"));
}

}  // namespace
}  // namespace unitsim
