#include "MonitorRecords.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "WireTexts.h"

namespace unitsim {

namespace {

constexpr unsigned kCr = 0x0D;
constexpr double kDdsClock = 40'000'000.0;
constexpr double kDdsSpan = 4294967296.0;  // 2^32
constexpr float kDdsOversampling = 16.0f;
constexpr unsigned kTimeWordBase = 0x4000;
constexpr unsigned kRangeStep = 0x0400;
constexpr unsigned kRangeMask = 0x07;
constexpr unsigned kTimeValueMask = 0x03FF;

}  // namespace

std::string DdsWordText(float baud) {
    // Both steps round to single precision: the word for 9600 baud is
    // 00FBA883, one above what exact arithmetic gives.
    const float k = static_cast<float>(kDdsSpan / kDdsClock);
    const float w = baud * kDdsOversampling * k;
    const auto word = static_cast<unsigned long>(std::nearbyint(w));
    char text[32];
    std::snprintf(text, sizeof text, "%08lX", word);
    return text;
}

std::uint16_t CharTimeWord(int rangeCode, std::uint16_t value) {
    const unsigned range = static_cast<unsigned>(rangeCode) & kRangeMask;
    return static_cast<std::uint16_t>(kTimeWordBase + range * kRangeStep + (value & kTimeValueMask));
}

std::string StartRecord(int model, std::string_view time, const LineSettings& line) {
    std::string body(time);
    body += model == 2 ? std::string_view(line.ddsWord) : kModel1StartFiller;
    body += line.dataLengthDigit;
    body += line.parityDigit;
    return SealRecord(kStartType, body);
}

std::string DataRecord(int secondsCounter, const std::vector<ScenarioUnit>& units, bool badChecksum) {
    std::string body;
    body.reserve(units.size() * 4 + 1);
    for (const ScenarioUnit& unit : units) {
        body += static_cast<char>(unit.attribute | kDataUnitBit);
        body += static_cast<char>(unit.data);
        if (unit.timeRange < 0) continue;
        const std::uint16_t word = CharTimeWord(unit.timeRange, unit.timeValue);
        body += static_cast<char>(word >> 8);
        body += static_cast<char>(word & 0xFF);
    }
    body += static_cast<char>(kEndByte);
    const auto type = static_cast<std::uint8_t>(secondsCounter % kSecondsCounterSpan);
    return SealRecord(type, body, badChecksum);
}

std::string RingRestartRecord(std::string_view time, bool badChecksum) {
    return SealRecord(kRingRestartType, time, badChecksum);
}

std::string EndRecord(std::string_view time) { return SealRecord(kEndType, time); }

std::string SealRecord(std::uint8_t type, std::string_view body, bool badChecksum) {
    for (unsigned lead = kRecordLead; lead <= 0xFF; ++lead) {
        if (lead == kCr) continue;
        std::string record;
        record.reserve(body.size() + 5);
        record += static_cast<char>(lead);
        record += static_cast<char>(type);
        record += body;
        auto checksum = static_cast<std::uint8_t>(0x100 - ByteSum(record));
        if (badChecksum) checksum = static_cast<std::uint8_t>(checksum + 1);
        record += static_cast<char>(checksum);
        record += kCrLf;
        if (!HasEarlyLineEnd(record)) return record;
    }
    throw std::invalid_argument("record body holds a line end");
}

bool HasEarlyLineEnd(std::string_view record) {
    const std::size_t end = record.find(kCrLf);
    return end != std::string_view::npos && end + kCrLf.size() != record.size();
}

std::uint8_t ByteSum(std::string_view bytes) {
    unsigned sum = 0;
    for (const char c : bytes) sum += static_cast<unsigned char>(c);
    return static_cast<std::uint8_t>(sum);
}

}  // namespace unitsim
