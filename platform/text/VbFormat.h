// Number-to-text formatting with the classic Format / Hex$ rules.
#ifndef PLATFORM_TEXT_VBFORMAT_H
#define PLATFORM_TEXT_VBFORMAT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Formats value after a numeric pattern such as "0.00", "#0.0", ".000",
// "###,###" or "0.#":
//   0  a digit, or 0 where the value has none
//   #  a digit, or nothing
//   .  the decimal point; it is shown even when no decimal follows ("5.")
//   ,  between digit placeholders: group the integer digits by three;
//      after the last integer placeholder: divide by 1000 (each)
// Integer digits beyond the placeholders are all shown. Decimals are
// rounded half away from zero. A negative value gets a leading "-" unless
// it rounds to zero. Text before the first and after the last pattern
// character is copied as it is; other characters between the digit
// placeholders are not supported and are left out. An empty pattern gives
// the plain number (up to 15 significant digits, no exponent).
std::string FormatNumber(double value, std::string_view pattern);

// The general form of a double, as Str/CStr print it: the shortest text of
// at most 15 significant digits; exponent form ("1E+16", "1.5E-07") from
// 10^15 up and below 10^-4; "-" for negative values; 0 for NaN.
std::string GeneralNumber(double value);

// Hex$: upper-case hexadecimal, padded on the left with zeros to minDigits.
std::string HexUpper(uint32_t value, int minDigits = 0);

}  // namespace platform

#endif
