#include "LanPackets.h"

#include <algorithm>

namespace unitsim {

namespace {

constexpr std::string_view kMarker {"\x00\x00\x01\x00", 4};

uint16_t U16At(const std::string& s, std::size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(s[at]) | (static_cast<uint8_t>(s[at + 1]) << 8));
}

void PutU16(std::string& s, uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}

}  // namespace

std::string EncodePacket(uint16_t command, std::string_view payload) {
    std::string out(kMarker);
    PutU16(out, command);
    PutU16(out, static_cast<uint16_t>(payload.size()));
    out += payload;
    return out;
}

std::vector<LanPacket> LanPacketReader::Feed(std::string_view bytes) {
    pending_ += bytes;
    std::vector<LanPacket> packets;
    std::size_t at = 0;
    for (;;) {
        const std::size_t start = pending_.find(kMarker, at);
        if (start == std::string::npos) {
            // A marker may begin in the last three bytes.
            at = pending_.size() - std::min(pending_.size() - at, kMarker.size() - 1);
            break;
        }
        if (pending_.size() - start < lan::kHeaderSize) {
            at = start;
            break;
        }
        const std::size_t length = U16At(pending_, start + 6);
        if (length > lan::kMaxPayload) {
            at = start + 1;
            continue;
        }
        if (pending_.size() - start < lan::kHeaderSize + length) {
            at = start;
            break;
        }
        LanPacket packet;
        packet.command = U16At(pending_, start + 4);
        packet.payload = pending_.substr(start + lan::kHeaderSize, length);
        packet.wire = pending_.substr(start, lan::kHeaderSize + length);
        packets.push_back(std::move(packet));
        at = start + lan::kHeaderSize + length;
    }
    pending_.erase(0, at);
    return packets;
}

}  // namespace unitsim
