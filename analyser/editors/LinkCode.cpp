#include "LinkCode.h"

#include <algorithm>
#include <cmath>

#include "EditorTexts.h"
#include "platform/text/Rounding.h"

namespace analyser::editors {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsHex(const std::string& text) {
    return !text.empty() && text.size() <= 16 &&
           std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

}  // namespace

int CodeDigits(int bits) {
    if (bits <= 0 || bits > 4 * kCodeDigitsMax) return kCodeDigitsMax;
    return std::max((bits + 3) / 4, kCodeDigitsMin);
}

bool IsCodeText(const std::string& text) { return text.empty() || text == kAnyCodeText || IsHex(text); }

std::optional<double> CodeValue(const std::string& text) {
    if (text.empty()) return 0.0;
    if (text == kAnyCodeText) return -1.0;
    if (!IsHex(text)) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) value = value * 16 + static_cast<uint64_t>(HexDigitValue(c));
    return static_cast<double>(value);
}

std::string CodeText(double code) {
    if (std::isnan(code) || code < 0) return kAnyCodeText;
    const double whole = platform::BankersRound(code);
    const uint64_t value = whole >= 18446744073709551615.0 ? UINT64_MAX : static_cast<uint64_t>(whole);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint64_t v = value; v != 0; v /= 16) text.insert(text.begin(), kDigits[v % 16]);
    while (text.size() < static_cast<size_t>(kCodeDigitsMin)) text.insert(text.begin(), '0');
    return text;
}

std::string CodeKeyed(const std::string& text, char digit, int digits) {
    std::string kept = text == kAnyCodeText ? std::string() : text;
    const size_t keep = static_cast<size_t>(std::max(digits - 1, 0));
    if (kept.size() > keep) kept.erase(0, kept.size() - keep);
    return kept + digit;
}

char CodeDigitOfKey(char key) {
    if (key >= 'a' && key <= 'f') return static_cast<char>(key - 'a' + 'A');
    return HexDigitValue(key) >= 0 ? key : 0;
}

}  // namespace analyser::editors
