// The data lines of a KY2 file taken apart as their bytes arrive, in
// pieces of any size: a line as long as the file needs no more memory than
// a short one, and the caller can report progress inside it.
//
// A line ends at a CR LF. Its first 19 bytes are its time stamp, given to
// every record the line adds; from byte 22 on come two-byte items (units
// and character times) up to the first item whose top bits are 00. The
// line's own CR LF are items too, as they stand.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "RecordStore.h"

namespace store {

// The time stamp of the data lines: parsed once per line, and not at all
// when a line repeats the stamp of the line before it.
class StampReader {
public:
    // text: the 19 bytes of a stamp.
    double Read(const char* text) {
        if (Same(text)) return value_;
        return ReadNew(text);
    }

private:
    static constexpr size_t kLength = 19;
    static constexpr size_t kDayLength = 11;  // "yyyy/mm/dd "
    static int SecondsOfDay(std::string_view t);

    // The stamp of the line before, compared eight bytes at a time.
    bool Same(const char* text) const {
        uint64_t a[2], b[2];
        uint32_t c, d;
        std::memcpy(a, text, 16);
        std::memcpy(b, last_, 16);
        std::memcpy(&c, text + 15, 4);
        std::memcpy(&d, last_ + 15, 4);
        return ((a[0] ^ b[0]) | (a[1] ^ b[1]) | (c ^ d)) == 0 && known_;
    }
    double ReadNew(const char* text);

    char last_[kLength] = {};
    bool known_ = false;  // last_ holds a stamp
    double value_ = 0;
    int64_t day_ = -1;  // the day number of last_ when it is a whole valid stamp's day
};

class Ky2DataParser {
public:
    // Lines from file offset position on go into records; trigPos becomes
    // the index of each record flagged Trig.
    Ky2DataParser(RecordStore::Filler& records, int32_t& trigPos, int64_t position)
        : records_(records), trigPos_(trigPos), position_(position), lineStart_(position) {}

    // The file offset of the next byte to feed.
    int64_t Position() const { return position_; }
    // Where the line being read began (Position() between lines).
    int64_t LineStart() const { return lineStart_; }
    // The history could take no more records; nothing more is read.
    bool Full() const { return full_; }
    // The last Feed stopped at a line end, as pace or stopAt asked.
    bool Halted() const { return halted_; }

    // Takes bytes from Position() on, line by line, and returns how many it
    // took. After each line end it calls pace.LineDone(position) and stops
    // when pace.Stopped() says so or when the next line would start at or
    // after stopAt. It also stops once the history is full.
    template <typename Pace>
    size_t Feed(const char* data, size_t size, Pace& pace, int64_t stopAt);

private:
    static constexpr int64_t kStampEnd = 19;   // the stamp's bytes
    static constexpr int64_t kItemsStart = 22;  // stamp, ",", two lead bytes

    // Bytes of the current line that hold no line end of it.
    void Part(const char* at, const char* end);
    void Items(const uint8_t* at, const uint8_t* end);
    void LineEnd() {
        lineBytes_ = 0;
        itemsDone_ = false;
        odd_ = -1;
        lineStart_ = position_;
    }

    RecordStore::Filler& records_;
    int32_t& trigPos_;
    StampReader stamps_;
    int64_t position_;
    int64_t lineStart_;
    int64_t lineBytes_ = 0;  // bytes of the current line taken
    bool itemsDone_ = false;  // an end item came, or the line holds no items
    bool full_ = false;
    bool halted_ = false;
    bool afterCr_ = false;    // the last byte taken was a CR
    int odd_ = -1;            // the first byte of an item whose second is still to come
    double stamp_ = 0;
    char stampBytes_[kStampEnd] = {};
};

template <typename Pace>
size_t Ky2DataParser::Feed(const char* data, size_t size, Pace& pace, int64_t stopAt) {
    const char* at = data;
    const char* const end = data + size;
    halted_ = false;
    while (at < end && !full_) {
        const auto* lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (lf == nullptr) {
            Part(at, end);
            afterCr_ = end[-1] == '\r';
            at = end;
            break;
        }
        const bool lineEnds = lf > at ? lf[-1] == '\r' : afterCr_;
        Part(at, lf + 1);
        afterCr_ = false;
        at = lf + 1;
        if (!lineEnds) continue;
        LineEnd();
        pace.LineDone(position_);
        if (position_ >= stopAt || pace.Stopped()) {
            halted_ = true;
            break;
        }
    }
    return static_cast<size_t>(at - data);
}

}  // namespace store
