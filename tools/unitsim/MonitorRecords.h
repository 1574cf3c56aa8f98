// The records a unit sends while monitoring, byte for byte. Each record is
// one line: a lead byte, the type, the body, a checksum byte that makes the
// 8-bit sum of all bytes before the line end zero, and CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Scenario.h"

namespace unitsim {

inline constexpr std::uint8_t kRecordLead = 0x01;  // the PC does not read it
inline constexpr std::uint8_t kStartType = 0x80;
inline constexpr std::uint8_t kRingRestartType = 0x81;
inline constexpr std::uint8_t kEndType = 0xFF;
inline constexpr std::uint8_t kEndByte = 0x00;  // closes the units of a data record
inline constexpr int kSecondsCounterSpan = 128;
// Bytes 14 to 18 of model 1's start record, which the PC does not read.
inline constexpr std::string_view kModel1StartFiller = "00000";

// Attribute bits of a data unit.
inline constexpr std::uint8_t kDataUnitBit = 0x80;
inline constexpr std::uint8_t kSameFlag = 0x01;
inline constexpr std::uint8_t kRdFlag = 0x02;
inline constexpr std::uint8_t kJis7Flag = 0x04;
inline constexpr std::uint8_t kTrigFlag = 0x08;
inline constexpr std::uint8_t kParityFlag = 0x10;
inline constexpr std::uint8_t kOverFlag = 0x20;
inline constexpr std::uint8_t kFlamFlag = 0x40;

// The monitored line as the start record reports it.
struct LineSettings {
    std::string ddsWord = "00FBA883";  // model 2: eight upper-case hex digits
    char dataLengthDigit = '1';
    char parityDigit = '0';
};

// The model-2 DDS word of a baud rate as eight upper-case hex digits,
// computed in single precision as the PC computes the one it sends.
std::string DdsWordText(float baud);
// 0x4000, the range code times 0x0400 and the 10-bit value.
std::uint16_t CharTimeWord(int rangeCode, std::uint16_t value);

// time is yymmddhhnnss. Model 1 puts kModel1StartFiller where model 2 has
// its DDS word.
std::string StartRecord(int model, std::string_view time, const LineSettings& line);
// The counter is taken modulo 128.
std::string DataRecord(int secondsCounter, const std::vector<ScenarioUnit>& units,
                       bool badChecksum = false);
std::string RingRestartRecord(std::string_view time, bool badChecksum = false);
std::string EndRecord(std::string_view time);

// Frames a body. A CR LF must never appear before the end of a record, and
// the only one the framing could make is a checksum byte 0x0A after a body
// that ends in 0x0D; the lead byte then moves on (0x02, 0x03, ..., never
// 0x0D) until the record is clean. Throws std::invalid_argument when the
// body itself holds CR LF.
std::string SealRecord(std::uint8_t type, std::string_view body, bool badChecksum = false);
// True when a CR LF ends the bytes anywhere before their last two.
bool HasEarlyLineEnd(std::string_view record);
std::uint8_t ByteSum(std::string_view bytes);

}  // namespace unitsim
