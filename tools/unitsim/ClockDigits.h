// The unit's clock text: twelve digits yymmddhhnnss, years 2000 to 2099.
// Times are civil times with no zone, held as std::chrono::sys_seconds.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace unitsim {

// Nothing when the text is not twelve digits naming a real date and time.
std::optional<std::chrono::sys_seconds> ParseClockDigits(std::string_view digits);
std::string FormatClockDigits(std::chrono::sys_seconds time);

}  // namespace unitsim
