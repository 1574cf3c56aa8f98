#include "VbFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

// What a pattern asks for, read once before any digit is placed.
struct NumberPattern {
    bool hasNumber = false;
    std::string_view prefix;
    std::string_view suffix;
    int minIntegerDigits = 0;
    bool grouped = false;
    int thousandsScale = 0;  // how many times to divide by 1000
    bool hasPoint = false;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
};

// A non-negative number as decimal digits: 0.d1d2d3... times 10^pointPos,
// so pointPos is how many of the digits stand before the decimal point.
struct DecimalDigits {
    std::string digits;
    int pointPos = 0;
};

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

void ReadIntegerPart(std::string_view part, NumberPattern& pattern) {
    const size_t firstZero = part.find('0');
    const size_t lastPlaceholder = part.find_last_of("0#");
    for (size_t i = 0; i < part.size(); ++i) {
        if (IsPlaceholder(part[i]) && firstZero != std::string_view::npos && i >= firstZero) {
            ++pattern.minIntegerDigits;  // "0##" still asks for three digits
        } else if (part[i] == ',') {
            // Between placeholders it groups; trailing ones scale ("#,##0,").
            if (lastPlaceholder != std::string_view::npos && i < lastPlaceholder) {
                pattern.grouped = true;
            } else {
                ++pattern.thousandsScale;
            }
        }
    }
}

void ReadFractionPart(std::string_view part, NumberPattern& pattern) {
    for (const char c : part) {
        if (!IsPlaceholder(c)) continue;
        ++pattern.maxFractionDigits;
        // Every decimal up to the last "0" is always shown.
        if (c == '0') pattern.minFractionDigits = pattern.maxFractionDigits;
    }
}

NumberPattern ParsePattern(std::string_view text) {
    NumberPattern pattern;
    const size_t first = text.find_first_of("0#.");
    if (first == std::string_view::npos) return pattern;
    const size_t last = text.find_last_of("0#.,");
    pattern.hasNumber = true;
    pattern.prefix = text.substr(0, first);
    pattern.suffix = text.substr(last + 1);
    const std::string_view body = text.substr(first, last + 1 - first);
    const size_t point = body.find('.');
    ReadIntegerPart(body.substr(0, point), pattern);
    if (point != std::string_view::npos) {
        pattern.hasPoint = true;
        ReadFractionPart(body.substr(point + 1), pattern);
    }
    return pattern;
}

// Binary doubles rarely hold a decimal exactly: 1.005 is stored as
// 1.00499999999999989..., so rounding the binary value would print "1.00"
// where the user typed 1.005 and expects "1.01". Like the classic runtime we
// first take the value to 15 significant digits, all a double holds
// reliably, and round that decimal text half away from zero.
DecimalDigits ToDecimal(double magnitude) {
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", magnitude);  // d.dddddddddddddde+XX
    const std::string_view view(text);
    const size_t exponentAt = view.find('e');
    DecimalDigits decimal;
    decimal.digits += view.front();
    decimal.digits += view.substr(2, exponentAt - 2);
    decimal.pointPos = static_cast<int>(std::strtol(text + exponentAt + 1, nullptr, 10)) + 1;
    return decimal;
}

// Carries a +1 into the last kept digit; a carry out of the first digit
// adds a new leading "1" (0.96 -> 1.0, 9.5 -> 10).
void IncrementLastDigit(DecimalDigits& decimal) {
    for (auto it = decimal.digits.rbegin(); it != decimal.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    decimal.digits.insert(decimal.digits.begin(), '1');
    ++decimal.pointPos;
}

void RoundHalfAwayFromZero(DecimalDigits& decimal, int fractionDigits) {
    const int keep = decimal.pointPos + fractionDigits;
    if (keep < 0) {
        decimal.digits.clear();  // far below the last shown decimal
        return;
    }
    if (static_cast<size_t>(keep) >= decimal.digits.size()) return;
    const bool up = decimal.digits[static_cast<size_t>(keep)] >= '5';
    decimal.digits.resize(static_cast<size_t>(keep));
    if (up) IncrementLastDigit(decimal);
}

// The digits before the point, without leading zeros ("" for zero).
std::string IntegerDigits(const DecimalDigits& decimal) {
    std::string whole;
    for (int i = 0; i < decimal.pointPos; ++i) {
        const auto at = static_cast<size_t>(i);
        const char digit = at < decimal.digits.size() ? decimal.digits[at] : '0';
        if (!whole.empty() || digit != '0') whole += digit;
    }
    return whole;
}

std::string FractionDigits(const DecimalDigits& decimal, int count) {
    std::string fraction;
    for (int i = 0; i < count; ++i) {
        const int at = decimal.pointPos + i;
        const bool present = at >= 0 && static_cast<size_t>(at) < decimal.digits.size();
        fraction += present ? decimal.digits[static_cast<size_t>(at)] : '0';
    }
    return fraction;
}

void TrimTrailingZeros(std::string& fraction, int keepAtLeast) {
    while (fraction.size() > static_cast<size_t>(keepAtLeast) && fraction.back() == '0') {
        fraction.pop_back();
    }
}

std::string GroupThousands(const std::string& whole) {
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += ',';
        grouped += whole[i];
    }
    return grouped;
}

std::string PlainNumber(double value) {
    const DecimalDigits decimal = ToDecimal(std::fabs(value));
    const int decimals = static_cast<int>(decimal.digits.size()) - decimal.pointPos;
    std::string whole = IntegerDigits(decimal);
    std::string fraction = FractionDigits(decimal, decimals > 0 ? decimals : 0);
    TrimTrailingZeros(fraction, 0);
    const bool negative = value < 0 && !(whole.empty() && fraction.empty());
    std::string result = negative ? "-" : "";
    result += whole.empty() ? std::string_view("0") : std::string_view(whole);
    if (!fraction.empty()) result += "." + fraction;
    return result;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

std::string FormatNumber(double value, std::string_view patternText) {
    if (!std::isfinite(value)) return NonFinite(value);
    if (patternText.empty()) return PlainNumber(value);
    const NumberPattern pattern = ParsePattern(patternText);
    if (!pattern.hasNumber) return std::string(patternText);

    DecimalDigits decimal = ToDecimal(std::fabs(value));
    decimal.pointPos -= 3 * pattern.thousandsScale;
    RoundHalfAwayFromZero(decimal, pattern.maxFractionDigits);
    std::string whole = IntegerDigits(decimal);
    std::string fraction = FractionDigits(decimal, pattern.maxFractionDigits);
    const bool negative =
        value < 0 && (!whole.empty() || fraction.find_first_not_of('0') != std::string::npos);

    TrimTrailingZeros(fraction, pattern.minFractionDigits);
    const auto minWhole = static_cast<size_t>(pattern.minIntegerDigits);
    if (whole.size() < minWhole) whole.insert(0, minWhole - whole.size(), '0');
    if (pattern.grouped) whole = GroupThousands(whole);

    std::string result = negative ? "-" : "";
    result += pattern.prefix;
    result += whole;
    if (pattern.hasPoint) result += "." + fraction;
    result += pattern.suffix;
    return result;
}

std::string GeneralNumber(double value) {
    if (std::isnan(value) || value == 0) return "0";
    if (std::isinf(value)) return NonFinite(value);
    DecimalDigits decimal = ToDecimal(std::fabs(value));
    TrimTrailingZeros(decimal.digits, 1);
    const int exponent = decimal.pointPos - 1;
    std::string result = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) return result + PlainNumber(std::fabs(value));
    result += decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1) result += "." + decimal.digits.substr(1);
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return result + tail;
}

std::string HexUpper(uint32_t value, int minDigits) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    std::string hex(text);
    if (minDigits > 0 && hex.size() < static_cast<size_t>(minDigits)) {
        hex.insert(0, static_cast<size_t>(minDigits) - hex.size(), '0');
    }
    return hex;
}

}  // namespace platform
