#include "ExtensionCommands.h"

#include "his/store/SharedFunctions.h"

namespace mon {

namespace {

constexpr char kCrLf[] = "\r\n";

// The first three characters in reverse order: "123456" gives "321".
std::string FirstThreeReversed(const std::string& text) {
    return {text.at(2), text.at(1), text.at(0)};
}

}  // namespace

std::string HexDigits(uint32_t value, size_t width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(width, '0');
    for (size_t i = width; i > 0; --i, value >>= 4) out[i - 1] = kDigits[value & 0xF];
    return out;
}

std::string MemoryReadLine(uint32_t address, int16_t length) {
    return "mr" + HexDigits(address, 6) + HexDigits(static_cast<uint32_t>(length) & 0xFF, 2) + kCrLf;
}

std::string BuzzerLine(int tone, int duration) {
    const char toneDigit = tone == 0 ? '0' : '1';
    const char timeDigit = duration == 0 ? '0' : duration == 1 ? '1' : '2';
    return std::string("z") + toneDigit + timeDigit + kCrLf;
}

std::string DownloadStartLine(int memory, const std::string& offset) {
    return std::string("d") + (memory == kFlashRom ? '0' : '1') + FirstThreeReversed(offset) + kCrLf;
}

std::string DownloadEndLine(const std::string& executionAddress) {
    return "d9" + FirstThreeReversed(executionAddress) + kCrLf;
}

std::optional<uint32_t> AddressEntry(const std::string& text) {
    const int32_t value = store::HexToInt<int32_t>(text, static_cast<int>(text.size()));
    if (value < 0) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<int16_t> LengthEntry(const std::string& text) {
    const int32_t value = store::HexToInt<int32_t>(text, 2);
    if (value < 0 || value > 255) return std::nullopt;
    return static_cast<int16_t>(value);
}

bool SixHexDigits(const std::string& text) { return store::HexToInt<int32_t>(text, 6) != -1; }

}  // namespace mon
