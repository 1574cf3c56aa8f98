// The unit's real-time clock. Once set it runs on from the set value with
// real elapsed time, plus the offset the unit is told to be wrong by.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace unitsim {

class UnitClock {
public:
    using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

    explicit UnitClock(int offsetSeconds, SteadyNow now = std::chrono::steady_clock::now);

    // Sets the clock from yymmddhhnnss; false, and the clock unchanged,
    // when the digits name no date and time.
    bool Set(std::string_view digits);
    // The clock now as yymmddhhnnss.
    std::string Read() const;
    // The digits of the last accepted Set; empty before the first.
    const std::string& LastSet() const { return lastSet_; }

private:
    std::chrono::sys_seconds Now() const;
    // Before it is ever set, the unit shows the PC's local wall time.
    static std::chrono::sys_seconds LocalWallTime();

    std::chrono::seconds offset_;
    SteadyNow now_;
    std::string lastSet_;
    std::chrono::sys_seconds setValue_ {};
    std::chrono::steady_clock::time_point setAt_ {};
};

}  // namespace unitsim
