// Small text functions every program shares.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace store {

// The first n characters of text read as hex digits (either case). -1 when
// one of them is not a hex digit, when text is shorter than n, or when the
// value does not fit T. The viewer and the analyser compute in 16 bits
// (the default); the monitor asks for int32_t to read 8-digit colours.
template <typename T = int16_t>
T HexToInt(std::string_view text, int n) {
    static_assert(std::is_integral_v<T> && std::is_signed_v<T>);
    int64_t value = 0;
    for (int i = 0; i < n; ++i) {
        if (static_cast<size_t>(i) >= text.size()) return -1;
        const char c = text[static_cast<size_t>(i)];
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return -1;
        }
        value = value * 16 + digit;
        if (value > std::numeric_limits<T>::max()) return -1;
    }
    return static_cast<T>(value);
}

// Takes the next field off source. With a comma: the text before it,
// blanks trimmed, and source keeps what follows the comma. Without one: the
// text before the first CR (or the whole text), untrimmed, and source stays
// as it was, so the last field keeps coming back.
std::string CutCommaField(std::string& source);

// One error letter (p o f q j i x, or a blank when no error flag is set)
// followed by the byte as two upper-case hex digits: "p41", " 0D".
// Empty for a byte value outside 0-255.
std::string GetHexErrText(int16_t byte, int16_t parity, int16_t overrun, int16_t framing);

}  // namespace store
