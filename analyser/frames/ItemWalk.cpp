#include "ItemWalk.h"

#include <algorithm>
#include <cmath>

#include "clsFrameConfig.h"

namespace frames {

namespace {

// A variable size comes from a length value, which a hostile file can make
// as large as a double gets; no frame is ever that long.
constexpr double kMaxBits = 1e15;

int64_t WholeBits(double bits) { return static_cast<int64_t>(std::nearbyint(std::min(bits, kMaxBits))); }

}  // namespace

double BytesToDouble(std::string_view bytes) {
    if (bytes.size() >= 8) return 0;
    uint64_t value = 0;
    for (const char b : bytes) value = (value << 8) | static_cast<unsigned char>(b);
    return static_cast<double>(value);
}

bool ItemFieldsDecode(std::string_view data, const clsFrameConfig& config, std::vector<DecodedItem>& items) {
    const int count = std::max<int>(config.ItemMax(), 0);
    items.assign(static_cast<size_t>(count), DecodedItem{});
    // For an item that later items name as their span: the bit positions of
    // the frame it still covers.
    std::vector<double> spanRest(static_cast<size_t>(count), 0.0);
    size_t pos = 0;
    int bitOffset = 0;
    bool ok = true;
    for (int k = 0; k < count; ++k) {
        const FrameItem& item = config.Item(k);
        const int span = item.span;
        const bool covered = span >= 1 && span - 1 < k;
        int64_t size = item.size;
        if (covered) {
            const double rest = spanRest[static_cast<size_t>(span - 1)];
            if (rest <= 0) continue;  // nothing left of its length: an empty item
            if (size == 0) {
                size = WholeBits(rest);
                for (int i = k + 1; i < count; ++i) {
                    if (config.Item(i).span == span) size = std::max<int64_t>(size - config.Item(i).size, 0);
                }
            }
        }
        DecodedItem& out = items[static_cast<size_t>(k)];
        int64_t total = size + bitOffset;
        for (int64_t left = (total + 7) / 8; left > 0; --left) {
            if (pos >= data.size()) {
                ok = false;
                break;
            }
            auto byte = static_cast<uint8_t>(static_cast<uint8_t>(data[pos]) & LowBitMask(bitOffset));
            if (total < 8) {
                byte &= HighBitMask(static_cast<int>(total));
                bitOffset = static_cast<int>(total);
                total = 0;
            } else {
                total -= 8;
                bitOffset = 0;
            }
            out.text.push_back(static_cast<char>(byte));
            if (bitOffset == 0) ++pos;
        }
        out.value = BytesToDouble(out.text);
        if (bitOffset >= 1) out.value /= static_cast<double>(1 << (8 - bitOffset));
        double& own = spanRest[static_cast<size_t>(k)];
        own = item.type == kItemLength ? item.unit * out.value * 8 + own : out.value * 8;
        if (span >= 1 && span - 1 < count) spanRest[static_cast<size_t>(span - 1)] -= static_cast<double>(size);
    }
    return ok;
}

}  // namespace frames
