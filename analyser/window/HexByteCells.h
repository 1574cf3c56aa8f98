// The byte rows of the conversion, filter and find windows: cells of at
// most two hex digits, typed one digit after the other, read in reading
// order up to the first empty cell.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace analyser {

// The cell after a typed hex digit (0-9, A-F, a-f): the digit appended in
// upper case and only the last two characters kept ("2" then "3" gives
// "23"); nothing for a character that is no hex digit.
std::optional<std::string> HexCellTyped(std::string_view cell, char digit);

// The bytes of cells in reading order up to the first empty cell. A
// single digit is a byte of its own ("5" is 0x05); a cell that holds
// something else ends the bytes like an empty one.
std::string HexCellsBytes(const std::vector<std::string>& cells);

// One cell per byte, two upper-case digits each.
std::vector<std::string> HexCellsOf(std::string_view bytes);

}  // namespace analyser
