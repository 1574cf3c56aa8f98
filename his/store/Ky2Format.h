// The KY2 history file: what every reader and writer of it shares.
//
// A KY2 file is CR LF lines: a seven-line text header in code page 932,
// then data lines of a 19-byte time stamp, ",", two lead bytes and a
// stream of two-byte items ended by a byte whose top two bits are 00.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace store {

inline constexpr std::string_view kKy2Magic = "*** KY-Nubera ***";
inline constexpr int kKy2StampLength = 19;

// Attribute byte of a data unit.
enum UnitAttr : uint8_t {
    kAttrSame = 0x01,
    kAttrRd = 0x02,
    kAttrJis7 = 0x04,
    kAttrTrig = 0x08,
    kAttrParity = 0x10,
    kAttrOver = 0x20,
    kAttrFlam = 0x40,
    kAttrUnit = 0x80,
};

enum class ItemKind { Unit, CharTime, End };

// What the first byte of a stream item opens.
constexpr ItemKind ItemKindOf(uint8_t first) {
    if (first & 0x80) return ItemKind::Unit;
    if (first & 0x40) return ItemKind::CharTime;
    return ItemKind::End;
}

// Character-time word: 0x4000 + range code * 0x0400 + a 10-bit value.
// Codes 0-4 scale the value by 1 to 10000; 5 means too long to record.
constexpr int16_t kCharTimeNone = -1;
constexpr int16_t kCharTimeTooLong = 5;

constexpr int16_t CharTimeRange(uint16_t word) {
    const int16_t code = static_cast<int16_t>((word & 0x1C00) >> 10);
    return code > kCharTimeTooLong ? kCharTimeTooLong : code;
}
constexpr uint16_t CharTimeValue(uint16_t word) { return word & 0x03FF; }
constexpr uint16_t CharTimeWord(int16_t range, uint16_t value) {
    return static_cast<uint16_t>(0x4000 + (range & 7) * 0x0400 + (value & 0x03FF));
}

// The character time in its unit as a number: the value scaled by its
// range code; -1 for "too long", and nothing for kCharTimeNone.
int32_t CharTimeScaled(int16_t range, uint16_t value);

// "yyyy/mm/dd hh:nn:ss" of a date value.
std::string FormatStamp(double date);
// The date value of a stamp, 0 when the text is not a valid date-time.
double ParseStamp(std::string_view text);

// The path without the extension of its file name (from the file name's
// last "."); dots in folder names stay.
std::string StripFileExtension(const std::string& path);

// "_" and the letters b, t, e of the append flags (1 began, 4 trigger,
// 2 ended), in that order.
std::string AppendFlagsSuffix(int flags);

// The following file of a chain: the name as written when that file
// exists, else the first existing file of the name without its extension
// followed by "_be", "_bte", "_te", "_e" or "_t" and ".ky2"; empty when none.
std::string ProbeFollowFile(const std::string& name);

bool FileExists(const std::string& path);

}  // namespace store
