// The KY2 history a conversion reads: its header, then its characters in
// file order, and at the end the first data line of the following part of
// the capture's chain, which completes a record that crossed the file
// limit.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "FrameFileHeader.h"
#include "his/store/LineReader.h"

namespace frames {

// One captured character as the conversion sees it.
struct SourceChar {
    uint8_t attr = 0;  // the data unit's attribute byte, bit 7 set
    uint8_t data = 0;
    // The character time before it: range code in bits 10-12, value in
    // bits 0-9. A character without a time word of its own has 0, or the
    // time of the character before when that one carried the Same flag.
    uint16_t timeField = 0;
    double date = 0;  // the time stamp of its data line
};

class Ky2Source {
public:
    // False when the file cannot be read or its first line, up to a comma,
    // does not hold the KY2 magic text.
    bool Open(const std::string& path);
    // Reads header lines 2 to 7 into the part and monitor records. The
    // following part is looked up as the history store finds it; the part
    // record names it (or nothing).
    void HeaderRead(PartRecord& part, MonitorRecord& monitor);

    // The next character; false once the source is exhausted.
    bool Next(SourceChar& c) {
        while (true) {
            if (pos_ + 1 >= line_.size()) {
                if (!DataLineNext()) return false;
                continue;
            }
            const auto first = static_cast<uint8_t>(line_[pos_]);
            if (first & 0x80) {
                UnitTake(c, first);
                return true;
            }
            // A time word belonging to no character of this line is passed
            // over; an end byte ends the line's stream.
            pos_ = (first & 0x40) ? pos_ + 2 : line_.size();
        }
    }

    int64_t Length() const { return length_; }
    // How far the source has been read, within Length().
    int64_t Position() const;
    // A read error ended the source early.
    bool Failed() const;
    const std::string& FollowPart() const { return followPart_; }

private:
    void UnitTake(SourceChar& c, uint8_t attr) {
        c.attr = attr;
        c.data = static_cast<uint8_t>(line_[pos_ + 1]);
        pos_ += 2;
        if (pos_ + 1 < line_.size() && (static_cast<uint8_t>(line_[pos_]) & 0xC0) == 0x40) {
            time_ = static_cast<uint16_t>((static_cast<uint8_t>(line_[pos_]) & 0x1F) << 8 |
                                          static_cast<uint8_t>(line_[pos_ + 1]));
            pos_ += 2;
        } else if (!lastSame_) {
            time_ = 0;
        }
        lastSame_ = (attr & 0x01) != 0;
        c.timeField = time_;
        c.date = date_;
    }
    bool DataLineNext();
    bool FollowPartOpen();

    std::string path_;
    std::unique_ptr<store::LineReader> in_;
    int64_t length_ = 0;
    std::string followPart_;
    bool inFollowPart_ = false;
    bool followLineTaken_ = false;
    bool failed_ = false;
    bool exhausted_ = false;

    std::string line_;
    size_t pos_ = 0;
    double date_ = 0;
    uint16_t time_ = 0;
    bool lastSame_ = false;
};

}  // namespace frames
