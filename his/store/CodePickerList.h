// What the code picker lists: every byte value with its HEX text and its
// text in one display code, then "**" (any byte) and "--" (no byte). Row
// n of the list is the picked value n: 0-255 a byte, 256 any byte, 257 no
// byte; -1 means nothing was picked. Each program says how its display
// code maps to a column of the code table and what the column is called.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace store {

inline constexpr int kCodePickerRows = 258;
inline constexpr int16_t kPickedNothing = -1;
inline constexpr int16_t kPickedAny = 256;
inline constexpr int16_t kPickedEmpty = 257;

struct CodePickerRules {
    // The code table column for a program's display code (the limit rule).
    int16_t (*formOf)(int16_t code);
    // The label that names the column's code.
    std::string (*nameOf)(int16_t form);
};

struct CodePickerList {
    std::string modeName;
    std::vector<std::array<std::string, 2>> rows;
    int selectedRow = kCodePickerRows - 1;
};

// The list for a display code, opened on the row of picked; a value that
// names no row (-1 among them) opens on "--".
CodePickerList CodePickerListFor(int16_t code, int16_t picked, const CodePickerRules& rules);
// The row the list opens on for a picked value.
int CodePickerRow(int16_t picked);

}  // namespace store
