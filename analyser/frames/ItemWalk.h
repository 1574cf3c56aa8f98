// Dividing a frame's bytes into the items of a frame configuration.
//
// The item walk follows the item list bit by bit, most significant bit
// first: bit position 0 of an item is the highest bit of its first byte.
// An item's text is the bytes it touches with the bits of other items
// masked out; its value is the big-endian number of those bytes,
// right-aligned when the item ends inside a byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace frames {

class clsFrameConfig;

struct DecodedItem {
    std::string text;
    double value = 0;

    friend bool operator==(const DecodedItem&, const DecodedItem&) = default;
};

// Mask of the bit positions from n on (n 0 to 7), and of the first n.
constexpr uint8_t LowBitMask(int n) { return n >= 0 && n <= 7 ? static_cast<uint8_t>(0xFF >> n) : 0; }
constexpr uint8_t HighBitMask(int n) {
    return n >= 0 && n <= 7 ? static_cast<uint8_t>((0xFF00 >> n) & 0xFF) : 0;
}

// The big-endian unsigned value of up to 7 bytes; 0 for 8 or more.
double BytesToDouble(std::string_view bytes);

// Walks data (the frame's bytes, without the file's escapes) over the
// configuration's items; items receives one entry per item. False when the
// data ran out inside an item: that item keeps the bytes found, the later
// ones what is left for them.
bool ItemFieldsDecode(std::string_view data, const clsFrameConfig& config, std::vector<DecodedItem>& items);

}  // namespace frames
