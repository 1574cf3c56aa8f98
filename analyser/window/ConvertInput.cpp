#include "ConvertInput.h"

#include <algorithm>
#include <cctype>

#include "StoredPath.h"

namespace analyser {

namespace {

constexpr size_t kTimeBoxLength = 8;

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

bool ConvertPathValid(const std::string& path, std::string_view extension) {
    if (path.size() < extension.size()) return false;
    std::string tail = path.substr(path.size() - extension.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension && frames::IsRegularFile(path);
}

std::string TimeBoxChanged(std::string_view text) {
    // The box holds characters, not bytes: the cut counts UTF-8 characters.
    size_t cut = 0;
    size_t chars = 0;
    while (cut < text.size() && chars < kTimeBoxLength) {
        ++cut;
        while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) ++cut;
        ++chars;
    }
    std::string shown(text.substr(0, cut));
    if (AllDigits(shown) && std::stoll(shown) > kConditionTimeMax) shown = std::to_string(kConditionTimeMax);
    return shown;
}

std::optional<int32_t> TimeBoxValue(std::string_view text) {
    if (!AllDigits(text) || text.size() > kTimeBoxLength) return std::nullopt;
    const long long value = std::stoll(std::string(text));
    if (value > kConditionTimeMax) return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t TimeBoxStep(int32_t value, bool up) {
    return std::clamp(value + (up ? 1 : -1), 0, kConditionTimeMax);
}

}  // namespace analyser
