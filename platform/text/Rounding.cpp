#include "Rounding.h"

#include <cmath>
#include <limits>

namespace platform {
namespace {

template <typename Int>
std::optional<Int> ToChecked(double value) {
    const double rounded = BankersRound(value);
    constexpr auto lowest = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr auto highest = static_cast<double>(std::numeric_limits<Int>::max());
    // Written so that NaN fails the test too.
    if (!(rounded >= lowest && rounded <= highest)) return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace

double BankersRound(double value) {
    // Not std::nearbyint: that follows the current floating-point rounding
    // mode, which some library could have changed behind our back.
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double excess = value - below;  // exact for every double
    if (excess < 0.5) return below;
    if (excess > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<int16_t> ToInt16(double value) { return ToChecked<int16_t>(value); }

std::optional<int32_t> ToInt32(double value) { return ToChecked<int32_t>(value); }

}  // namespace platform
