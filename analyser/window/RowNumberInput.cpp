#include "RowNumberInput.h"

#include <limits>

namespace analyser {

bool RowBoxAccepts(char32_t ch) { return (ch >= '0' && ch <= '9') || ch == 8 || ch == '.'; }

std::optional<int32_t> RowBoxNumber(std::string_view text) {
    const size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        for (const char c : s) {
            if (c < '0' || c > '9') return false;
        }
        return true;
    };
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (const char c : whole) value = value > kMax ? value : value * 10 + (c - '0');
    // Read exactly, without a floating-point detour: above, below or at a half.
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (first > '5' || (first == '5' && (restNonZero || value % 2 == 1))) ++value;
    }
    return static_cast<int32_t>(value > kMax ? kMax : value);
}

}  // namespace analyser
