// The classic 8-byte date value: a double counting days since
// 1899-12-30 00:00, its fraction being the time of day.
//
// Before 1899-12-30 the integer part still names the day (counting back)
// but the fraction's absolute value is the time, so -1.25 is
// 1899-12-29 06:00:00 rather than a quarter day before -1. Every function
// here works in whole seconds of local time.
#ifndef PLATFORM_TIME_VBDATE_H
#define PLATFORM_TIME_VBDATE_H

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct DateParts {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;

    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// nullopt unless year 100..9999, a real calendar day, hour 0..23,
// minute and second 0..59.
std::optional<double> MakeDate(const DateParts& parts);

// Rounds to the nearest second first, so 0.99999999 is 1899-12-31 00:00:00.
// NaN counts as 0; values beyond 0100/01/01 .. 9999/12/31 23:59:59 give
// those limits.
DateParts SplitDate(double date);

// "yyyy/mm/dd hh:nn:ss", always 19 characters.
std::string FormatDateTime(double date);

// The date at its nearest whole second, within the limits above: what
// formatting it and reading the text back gives, without the text.
double WholeSecond(double date);

// Exactly the 19-character form above, with a valid date and time.
std::optional<double> ParseDateTime(std::string_view text);
// "yyyy/mm/dd" -> that day at 00:00:00.
std::optional<double> ParseDate(std::string_view text);
// "hh:nn:ss" -> fraction of a day.
std::optional<double> ParseTime(std::string_view text);

// Local time now, whole seconds.
double NowDate();

}  // namespace platform

#endif
