// Small histories for the report tests, built through the store's own API.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ReportOptions.h"
#include "clsCommon.h"

namespace reports::test {

inline constexpr double kDay0 = 45000.0;  // 2023/03/15 00:00:00
inline constexpr uint8_t kSd = 0x80;
inline constexpr uint8_t kRd = 0x82;
inline constexpr uint8_t kSame = 0x01;
inline constexpr uint8_t kJis7 = 0x04;
inline constexpr uint8_t kTrig = 0x08;
inline constexpr uint8_t kParity = 0x10;
inline constexpr uint8_t kOver = 0x20;
inline constexpr uint8_t kFlam = 0x40;
inline constexpr int16_t kNoTime = -1;

// A history with fixed recording conditions: monitoring 2023/03/15
// 00:00:00 to 00:01:40, ASCII, 9600 baud, 8 bits, even parity, RS-232C,
// ring with stop, no triggers, a range date of 2023/03/16 10:20:30 to
// 11:22:33 that is off.
std::unique_ptr<store::clsCommon> Conditions();

// Appends one record `seconds` after kDay0; a time range of kNoTime gives
// it no character time.
void Add(store::clsCommon& doc, uint8_t attr, uint8_t data, int seconds = 0,
         int16_t timeRange = kNoTime, uint16_t timeValue = 0);

// n records of one direction, bytes 'A' to 'Z' over and over.
void AddLetters(store::clsCommon& doc, uint8_t attr, int n);

// Options for a line mode (0 DUAL, 1 SD, 2 RD) in a display code,
// everything, with or without character times.
ReportOptions Mode(int16_t line, bool times = false, int16_t code = 1);

// The whole file as a string; empty when it cannot be read.
std::string ReadAll(const std::string& path);

}  // namespace reports::test
