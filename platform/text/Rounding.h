// Rounding and checked integer conversion with the classic runtime's rules.
#ifndef PLATFORM_TEXT_ROUNDING_H
#define PLATFORM_TEXT_ROUNDING_H

#include <cstdint>
#include <optional>

namespace platform {

// Nearest whole number; an exact half goes to the even neighbour
// (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2). NaN and infinities pass through.
double BankersRound(double value);

// CInt / CLng: BankersRound, then nullopt when the result does not fit
// or the value is NaN.
std::optional<int16_t> ToInt16(double value);
std::optional<int32_t> ToInt32(double value);

}  // namespace platform

#endif
