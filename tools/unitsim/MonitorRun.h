// One monitoring run, from the start record to the end record. It keeps
// the time base of the seconds counter (the start, then the last ring
// restart) and builds every record of the run.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "MonitorRecords.h"
#include "Scenario.h"

namespace unitsim {

// The line settings a scenario's start record reports.
LineSettings ScenarioLine(const Scenario& scenario);

class MonitorRun {
public:
    // Throws std::invalid_argument for a model other than 1 or 2.
    MonitorRun(int model, std::chrono::sys_seconds startTime, LineSettings line);

    std::string StartRecord() const;
    // Seconds are counted from the start time and never go back; throws
    // std::invalid_argument when they do.
    std::string DataRecord(int secondsFromStart, const std::vector<ScenarioUnit>& units,
                           bool badChecksum = false);
    std::string RingRestart(int secondsFromStart, bool badChecksum = false);
    // Carries the time of the last record of the run.
    std::string EndRecord() const;

    int SecondsCounter(int secondsFromStart) const;
    std::string TimeDigits(int secondsFromStart) const;
    std::string StartDigits() const { return TimeDigits(0); }
    int LastSecond() const { return lastSecond_; }

private:
    void Advance(int secondsFromStart);

    int model_;
    std::chrono::sys_seconds start_;
    LineSettings line_;
    int baseSecond_ = 0;  // counter 0: the start or the last ring restart
    int lastSecond_ = 0;
};

}  // namespace unitsim
