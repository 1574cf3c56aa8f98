// The jump window's number: the row it stands for.
#pragma once

#include <cstdint>
#include <string_view>

namespace analyser {

// The 0-based row for the typed text among rowCount rows: a number
// (counted from 1, as the window shows rows) pulled into 1 .. rowCount,
// a number too large for 32 bits standing for the largest; any other text
// takes the up-down's value instead.
int32_t GotoRow(std::string_view text, int32_t upDownValue, int32_t rowCount);

}  // namespace analyser
