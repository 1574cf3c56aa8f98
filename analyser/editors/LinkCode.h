// The code cells of the link table editor: a code is upper-case hex, "*"
// (any value) or empty (saved as 0). A column takes as many hex digits as
// its code item's size needs, at least 2 and at most 14 (56 bits).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace analyser::editors {

inline constexpr int kCodeDigitsMin = 2;
inline constexpr int kCodeDigitsMax = 14;

// The digits a code item of `bits` bit positions takes; a variable item
// (0) or one wider than 56 bits takes the most.
int CodeDigits(int bits);

// Whether text may stand in a code cell.
bool IsCodeText(const std::string& text);

// The value a code text saves as: "" 0, "*" -1, hex digits their value;
// nothing for any other text.
std::optional<double> CodeValue(const std::string& text);

// The text a stored code shows as: "*" for a negative code, otherwise the
// value (to the nearest whole, halves to even) in upper-case hex of at
// least two digits.
std::string CodeText(double code);

// A hex digit typed into a cell: a "*" goes first, then the digit is put
// after the last digits - 1 characters, so digits shift through the cell.
std::string CodeKeyed(const std::string& text, char digit, int digits);

// The hex digit a key stands for ("0"-"9", "A"-"F" in either case), or 0.
char CodeDigitOfKey(char key);

}  // namespace analyser::editors
