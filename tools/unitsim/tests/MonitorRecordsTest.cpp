// The monitoring records byte for byte, built by hand here and checked
// with the device library's own checksum test.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ClockDigits.h"
#include "MonitorRecords.h"
#include "MonitorRun.h"
#include "Scenario.h"
#include "portello.h"

namespace unitsim {
namespace {

using namespace std::string_literals;

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (const unsigned value : values) bytes += static_cast<char>(value);
    return bytes;
}

// The head with the checksum byte that zeroes its sum, and CR LF.
std::string Sealed(std::string head) {
    unsigned sum = 0;
    for (const char c : head) sum += static_cast<unsigned char>(c);
    head += static_cast<char>((0x100 - sum % 0x100) % 0x100);
    return head + "\r\n";
}

bool PcAccepts(const std::string& record) {
    std::string copy = record;
    return AP_CheckSum(reinterpret_cast<uint8_t*>(copy.data()), static_cast<int32_t>(copy.size())) == 1;
}

std::chrono::sys_seconds Time(std::string_view digits) { return *ParseClockDigits(digits); }

TEST(MonitorRecordsTest, DdsWordIsComputedInSinglePrecisionAsThePcDoes) {
    EXPECT_EQ(DdsWordText(9600.0f), "00FBA883");
    EXPECT_EQ(DdsWordText(1200.0f), "001F7510");
    EXPECT_EQ(DdsWordText(115200.0f), "0BCBE620");
    EXPECT_EQ(CharTimeWord(0, 0), 0x4000);
    EXPECT_EQ(CharTimeWord(2, 1023), 0x4BFF);
    EXPECT_EQ(CharTimeWord(7, 1023), 0x5FFF);
}

TEST(MonitorRecordsTest, StartRecordsOfBothModelsByteForByte) {
    const LineSettings line {"00FBA883", '1', '0'};
    const std::string n4 = StartRecord(1, "250131235958", line);
    EXPECT_EQ(n4, Sealed("\x01\x80"s + "250131235958" + "00000" + "1" + "0"));
    ASSERT_EQ(n4.size(), 24u);
    EXPECT_EQ(n4[19], '1');  // data length 8
    EXPECT_EQ(n4[20], '0');  // no parity
    EXPECT_TRUE(PcAccepts(n4));

    Scenario scenario;
    scenario.baud = 1200.0f;
    scenario.dataLengthDigit = 0;
    scenario.parityDigit = 2;
    const MonitorRun run {2, Time("250131235958"), ScenarioLine(scenario)};
    const std::string n5 = run.StartRecord();
    EXPECT_EQ(n5, Sealed("\x01\x80"s + "250131235958" + "001F7510" + "0" + "2"));
    ASSERT_EQ(n5.size(), 27u);
    EXPECT_EQ(n5.substr(2, 12), "250131235958");
    EXPECT_EQ(n5.substr(14, 8), "001F7510");
    EXPECT_TRUE(PcAccepts(n5));
}

TEST(MonitorRecordsTest, DataRecordCarriesUnitsTimeWordsAndTheEndByte) {
    const std::vector<ScenarioUnit> units {
        {0x00, 'A'},               // bit 7 is set on the wire
        {0x82, 'B', 2, 0x3FF},     // RD, 1023 x 100
        {0xC9, 0x0D, 5, 0},        // Same, Trig, Flam; too long to time
        {0x80, 0x0A, 0, 0x0D},
    };
    const std::string record = DataRecord(133, units);  // counter 133 mod 128
    EXPECT_EQ(record, Sealed(Bytes({0x01, 0x05, 0x80, 'A', 0x82, 'B', 0x4B, 0xFF, 0xC9, 0x0D, 0x54,
                                    0x00, 0x80, 0x0A, 0x40, 0x0D, 0x00})));
    EXPECT_TRUE(PcAccepts(record));
    EXPECT_FALSE(HasEarlyLineEnd(record));

    EXPECT_EQ(DataRecord(0, {}), Sealed(Bytes({0x01, 0x00, 0x00})));
}

TEST(MonitorRecordsTest, TimeRecordsAndABadChecksum) {
    EXPECT_EQ(RingRestartRecord("250201000458"), Sealed("\x01\x81"s + "250201000458"));
    EXPECT_EQ(EndRecord("250201000625"), Sealed("\x01\xFF"s + "250201000625"));

    const std::string good = RingRestartRecord("250201000458");
    const std::string bad = RingRestartRecord("250201000458", true);
    EXPECT_TRUE(PcAccepts(good));
    EXPECT_FALSE(PcAccepts(bad));
    ASSERT_EQ(bad.size(), good.size());
    EXPECT_EQ(bad.substr(0, 14), good.substr(0, 14));
    EXPECT_EQ(ByteSum(std::string_view(bad).substr(0, bad.size() - 2)), 1);
    EXPECT_FALSE(PcAccepts(DataRecord(7, {{0x80, 'x'}}, true)));
}

TEST(MonitorRecordsTest, TheLeadByteMovesWhenTheChecksumWouldEndTheLineEarly) {
    // With lead 0x01 the checksum of this body is 0x0A, right after its 0x0D.
    EXPECT_EQ(SealRecord(0x05, Bytes({0xE3, 0x0D})), Bytes({0x02, 0x05, 0xE3, 0x0D, 0x09, 0x0D, 0x0A}));
    EXPECT_EQ(SealRecord(0x05, Bytes({0xD8, 0x0D}))[0], 0x01);
    EXPECT_THROW(SealRecord(0x05, Bytes({0x0D, 0x0A, 0x00})), std::invalid_argument);

    // A checksum of 0x0D is fine: the line ends 0x0D 0x0D 0x0A and the first
    // CR LF is still the last one.
    bool seen = false;
    for (unsigned data = 0; data < 0x100 && !seen; ++data) {
        const std::string record = DataRecord(1, {{0x80, static_cast<std::uint8_t>(data)}});
        if (static_cast<unsigned char>(record[record.size() - 3]) != 0x0D) continue;
        seen = true;
        EXPECT_EQ(record[0], 0x01);
        EXPECT_FALSE(HasEarlyLineEnd(record));
        EXPECT_EQ(record.find("\r\n"), record.size() - 2);
        EXPECT_TRUE(PcAccepts(record));
    }
    EXPECT_TRUE(seen);
}

TEST(MonitorRecordsTest, ExpectedHistoryNamesEveryRecordWithItsTimeAndUnits) {
    Scenario scenario;
    scenario.startTime = "250131235958";
    scenario.records = {{2, {{0x02, 'a', 1, 500}}}, {200, {}, true}, {203, {{0x90, 'b'}}}};
    const auto history = ExpectedHistory(2, scenario);
    ASSERT_EQ(history.size(), 5u);
    EXPECT_EQ(history[0].kind, ExpectedRecord::Kind::Start);
    EXPECT_EQ(history[0].time, "250131235958");
    EXPECT_EQ(history[1].kind, ExpectedRecord::Kind::Data);
    EXPECT_EQ(history[1].secondsCounter, 2);
    EXPECT_EQ(history[1].time, "250201000000");
    EXPECT_EQ(history[1].units, (std::vector<ScenarioUnit> {{0x82, 'a', 1, 500}}));
    EXPECT_EQ(history[1].bytes, DataRecord(2, scenario.records[0].units));
    EXPECT_EQ(history[2].kind, ExpectedRecord::Kind::RingRestart);
    EXPECT_EQ(history[2].time, "250201000318");
    EXPECT_EQ(history[3].secondsCounter, 3);
    EXPECT_EQ(history[4].kind, ExpectedRecord::Kind::End);
    EXPECT_EQ(history[4].bytes, EndRecord("250201000321"));

    // Cut after the first record, as after a stop there.
    const auto stopped = ExpectedHistory(2, scenario, 1);
    ASSERT_EQ(stopped.size(), 3u);
    EXPECT_EQ(stopped[2].bytes, EndRecord("250201000000"));

    scenario.startTime.clear();
    EXPECT_THROW(ExpectedHistory(2, scenario), std::invalid_argument);
}

}  // namespace
}  // namespace unitsim
