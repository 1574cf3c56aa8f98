// The LAN packet parser over any byte stream. Properties: the packets do
// not depend on how the stream was cut into receives; no packet is longer
// than the largest payload; what is held between receives stays within its
// bounds; and the packets, written out again, parse back to themselves.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "LanFrame.h"

namespace {

using portello::LanFrameParser;
namespace lan = portello::lan;

struct Packet {
    uint16_t command;
    std::vector<uint8_t> payload;
    bool operator==(const Packet&) const = default;
};

std::vector<Packet> Parse(const uint8_t* data, size_t size, size_t piece) {
    LanFrameParser parser;
    std::vector<Packet> packets;
    const auto sink = [&](uint16_t command, const uint8_t* payload, size_t length) {
        if (length > lan::kMaxPayload) std::abort();
        packets.push_back({command, std::vector<uint8_t>(payload, payload + length)});
    };
    for (size_t at = 0; at < size; at += piece) {
        const size_t n = size - at < piece ? size - at : piece;
        parser.Feed(data + at, n, sink);
        if (parser.Held() > lan::kParseBufferSize) std::abort();
        if (!parser.HeaderFound() && parser.Held() >= lan::kHeaderSize) std::abort();
        if (parser.HeaderFound() && parser.Held() >= lan::kMaxPayload) std::abort();
    }
    return packets;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the size of the receives.
    const size_t piece = 1 + data[0] % 97;
    ++data;
    --size;
    const std::vector<Packet> whole = Parse(data, size, size == 0 ? 1 : size);
    if (Parse(data, size, piece) != whole) std::abort();

    std::vector<uint8_t> again;
    for (const Packet& p : whole) {
        const lan::Bytes frame = lan::Frame(p.command, p.payload.data(), p.payload.size());
        again.insert(again.end(), frame.begin(), frame.end());
    }
    if (Parse(again.data(), again.size(), again.empty() ? 1 : again.size()) != whole) std::abort();
    return 0;
}
