#include "Scenario.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "ClockDigits.h"
#include "MonitorRun.h"

namespace unitsim {

namespace {

constexpr int kHighestRangeCode = 7;
constexpr std::uint16_t kHighestTimeValue = 1023;
// Above this the DDS word no longer fits in 32 bits.
constexpr float kHighestBaud = 2'500'000.0f;

void Reject(const std::string& reason) { throw std::invalid_argument("scenario: " + reason); }

void ValidateUnits(const std::vector<ScenarioUnit>& units) {
    for (const ScenarioUnit& unit : units) {
        if (unit.timeRange < -1 || unit.timeRange > kHighestRangeCode) {
            Reject("character-time range code must be -1 to 7");
        }
        if (unit.timeValue > kHighestTimeValue) Reject("character-time value must be 0 to 1023");
    }
}

bool IsDigit(int value) { return value >= 0 && value <= 9; }

ExpectedRecord TimeRecord(ExpectedRecord::Kind kind, std::string bytes, std::string time) {
    return {kind, std::move(bytes), std::move(time), -1, {}};
}

}  // namespace

void ValidateScenario(const Scenario& scenario) {
    if (!scenario.startTime.empty() && !ParseClockDigits(scenario.startTime)) {
        Reject("start time is not yymmddhhnnss: " + scenario.startTime);
    }
    if (!IsDigit(scenario.dataLengthDigit) || !IsDigit(scenario.parityDigit)) {
        Reject("data-length and parity digits must be 0 to 9");
    }
    if (!(scenario.baud > 0.0f && scenario.baud < kHighestBaud)) Reject("baud out of range");
    if (!std::isfinite(scenario.recordsPerSecond) || scenario.recordsPerSecond < 0.0) {
        Reject("records per second must be 0 or more");
    }
    int last = 0;
    for (const ScenarioRecord& record : scenario.records) {
        if (record.secondsFromStart < last) Reject("record seconds go backwards");
        last = record.secondsFromStart;
        if (record.ringRestart && !record.units.empty()) Reject("a ring restart carries no units");
        ValidateUnits(record.units);
    }
}

std::vector<ExpectedRecord> ExpectedHistory(int model, const Scenario& scenario,
                                            std::size_t recordsBeforeEnd) {
    ValidateScenario(scenario);
    const auto start = ParseClockDigits(scenario.startTime);
    if (!start) throw std::invalid_argument("expected history: the scenario needs its start time");
    MonitorRun run(model, *start, ScenarioLine(scenario));

    std::vector<ExpectedRecord> history;
    history.push_back(TimeRecord(ExpectedRecord::Kind::Start, run.StartRecord(), run.StartDigits()));
    const std::size_t count = std::min(recordsBeforeEnd, scenario.records.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ScenarioRecord& record = scenario.records[i];
        const int second = record.secondsFromStart;
        if (record.ringRestart) {
            history.push_back(TimeRecord(ExpectedRecord::Kind::RingRestart,
                                         run.RingRestart(second, record.badChecksum),
                                         run.TimeDigits(second)));
            continue;
        }
        ExpectedRecord data {ExpectedRecord::Kind::Data,
                             run.DataRecord(second, record.units, record.badChecksum),
                             run.TimeDigits(second), run.SecondsCounter(second), record.units};
        for (ScenarioUnit& unit : data.units) unit.attribute |= kDataUnitBit;
        history.push_back(std::move(data));
    }
    history.push_back(
        TimeRecord(ExpectedRecord::Kind::End, run.EndRecord(), run.TimeDigits(run.LastSecond())));
    return history;
}

}  // namespace unitsim
