#include "LanFrame.h"

#include <algorithm>
#include <cstring>

namespace portello {

namespace lan {

namespace {

void PutU16(Bytes& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

Bytes Frame(uint16_t command, const uint8_t* payload, size_t length) {
    Bytes out(kMarker.begin(), kMarker.end());
    out.reserve(kHeaderSize + length);
    PutU16(out, command);
    PutU16(out, static_cast<uint16_t>(length));
    if (length > 0) out.insert(out.end(), payload, payload + length);
    return out;
}

Bytes LineSetupFrame(uint32_t baud) {
    const uint8_t payload[8] = {
        static_cast<uint8_t>(baud & 0xFF),         static_cast<uint8_t>((baud >> 8) & 0xFF),
        static_cast<uint8_t>((baud >> 16) & 0xFF), static_cast<uint8_t>(baud >> 24),
        8, 'N', 1, 1,
    };
    return Frame(kLineSetup, payload, sizeof payload);
}

Bytes ModemControlFrame(int32_t dtrOn) {
    const uint8_t payload[6] = {1, static_cast<uint8_t>(dtrOn != 0 ? 1 : 0), 0xFF, 0xFF, 0xFF, 0xFF};
    return Frame(kModemControl, payload, sizeof payload);
}

}  // namespace lan

void LanFrameParser::Feed(const uint8_t* data, size_t size, const Sink& sink) {
    while (size > 0) {
        const size_t piece = std::min(size, lan::kReceiveChunk);
        Append(data, piece);
        data += piece;
        size -= piece;
        while (FindHeader() && TakeFrame(sink)) {
        }
    }
}

// Between two receives at most a payload short of one byte, or seven bytes
// of a possible marker, are held, so a receive always fits.
void LanFrameParser::Append(const uint8_t* data, size_t size) {
    if (held_ + size > buffer_.size()) Drop(held_ + size - buffer_.size());
    std::memcpy(buffer_.data() + held_, data, size);
    held_ += size;
}

bool LanFrameParser::FindHeader() {
    if (headerFound_) return true;
    for (;;) {
        if (held_ < lan::kHeaderSize) return false;
        const uint8_t* begin = buffer_.data();
        const uint8_t* last = begin + (held_ - lan::kHeaderSize);
        const uint8_t* hit = std::search(begin, last + lan::kMarker.size(), lan::kMarker.begin(),
                                         lan::kMarker.end());
        if (hit > last) {
            Drop(held_ - (lan::kHeaderSize - 1));
            return false;
        }
        const size_t at = static_cast<size_t>(hit - begin);
        const uint16_t length = lan::GetU16(hit + 6);
        if (length > lan::kMaxPayload) {
            // No packet is that long: this marker was noise.
            ++oversized_;
            Drop(at + 1);
            continue;
        }
        command_ = lan::GetU16(hit + 4);
        length_ = length;
        Drop(at + lan::kHeaderSize);
        headerFound_ = true;
        return true;
    }
}

bool LanFrameParser::TakeFrame(const Sink& sink) {
    if (!headerFound_ || held_ < length_) return false;
    sink(command_, buffer_.data(), length_);
    headerFound_ = false;
    Drop(length_);
    return true;
}

void LanFrameParser::Drop(size_t count) {
    count = std::min(count, held_);
    std::memmove(buffer_.data(), buffer_.data() + count, held_ - count);
    held_ -= count;
}

}  // namespace portello
