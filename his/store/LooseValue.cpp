#include "LooseValue.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/text/Rounding.h"
#include "platform/text/VbFormat.h"
#include "platform/time/VbDate.h"

namespace store {

namespace {

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool IsDecimalNumber(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<double> LooseValue::AsNumber() const {
    if (const double* n = std::get_if<double>(&value_)) {
        if (std::isfinite(*n)) return *n;
        return std::nullopt;
    }
    const std::string text(TrimBlanks(std::get<std::string>(value_)));
    if (!IsDecimalNumber(text)) return std::nullopt;
    const double n = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(n)) return std::nullopt;
    return n;
}

std::optional<double> LooseValue::AsDate() const {
    if (const double* n = std::get_if<double>(&value_)) {
        if (std::isfinite(*n)) return *n;
        return std::nullopt;
    }
    const std::string_view text = TrimBlanks(std::get<std::string>(value_));
    if (auto d = platform::ParseDateTime(text)) return d;
    return platform::ParseDate(text);
}

std::string LooseValue::AsText() const {
    if (const double* n = std::get_if<double>(&value_)) return platform::FormatNumber(*n, "");
    return std::get<std::string>(value_);
}

std::optional<int16_t> LooseInt16(const LooseValue& v, int16_t low, int16_t high) {
    const auto n = v.AsNumber();
    if (!n) return std::nullopt;
    const auto i = platform::ToInt16(*n);
    if (!i || *i < low || *i > high) return std::nullopt;
    return i;
}

std::optional<int32_t> LooseInt32(const LooseValue& v, int32_t low, int32_t high) {
    const auto n = v.AsNumber();
    if (!n) return std::nullopt;
    const auto i = platform::ToInt32(*n);
    if (!i || *i < low || *i > high) return std::nullopt;
    return i;
}

std::string LeftChars(const std::string& text, size_t n) {
    size_t i = 0;
    size_t chars = 0;
    while (i < text.size() && chars < n) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t len = 1;
        if (lead >= 0xF0) len = 4;
        else if (lead >= 0xE0) len = 3;
        else if (lead >= 0xC0) len = 2;
        i += len;
        ++chars;
    }
    return text.substr(0, i < text.size() ? i : text.size());
}

}  // namespace store
