#include "UnitClock.h"

#include <ctime>
#include <utility>

#include "ClockDigits.h"

namespace unitsim {

UnitClock::UnitClock(int offsetSeconds, SteadyNow now)
    : offset_(offsetSeconds), now_(std::move(now)) {}

bool UnitClock::Set(std::string_view digits) {
    const auto value = ParseClockDigits(digits);
    if (!value) return false;
    setValue_ = *value;
    setAt_ = now_();
    lastSet_ = std::string(digits);
    return true;
}

std::string UnitClock::Read() const { return FormatClockDigits(Now() + offset_); }

std::chrono::sys_seconds UnitClock::Now() const {
    using namespace std::chrono;
    if (lastSet_.empty()) return LocalWallTime();
    return setValue_ + floor<seconds>(now_() - setAt_);
}

std::chrono::sys_seconds UnitClock::LocalWallTime() {
    using namespace std::chrono;
    const std::time_t t = system_clock::to_time_t(system_clock::now());
    std::tm local {};
    localtime_r(&t, &local);
    const year_month_day date {year {local.tm_year + 1900},
                               month {static_cast<unsigned>(local.tm_mon + 1)},
                               day {static_cast<unsigned>(local.tm_mday)}};
    return sys_days {date} + hours {local.tm_hour} + minutes {local.tm_min} +
           seconds {local.tm_sec};
}

}  // namespace unitsim
