// The rules of the find window's three searches: the order in which rows
// are tried from the current one, and what makes a row match by text, by
// bytes or by its error flags.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace analyser {

// The find window's direction list.
inline constexpr int16_t kFindDown = 0;   // "下へ": towards the last row
inline constexpr int16_t kFindUp = 1;     // "上へ": towards the first row
inline constexpr int16_t kFindWhole = 2;  // "全体": every row, wrapping

// The first row, in the direction's order from current (current itself
// excluded, but tried last by kFindWhole), for which match(row) holds;
// -1 when none does. Down from the last row and up from the first find
// nothing at once.
template <typename Match>
int32_t SearchRows(int32_t current, int32_t count, int16_t direction, Match&& match) {
    if (count <= 0) return -1;
    switch (direction) {
        case kFindDown:
            for (int32_t r = current + 1; r < count; ++r) {
                if (r >= 0 && match(r)) return r;
            }
            return -1;
        case kFindUp:
            for (int32_t r = (current < count ? current : count) - 1; r >= 0; --r) {
                if (match(r)) return r;
            }
            return -1;
        case kFindWhole: {
            const int64_t start = current < 0 || current >= count ? 0 : int64_t{current} + 1;
            for (int64_t i = 0; i < count; ++i) {
                const auto r = static_cast<int32_t>((start + i) % count);
                if (match(r)) return r;
            }
            return -1;
        }
        default: return -1;
    }
}

// Text comparison of the text search: ASCII letters match either case;
// every other character, full-width letters and kana included, matches
// only itself. Works on UTF-8, where a match always starts on a character.
bool TextContains(std::string_view field, std::string_view text);
bool TextEquals(std::string_view field, std::string_view text);
// A field holds the text; with allMatch it must also be the whole field.
// An empty text matches nothing.
bool TextMatches(std::string_view field, std::string_view text, bool allMatch);

// Error flags: parity 1, overrun 2, framing 4.
uint8_t ErrorMask(bool parity, bool overrun, bool framing);
// AND: the frame's flags are exactly the mask; OR: they share a flag.
bool ErrorMatches(uint8_t frameErrors, uint8_t mask, bool andFlag);

// The bytes occur in the frame's data at any offset; no bytes match nothing.
bool DataMatches(std::string_view frameBytes, std::string_view bytes);

}  // namespace analyser
