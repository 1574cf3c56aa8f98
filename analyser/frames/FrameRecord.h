// One frame as a KYP file stores it, and the escaping of its data line.
//
// After its header a KYP file holds frame records to its end, each: the
// 8-byte date, the status byte, the 16-bit cut field, the two comment
// lines (UTF-16LE, each ended by CR LF) and the data line (the frame's
// bytes with 0x10 written before every 0x0A and 0x10, ended by CR LF).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace frames {

// Status bits of a frame.
enum FrameStatus : uint8_t {
    kStatusSame = 0x01,
    kStatusRd = 0x02,
    kStatusJis7 = 0x04,
    kStatusTrig = 0x08,
};
// Bits 4-6 of the status: parity 1, overrun 2, framing 4.
inline constexpr int kStatusErrorShift = 4;

// Cut field: why the frame was cut (bits 13-15) and the character time
// before it (range code in bits 10-12, value in bits 0-9).
enum FrameCutBits : uint16_t {
    kCutCrLf = 0x2000,
    kCutCharTime = 0x4000,
    kCutUserString = 0x8000,
    kCutKindMask = 0xE000,
};

struct FrameRecord {
    double date = 0;
    uint8_t status = 0;
    int16_t cut = 0;
    // The comments as stored: UTF-16LE code units (FrameComment.h).
    std::array<std::string, 2> comment;
    // The frame's bytes, without the file's 0x10 escapes.
    std::string data;

    friend bool operator==(const FrameRecord&, const FrameRecord&) = default;
};

// A record never starts in the last 13 bytes of a file: they are left
// unread.
inline constexpr int64_t kFrameRecordMinRest = 14;

// Appends data with 0x10 before every 0x0A and 0x10.
void DleEscapeAppend(std::string& out, std::string_view data);
// Appends a stored data line without its escapes: a 0x10 is dropped and
// the byte after it kept whatever it is; a 0x10 at the very end adds
// nothing.
void DleRemoveAppend(std::string& out, std::string_view line);

// Appends the stored form of one frame record.
void FrameRecordAppend(std::string& out, double date, uint8_t status, int16_t cut,
                       std::string_view comment0, std::string_view comment1, std::string_view data);
inline void FrameRecordAppend(std::string& out, const FrameRecord& r) {
    FrameRecordAppend(out, r.date, r.status, r.cut, r.comment[0], r.comment[1], r.data);
}

}  // namespace frames
