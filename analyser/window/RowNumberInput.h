// The frame-number box: which keys it takes and what its text means.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace analyser {

// The digits, Backspace (8) and "." are typed into the box; Enter (13)
// jumps; every other character is swallowed.
bool RowBoxAccepts(char32_t ch);

// The row number the text stands for, counted from 1 as the box shows
// rows: digits with at most one ".", a fraction going to the nearest
// whole number (a half to the even one). Nothing for an empty text, "."
// alone or anything else; a number beyond the 32-bit range stands for
// the largest one, which the chart clamps to its last row.
std::optional<int32_t> RowBoxNumber(std::string_view text);

}  // namespace analyser
