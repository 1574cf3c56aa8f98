// The checks of the conversion dialog's inputs: the file boxes and the
// inter-character time box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace analyser {

// The largest inter-character time the box takes, in milliseconds.
inline constexpr int32_t kConditionTimeMax = 10240000;

// A path whose last four characters, lower-cased, are extension (".ky2")
// and that names an existing file.
bool ConvertPathValid(const std::string& path, std::string_view extension);

// The time box takes the digits 0 to 9 only (Backspace neither).
constexpr bool TimeBoxAccepts(char32_t c) { return c >= U'0' && c <= U'9'; }

// The box's text after a change: its first 8 characters, and the largest
// time for a number above it. Text that is no number stays as it is.
std::string TimeBoxChanged(std::string_view text);

// The time the box holds: a whole number from 0 to the largest time.
std::optional<int32_t> TimeBoxValue(std::string_view text);

// The value after one step of the up-down control, held in the range.
int32_t TimeBoxStep(int32_t value, bool up);

}  // namespace analyser
