// A value handed to a checking setter: text or a number, as the caller has
// it. The setter decides whether it reads as what it needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace store {

class LooseValue {
public:
    LooseValue(std::string_view text) : value_(std::string(text)) {}
    LooseValue(const std::string& text) : value_(text) {}
    LooseValue(const char* text) : value_(std::string(text ? text : "")) {}
    LooseValue(double number) : value_(number) {}
    LooseValue(int number) : value_(static_cast<double>(number)) {}
    LooseValue(long number) : value_(static_cast<double>(number)) {}

    // The number it reads as: a number as such, or text that is a decimal
    // number with optional blanks around, sign, fraction and exponent.
    std::optional<double> AsNumber() const;
    // The date value it reads as: a number as such, or text in the form
    // "yyyy/mm/dd hh:nn:ss" or "yyyy/mm/dd".
    std::optional<double> AsDate() const;
    // The text: text as such, a number in plain decimal.
    std::string AsText() const;

private:
    std::variant<std::string, double> value_;
};

// Checked conversions of a loose value to the stored integer types: the
// number rounded to the nearest whole (halves to even) and within
// [low, high].
std::optional<int16_t> LooseInt16(const LooseValue& v, int16_t low, int16_t high);
std::optional<int32_t> LooseInt32(const LooseValue& v, int32_t low, int32_t high);

// The first n characters (not bytes) of UTF-8 text.
std::string LeftChars(const std::string& text, size_t n);

}  // namespace store
