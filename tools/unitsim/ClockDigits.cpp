#include "ClockDigits.h"

#include <algorithm>
#include <cstdio>

namespace unitsim {

namespace {

constexpr std::size_t kDigitCount = 12;
constexpr int kCentury = 2000;

int Pair(std::string_view digits, std::size_t at) {
    return (digits[at] - '0') * 10 + (digits[at + 1] - '0');
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<std::chrono::sys_seconds> ParseClockDigits(std::string_view digits) {
    using namespace std::chrono;
    if (digits.size() != kDigitCount || !AllDigits(digits)) return std::nullopt;
    const year_month_day date {year {kCentury + Pair(digits, 0)},
                               month {static_cast<unsigned>(Pair(digits, 2))},
                               day {static_cast<unsigned>(Pair(digits, 4))}};
    const int h = Pair(digits, 6);
    const int n = Pair(digits, 8);
    const int s = Pair(digits, 10);
    if (!date.ok() || h > 23 || n > 59 || s > 59) return std::nullopt;
    return sys_days {date} + hours {h} + minutes {n} + seconds {s};
}

std::string FormatClockDigits(std::chrono::sys_seconds time) {
    using namespace std::chrono;
    const sys_days day = floor<days>(time);
    const year_month_day date {day};
    const hh_mm_ss clock {time - day};
    // Room for any int the compiler cannot bound; the values give 12 digits.
    char text[64];
    std::snprintf(text, sizeof text, "%02d%02u%02u%02d%02d%02d",
                  static_cast<int>(date.year()) % 100, static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

}  // namespace unitsim
