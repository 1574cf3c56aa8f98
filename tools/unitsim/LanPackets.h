// The LAN packet format as the unit sees it: the marker 00 00 01 00, a
// 16-bit command, a 16-bit payload length, the payload; little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace unitsim {

namespace lan {

constexpr std::size_t kMaxPayload = 1024;
constexpr std::size_t kHeaderSize = 8;
// From the PC.
constexpr uint16_t kLineSetup = 3;
constexpr uint16_t kModemControl = 4;
constexpr uint16_t kDataOut = 5;
// To the PC.
constexpr uint16_t kLineStatus = 260;
constexpr uint16_t kDataIn = 261;
constexpr uint16_t kNotice = 273;  // the PC takes it and does nothing with it

// Six bytes: byte 2 is DSR, byte 3 CTS, each on when it is 1.
using LineStatus = std::array<uint8_t, 6>;
constexpr LineStatus kLinesOn = {0, 0, 1, 1, 0, 0};

}  // namespace lan

struct LanPacket {
    uint16_t command = 0;
    std::string payload;
    std::string wire;  // the packet's bytes as they came, header included
};

std::string EncodePacket(uint16_t command, std::string_view payload);

// Finds packets in what the PC sends; bytes outside a packet are skipped.
class LanPacketReader {
public:
    std::vector<LanPacket> Feed(std::string_view bytes);
    void Reset() { pending_.clear(); }

private:
    std::string pending_;
};

}  // namespace unitsim
