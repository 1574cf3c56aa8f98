// The endless capture a streaming unit sends, for the demo and the
// benchmarks: bursts of characters that alternate between SD and RD, with
// character times, now and then a line error, and data bytes from a fixed
// pseudo-random sequence, so every run of the same rate is the same.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "Scenario.h"

namespace unitsim {

class UnitStream {
public:
    // The units of one data record.
    struct Chunk {
        int secondsFromStart;           // the second its first unit came in
        std::chrono::microseconds due;  // when it is complete, from the stream's start
        std::vector<ScenarioUnit> units;
    };

    // Throws std::invalid_argument for rates or record sizes below 1.
    UnitStream(int unitsPerSecond, int unitsPerRecord);

    Chunk Next();

    int UnitsPerSecond() const { return unitsPerSecond_; }
    int UnitsPerRecord() const { return unitsPerRecord_; }
    // About ten records a second, and no record longer than 256 units.
    static int DefaultUnitsPerRecord(int unitsPerSecond);

private:
    ScenarioUnit NextUnit();
    std::uint32_t Random();

    int unitsPerSecond_;
    int unitsPerRecord_;
    std::int64_t nextUnit_ = 0;
    std::uint32_t random_ = 0x2545F491u;
    bool rd_ = true;  // the first burst flips it to SD
    int burstLeft_ = 0;
};

}  // namespace unitsim
