// The number boxes of the settings windows take digits only: no sign,
// blank, exponent, separator or "&H" prefix. Anything else is a bad value,
// refused like a number out of range.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mon {

// The value of a text of 1 to 9 digits; nothing for any other text.
std::optional<int32_t> WholeNumber(std::string_view text);

// An up-down's step on its box: the box's number moved by step and kept
// within lowest..highest. A box that holds no number steps from lowest.
std::string UpDownStep(std::string_view text, int32_t lowest, int32_t highest, int32_t step, bool up);

}  // namespace mon
