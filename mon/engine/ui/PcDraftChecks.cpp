#include "PcDraftChecks.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "Settings.h"

namespace mon {

namespace {

namespace fs = std::filesystem;

constexpr int64_t kFileMaxLimit = 1073741824;  // 2^30; above it means no limit

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// The text after its first n characters (UTF-8).
std::string AfterCharacters(const std::string& text, size_t n) {
    size_t at = 0;
    for (size_t seen = 0; seen < n && at < text.size(); ++seen) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return text.substr(at);
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number the text starts with, after blanks; 0 without a digit. Stops
// growing past the limit, which is all the caller needs to know.
int64_t LeadingNumber(const std::string& text) {
    int64_t value = 0;
    size_t at = text.find_first_not_of(' ');
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kFileMaxLimit) break;
    }
    return value;
}

bool EqualNoCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool StartsWithNoCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), EqualNoCase);
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      EqualNoCase);
}

}  // namespace

std::optional<int16_t> PortTextNumber(const std::string& portText) {
    const std::string number = AfterCharacters(portText, 3);
    if (number.size() > 3 || !AllDigits(number)) return std::nullopt;
    return static_cast<int16_t>(std::stoi(number));
}

std::string PortDeviceName(const std::string& portText) { return "\\\\.\\" + portText; }

FileMaxCheck FileMaxFromText(const std::string& text) {
    const int64_t value = LeadingNumber(text);
    if (text.empty() || value > kFileMaxLimit) return {FileMaxVerdict::Accepted, kFileMaxUnlimited};
    if (value == 0 || value == 1) return {FileMaxVerdict::Refused, 0};
    if (!AllDigits(TrimBlanks(text))) return {FileMaxVerdict::NotNumeric, 0};
    return {FileMaxVerdict::Accepted, static_cast<int32_t>(value)};
}

std::string FileMaxMessage(const std::string& text) {
    return "最大ファイル数 [" + text + "] は有効ではありません！";
}

bool FileMaxKeyPasses(char32_t ch) {
    return (ch >= U'0' && ch <= U'9') || ch == U'\r' || ch == U'\b' || ch == 0x7F;
}

bool DataFolderPresent(const std::string& text) {
    if (text.empty()) return false;
    std::error_code ec;
    const bool found = fs::exists(fs::path(text), ec);
    return found && !ec;
}

std::string FolderMissingMessage(const std::string& text) {
    return "[" + text + "] フォルダがありません！";
}

bool HistoryFilesExist(const std::string& dataDir, const std::string& fileName) {
    const std::string start = fileName + "_";
    std::error_code ec;
    // Stepped by hand: a folder that cannot be read to its end answers
    // with what was read, never with an exception.
    for (fs::directory_iterator it(fs::path(dataDir), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        const std::string name = it->path().filename().string();
        if (name.size() >= start.size() + 4 && StartsWithNoCase(name, start) &&
            EndsWithNoCase(name, ".ky2")) {
            return true;
        }
    }
    return false;
}

}  // namespace mon
