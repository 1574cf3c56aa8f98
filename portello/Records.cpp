#include "Records.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace portello {

// DisplayRecord is part of the exported ABI: callers allocate the tables
// and read them at these offsets, so the layout must never drift.
static_assert(sizeof(DisplayRecord) == 48);
static_assert(offsetof(DisplayRecord, same) == 24);
static_assert(offsetof(DisplayRecord, rd) == 26);
static_assert(offsetof(DisplayRecord, jis7) == 28);
static_assert(offsetof(DisplayRecord, trig) == 30);
static_assert(offsetof(DisplayRecord, parity) == 32);
static_assert(offsetof(DisplayRecord, over) == 34);
static_assert(offsetof(DisplayRecord, flam) == 36);
static_assert(offsetof(DisplayRecord, data) == 38);
static_assert(offsetof(DisplayRecord, timeRange) == 40);
static_assert(offsetof(DisplayRecord, timeValue) == 44);

namespace {

constexpr std::size_t kFirstUnit = 2;  // bytes 0 and 1 lead the block
constexpr std::size_t kUnitSize = 2;
constexpr std::size_t kCrLfSize = 2;

enum class Unit { Data, Time, End };

Unit UnitAt(const uint8_t* block, std::size_t at) {
    const uint8_t first = block[at];
    // Bit 7 decides first: an attribute byte with Flam (0x40) set still
    // starts a data unit, never a time word.
    if ((first & 0x80) != 0) return Unit::Data;
    if ((first & 0x40) != 0) return Unit::Time;
    return Unit::End;
}

bool IsRd(const uint8_t* block, std::size_t at) {
    return (block[at] & kAttrRd) != 0;
}

int16_t FlagOf(uint8_t attribute, uint8_t flag) {
    return (attribute & flag) != 0 ? 1 : 0;
}

void FillDataUnit(DisplayRecord& record, uint8_t attribute, uint8_t data) {
    const AttrFlags flags = AttrSplit(attribute);
    record.same = flags.same;
    record.rd = flags.rd;
    record.jis7 = flags.jis7;
    record.trig = flags.trig;
    record.parity = flags.parity;
    record.over = flags.over;
    record.flam = flags.flam;
    record.data = data;
}

// The word is big-endian: range code in bits 12..10, value in bits 9..0.
void FillTimeWord(DisplayRecord& record, uint8_t high, uint8_t low) {
    record.timeRange = static_cast<int16_t>((high >> 2) & 0x07);
    record.timeValue = (high & 0x03) * 256 + low;
}

int32_t NextSlot(int32_t index, std::size_t slots) {
    return static_cast<std::size_t>(index) + 1 < slots ? index + 1 : 0;
}

bool MatchesAt(std::span<const uint8_t> window, std::span<const int16_t> pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const int16_t want = pattern[i];
        if (want == kPatternAnyByte) continue;
        if (want < 0 || want > 255 || static_cast<uint8_t>(want) != window[i]) return false;
    }
    return true;
}

}  // namespace

bool RecordChecksum(std::span<const uint8_t> record) {
    if (record.size() < kCrLfSize) return false;
    uint8_t sum = 0;
    for (const uint8_t byte : record.first(record.size() - kCrLfSize)) {
        sum = static_cast<uint8_t>(sum + byte);
    }
    return sum == 0;
}

AttrFlags AttrSplit(uint8_t attribute) {
    return AttrFlags{
        .same = FlagOf(attribute, kAttrSame),
        .rd = FlagOf(attribute, kAttrRd),
        .jis7 = FlagOf(attribute, kAttrJis7),
        .trig = FlagOf(attribute, kAttrTrig),
        .parity = FlagOf(attribute, kAttrParity),
        .over = FlagOf(attribute, kAttrOver),
        .flam = FlagOf(attribute, kAttrFlam),
    };
}

UnitCounts RecordCountAll(const uint8_t* block) {
    UnitCounts counts{0, 0, 0};
    for (std::size_t at = kFirstUnit;; at += kUnitSize) {
        const Unit unit = UnitAt(block, at);
        if (unit == Unit::End) return counts;
        if (unit == Unit::Data) {
            ++counts.total;
            ++(IsRd(block, at) ? counts.rd : counts.sd);
        }
    }
}

int32_t RecordOffsetOf(int16_t kind, const uint8_t* block, uint32_t n) {
    if (kind < 0 || kind > static_cast<int16_t>(CountKind::Rd)) return 0;
    // Indexed by CountKind.
    std::array<uint32_t, 3> counts{};
    for (std::size_t at = kFirstUnit;; at += kUnitSize) {
        const Unit unit = UnitAt(block, at);
        if (unit == Unit::End) return 0;
        if (unit == Unit::Data) {
            ++counts[static_cast<std::size_t>(CountKind::All)];
            ++counts[static_cast<std::size_t>(IsRd(block, at) ? CountKind::Rd : CountKind::Sd)];
        }
        // Time words are checked too, so n = 0 stops at the very first unit.
        if (counts[static_cast<std::size_t>(kind)] >= n) return static_cast<int32_t>(at);
    }
}

void DisplayRecordsBuild(const uint8_t* block, std::span<DisplayRecord> table,
                         int32_t& index) {
    // index is an int32_t, so slots past its range could never be reached.
    const std::size_t slots =
        std::min<std::size_t>(table.size(), std::numeric_limits<int32_t>::max());
    if (index < 0 || static_cast<std::size_t>(index) >= slots) return;

    std::size_t at = kFirstUnit;
    while (true) {
        const Unit unit = UnitAt(block, at);
        if (unit == Unit::End) return;
        if (unit == Unit::Time) {  // belongs to no data unit: nothing to attach it to
            at += kUnitSize;
            continue;
        }
        DisplayRecord& record = table[static_cast<std::size_t>(index)];
        FillDataUnit(record, block[at], block[at + 1]);
        at += kUnitSize;
        // A unit without a time word carries no time, so the slot's time
        // fields are left as the caller or an earlier pass set them.
        if (UnitAt(block, at) == Unit::Time) {
            FillTimeWord(record, block[at], block[at + 1]);
            at += kUnitSize;
        }
        index = NextSlot(index, slots);
    }
}

int32_t PatternFind(std::span<const uint8_t> data, uint32_t from,
                    std::span<const int16_t> pattern) {
    const std::size_t len = pattern.size();
    if (len == 0 || data.size() < len) return 0;
    // last is computed only once data.size() >= len, so it cannot wrap.
    const std::size_t last = data.size() - len;
    for (std::size_t p = from; p <= last; ++p) {
        if (MatchesAt(data.subspan(p, len), pattern)) return static_cast<int32_t>(p + 1);
    }
    return 0;
}

}  // namespace portello
