#include "UnitMaintenance.h"

#include <algorithm>

#include "WireTexts.h"

namespace unitsim {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The number of the hex digits, or nothing when one is not a digit.
std::optional<uint32_t> Hex(const std::string& text) {
    uint32_t value = 0;
    for (char c : text) {
        const int digit = HexValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

std::string HexText(uint32_t value, std::size_t width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(width, '0');
    for (std::size_t i = width; i > 0; --i, value >>= 4) out[i - 1] = kDigits[value & 0xF];
    return out;
}

bool IsMemoryRead(const std::string& line) {
    return line.size() == 10 && line.compare(0, 2, "mr") == 0 && Hex(line.substr(2));
}

bool IsBuzzer(const std::string& line) {
    return line.size() == 3 && line[0] == 'z' && (line[1] == '0' || line[1] == '1') &&
           line[2] >= '0' && line[2] <= '2';
}

bool IsDownloadOpen(const std::string& line) {
    return line.size() == 5 && line[0] == 'd' && (line[1] == '0' || line[1] == '1');
}

bool IsDownloadClose(const std::string& line) {
    return line.size() == 5 && line.compare(0, 2, "d9") == 0;
}

}  // namespace

bool SRecordChecksumGood(const std::string& line) {
    if (line.size() < 4 || line.size() % 2 != 0 || line[0] != 'S') return false;
    uint32_t sum = 0;
    for (std::size_t i = 2; i < line.size(); i += 2) {
        const auto pair = Hex(line.substr(i, 2));
        if (!pair) return false;
        sum += *pair;
    }
    const auto count = Hex(line.substr(2, 2));
    return count && line.size() == 4 + 2 * *count && (sum & 0xFF) == 0xFF;
}

uint8_t UnitMaintenance::MemoryByte(uint32_t address) {
    return static_cast<uint8_t>((address * 13u + (address >> 8) + 0x5Au) & 0xFFu);
}

bool UnitMaintenance::Takes(const std::string& line) const {
    return downloading_ || IsMemoryRead(line) || IsBuzzer(line) || IsDownloadOpen(line);
}

std::vector<std::string> UnitMaintenance::Receive(const std::string& line) {
    if (downloading_) return DownloadLine(line);
    if (IsMemoryRead(line)) return MemoryRead(line);
    if (IsBuzzer(line)) {
        buzzer_ = line;
        return {};
    }
    if (IsDownloadOpen(line)) {
        downloading_ = true;
        checksumBad_ = false;
        opened_ = line;
        closed_.clear();
        lines_.clear();
    }
    return {};
}

std::vector<std::string> UnitMaintenance::MemoryRead(const std::string& line) const {
    const uint32_t address = *Hex(line.substr(2, 6));
    const uint32_t count = *Hex(line.substr(8, 2));
    const uint32_t bytes = count == 0 ? 256 : count;
    const uint32_t send = faults_.memoryReplyBytes < 0
                              ? bytes
                              : std::min(bytes, static_cast<uint32_t>(faults_.memoryReplyBytes));
    std::string reply = "MR" + line.substr(2, 8);
    for (uint32_t k = 0; k < send; ++k) reply += HexText(MemoryByte((address + k) & 0xFFFFFF), 2);
    return {reply + std::string(kCrLf)};
}

std::vector<std::string> UnitMaintenance::DownloadLine(const std::string& line) {
    if (!IsDownloadClose(line)) {
        lines_.push_back(line);
        if (!SRecordChecksumGood(line)) checksumBad_ = true;
        return {};
    }
    downloading_ = false;
    closed_ = line;
    ++done_;
    return {std::string("D") + Result() + std::string(kCrLf)};
}

char UnitMaintenance::Result() const {
    if (faults_.downloadResult >= 0) return static_cast<char>('0' + faults_.downloadResult % 10);
    return checksumBad_ ? '3' : '0';
}

}  // namespace unitsim
