// Pure functions over captured record data: checksums, attribute flags and
// walks over unit blocks. No state, no locks, no allocation; the AP_
// wrappers in RecordExports.cpp screen null pointers before calling in.
//
// A unit block starts with two lead bytes, then 2-byte units told apart by
// their first byte:
//   bit 7 set          data unit: attribute byte, data byte
//   bit 7 clear, 6 set character-time word of the data unit before it
//   bits 7 and 6 clear end of the block
// Blocks carry no length; the end marker is the only terminator.
#ifndef PORTELLO_RECORDS_H
#define PORTELLO_RECORDS_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "portello.h"

namespace portello {

// Attribute byte flags of a data unit. A data unit without kAttrRd is SD.
inline constexpr uint8_t kAttrSame = 0x01;
inline constexpr uint8_t kAttrRd = 0x02;
inline constexpr uint8_t kAttrJis7 = 0x04;
inline constexpr uint8_t kAttrTrig = 0x08;
inline constexpr uint8_t kAttrParity = 0x10;
inline constexpr uint8_t kAttrOver = 0x20;
inline constexpr uint8_t kAttrFlam = 0x40;

// Each attribute flag as 0 or 1.
struct AttrFlags {
    int16_t same;
    int16_t rd;
    int16_t jis7;
    int16_t trig;
    int16_t parity;
    int16_t over;
    int16_t flam;
};

struct UnitCounts {
    int32_t total;
    int32_t sd;
    int32_t rd;
};

// Which data units RecordOffsetOf counts.
enum class CountKind : int16_t { All = 0, Sd = 1, Rd = 2 };

// True when the bytes before the trailing CR LF sum to 0 modulo 256.
// A record shorter than the CR LF fails.
bool RecordChecksum(std::span<const uint8_t> record);

AttrFlags AttrSplit(uint8_t attribute);

UnitCounts RecordCountAll(const uint8_t* block);

// Byte offset of the unit at which the count of `kind` data units reaches
// n; 0 when the block ends first or kind is not a CountKind value.
int32_t RecordOffsetOf(int16_t kind, const uint8_t* block, uint32_t n);

// Fills one display record per data unit into the circular `table`,
// starting at `index` and leaving `index` at the next free slot. An index
// outside the table leaves everything untouched.
void DisplayRecordsBuild(const uint8_t* block, std::span<DisplayRecord> table,
                         int32_t& index);

// 1-based position of the first match of `pattern` lying wholly inside
// data[from..]; 0 when none. A pattern value of kPatternAnyByte matches any
// byte; values outside 0..256 never match.
inline constexpr int16_t kPatternAnyByte = 256;
int32_t PatternFind(std::span<const uint8_t> data, uint32_t from,
                    std::span<const int16_t> pattern);

}  // namespace portello

#endif
