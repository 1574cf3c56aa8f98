#include "MonitorRun.h"

#include <stdexcept>
#include <utility>

#include "ClockDigits.h"

namespace unitsim {

LineSettings ScenarioLine(const Scenario& scenario) {
    LineSettings line;
    line.ddsWord = DdsWordText(scenario.baud);
    line.dataLengthDigit = static_cast<char>('0' + scenario.dataLengthDigit);
    line.parityDigit = static_cast<char>('0' + scenario.parityDigit);
    return line;
}

MonitorRun::MonitorRun(int model, std::chrono::sys_seconds startTime, LineSettings line)
    : model_(model), start_(startTime), line_(std::move(line)) {
    if (model != 1 && model != 2) throw std::invalid_argument("unit model must be 1 or 2");
}

std::string MonitorRun::StartRecord() const {
    return unitsim::StartRecord(model_, StartDigits(), line_);
}

std::string MonitorRun::DataRecord(int secondsFromStart, const std::vector<ScenarioUnit>& units,
                                   bool badChecksum) {
    Advance(secondsFromStart);
    return unitsim::DataRecord(SecondsCounter(secondsFromStart), units, badChecksum);
}

std::string MonitorRun::RingRestart(int secondsFromStart, bool badChecksum) {
    Advance(secondsFromStart);
    baseSecond_ = secondsFromStart;
    return RingRestartRecord(TimeDigits(secondsFromStart), badChecksum);
}

std::string MonitorRun::EndRecord() const { return unitsim::EndRecord(TimeDigits(lastSecond_)); }

int MonitorRun::SecondsCounter(int secondsFromStart) const {
    return (secondsFromStart - baseSecond_) % kSecondsCounterSpan;
}

std::string MonitorRun::TimeDigits(int secondsFromStart) const {
    return FormatClockDigits(start_ + std::chrono::seconds(secondsFromStart));
}

void MonitorRun::Advance(int secondsFromStart) {
    if (secondsFromStart < lastSecond_) {
        throw std::invalid_argument("record seconds go backwards");
    }
    lastSecond_ = secondsFromStart;
}

}  // namespace unitsim
