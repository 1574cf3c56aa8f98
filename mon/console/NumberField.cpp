#include "NumberField.h"

#include <algorithm>

namespace mon {

namespace {

constexpr size_t kDigitsMax = 9;  // every value fits 32 bits

}  // namespace

std::optional<int32_t> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > kDigitsMax) return std::nullopt;
    int32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string UpDownStep(std::string_view text, int32_t lowest, int32_t highest, int32_t step, bool up) {
    const std::optional<int32_t> now = WholeNumber(text);
    if (!now) return std::to_string(lowest);
    const int64_t moved = int64_t{*now} + (up ? step : -step);
    return std::to_string(std::clamp<int64_t>(moved, lowest, highest));
}

}  // namespace mon
