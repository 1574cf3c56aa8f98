// The LAN packet format that carries the unit's line over TCP, and the
// parser that cuts a received byte stream back into packets.
//
// Every packet, in both directions, is little-endian: the marker 00 00 01 00,
// a 16-bit command, a 16-bit payload length, then the payload.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace portello {

namespace lan {

constexpr std::array<uint8_t, 4> kMarker = {0x00, 0x00, 0x01, 0x00};
constexpr size_t kHeaderSize = 8;
constexpr size_t kMaxPayload = 1024;  // the largest payload either side sends
constexpr size_t kReceiveChunk = 1024;
// A receive of kReceiveChunk bytes always fits behind what a partly
// assembled packet holds.
constexpr size_t kParseBufferSize = 2058;
constexpr size_t kLineStatusSize = 6;

// Commands to the unit.
constexpr uint16_t kLineSetup = 3;
constexpr uint16_t kModemControl = 4;
constexpr uint16_t kDataOut = 5;
// Commands from the unit.
constexpr uint16_t kLineStatus = 260;
constexpr uint16_t kDataIn = 261;

// Line-status bytes that carry the modem lines.
constexpr size_t kStatusDsr = 2;
constexpr size_t kStatusCts = 3;

using Bytes = std::vector<uint8_t>;

// One packet: header and payload. The payload length must not exceed 65,535.
Bytes Frame(uint16_t command, const uint8_t* payload, size_t length);
// The line set-up sent once the connection stands: the baud rate, 8 data
// bits, no parity, one stop bit.
Bytes LineSetupFrame(uint32_t baud);
// DTR on (non-zero) or off.
Bytes ModemControlFrame(int32_t dtrOn);

}  // namespace lan

// Cuts a byte stream into packets. Bytes before a marker are skipped; a
// header whose length no packet can have is skipped too, and the search
// goes on from the byte after its marker's first, so a stream that lost its
// place finds the next packet. Not thread-safe: one reader owns it.
class LanFrameParser {
public:
    // Called once per complete packet, in order; the payload is valid only
    // during the call.
    using Sink = std::function<void(uint16_t command, const uint8_t* payload, size_t length)>;

    // Takes bytes of any count, in pieces of at most one receive, and hands
    // every packet they complete to the sink.
    void Feed(const uint8_t* data, size_t size, const Sink& sink);

    size_t Held() const { return held_; }
    bool HeaderFound() const { return headerFound_; }
    // Packet headers dropped for a length beyond the largest payload.
    uint64_t OversizedHeaders() const { return oversized_; }

private:
    void Append(const uint8_t* data, size_t size);
    bool FindHeader();
    bool TakeFrame(const Sink& sink);
    void Drop(size_t count);

    std::array<uint8_t, lan::kParseBufferSize> buffer_{};
    size_t held_ = 0;
    bool headerFound_ = false;
    uint16_t command_ = 0;
    uint16_t length_ = 0;
    uint64_t oversized_ = 0;
};

}  // namespace portello
