#include "VbDate.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace platform {
namespace {

namespace chr = std::chrono;

constexpr long long kSecondsPerDay = 86400;
constexpr chr::sys_days kDayZero{chr::year{1899} / chr::December / 30};

constexpr long long DayNumber(chr::year_month_day ymd) {
    return (chr::sys_days{ymd} - kDayZero).count();
}

constexpr long long kFirstSecond =
    DayNumber(chr::year{100} / chr::January / 1) * kSecondsPerDay;
constexpr long long kLastSecond =
    DayNumber(chr::year{9999} / chr::December / 31) * kSecondsPerDay + kSecondsPerDay - 1;

bool DayValid(const DateParts& p) {
    // Range-check before building chrono types: month and day are stored in
    // a byte there, so 257 would wrap round to a "valid" 1.
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12) return false;
    if (p.day < 1 || p.day > 31) return false;
    const chr::year_month_day ymd{chr::year{p.year}, chr::month{static_cast<unsigned>(p.month)},
                                  chr::day{static_cast<unsigned>(p.day)}};
    return ymd.ok();
}

bool TimeValid(const DateParts& p) {
    return p.hour >= 0 && p.hour <= 23 && p.minute >= 0 && p.minute <= 59 && p.second >= 0 &&
           p.second <= 59;
}

// The date as a plain count of seconds since 1899-12-30 00:00, so that
// negative dates become ordinary numbers for the calendar arithmetic.
long long LinearSeconds(double date) {
    if (std::isnan(date)) return 0;
    // Keep llround well inside its range; the exact limits are applied after.
    const double bounded = std::clamp(date, -1.0e7, 1.0e7);
    const double whole = std::trunc(bounded);
    const long long ofDay = std::llround(std::fabs(bounded - whole) * kSecondsPerDay);
    const long long seconds = static_cast<long long>(whole) * kSecondsPerDay + ofDay;
    return std::clamp(seconds, kFirstSecond, kLastSecond);
}

// Reads a field the layout check has already proven to be all digits.
int DigitField(std::string_view text, size_t pos, size_t length) {
    int value = 0;
    for (const char c : text.substr(pos, length)) value = value * 10 + (c - '0');
    return value;
}

// Letters in the layout stand for one digit each; everything else must match.
bool MatchesLayout(std::string_view text, std::string_view layout) {
    if (text.size() != layout.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool wantDigit = layout[i] >= 'a' && layout[i] <= 'z';
        const bool isDigit = text[i] >= '0' && text[i] <= '9';
        if (wantDigit ? !isDigit : text[i] != layout[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<double> MakeDate(const DateParts& parts) {
    if (!DayValid(parts) || !TimeValid(parts)) return std::nullopt;
    const chr::year_month_day ymd{chr::year{parts.year},
                                  chr::month{static_cast<unsigned>(parts.month)},
                                  chr::day{static_cast<unsigned>(parts.day)}};
    const auto days = static_cast<double>(DayNumber(ymd));
    const int seconds = parts.hour * 3600 + parts.minute * 60 + parts.second;
    // Whole days plus seconds/86400 keeps every whole second recoverable
    // by rounding, however the value was reached.
    const double time = seconds / static_cast<double>(kSecondsPerDay);
    return days < 0 ? days - time : days + time;
}

DateParts SplitDate(double date) {
    const long long seconds = LinearSeconds(date);
    // Floor, not truncation: second -1 belongs to day -1 at 23:59:59.
    const long long days = (seconds >= 0 ? seconds : seconds - kSecondsPerDay + 1) / kSecondsPerDay;
    const auto ofDay = static_cast<int>(seconds - days * kSecondsPerDay);
    const chr::year_month_day ymd{kDayZero + chr::days{days}};
    return DateParts{static_cast<int>(ymd.year()),
                     static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day())),
                     ofDay / 3600,
                     ofDay / 60 % 60,
                     ofDay % 60};
}

std::string FormatDateTime(double date) {
    const DateParts p = SplitDate(date);
    // Every field lies in its range (SplitDate clamps), so fixed digits
    // suffice; files of millions of lines are written with it.
    std::string text = "0000/00/00 00:00:00";
    auto digits = [&text](size_t last, int value, int count) {
        for (size_t i = 0; i < static_cast<size_t>(count); ++i, value /= 10) {
            text[last - i] = static_cast<char>('0' + value % 10);
        }
    };
    digits(3, p.year, 4);
    digits(6, p.month, 2);
    digits(9, p.day, 2);
    digits(12, p.hour, 2);
    digits(15, p.minute, 2);
    digits(18, p.second, 2);
    return text;
}

double WholeSecond(double date) { return MakeDate(SplitDate(date)).value_or(0.0); }

std::optional<double> ParseDateTime(std::string_view text) {
    if (!MatchesLayout(text, "yyyy/mm/dd hh:nn:ss")) return std::nullopt;
    return MakeDate({DigitField(text, 0, 4), DigitField(text, 5, 2), DigitField(text, 8, 2),
                     DigitField(text, 11, 2), DigitField(text, 14, 2), DigitField(text, 17, 2)});
}

std::optional<double> ParseDate(std::string_view text) {
    if (!MatchesLayout(text, "yyyy/mm/dd")) return std::nullopt;
    return MakeDate({DigitField(text, 0, 4), DigitField(text, 5, 2), DigitField(text, 8, 2), 0,
                     0, 0});
}

std::optional<double> ParseTime(std::string_view text) {
    if (!MatchesLayout(text, "hh:nn:ss")) return std::nullopt;
    // Day zero itself, so the value is the bare fraction.
    return MakeDate({1899, 12, 30, DigitField(text, 0, 2), DigitField(text, 3, 2),
                     DigitField(text, 6, 2)});
}

double NowDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // tm_sec may be 60 during a leap second, which the date value cannot hold.
    const DateParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                          local.tm_hour,        local.tm_min,     std::min(local.tm_sec, 59)};
    return MakeDate(parts).value_or(0.0);
}

}  // namespace platform
