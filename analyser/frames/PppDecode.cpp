#include "PppDecode.h"

#include <algorithm>
#include <cstdint>

namespace frames {

namespace {

constexpr uint8_t kFlag = 0x7E;
constexpr uint8_t kEscape = 0x7D;
constexpr uint8_t kAllStations = 0xFF;
// The FCS and the closing flag, which the information never reaches into.
constexpr size_t kTrailer = 3;

class PppReader {
public:
    PppReader(std::string_view data, std::string* restored) : data_(data), restored_(restored) {}

    bool Get(bool escaped, uint8_t& out) {
        if (pos_ >= data_.size()) return false;
        auto b = static_cast<uint8_t>(data_[pos_++]);
        if (escaped && b == kEscape) {
            if (pos_ >= data_.size()) return false;
            b = static_cast<uint8_t>(static_cast<uint8_t>(data_[pos_]) ^ 0x20);
            if (restored_ != nullptr) (*restored_)[pos_] = static_cast<char>(b);
            ++pos_;
        }
        out = b;
        return true;
    }
    bool BeforeTrailer() const { return pos_ + kTrailer < data_.size(); }

private:
    std::string_view data_;
    std::string* restored_;
    size_t pos_ = 0;
};

void Set(DecodedItem& item, uint8_t byte) {
    item.text.assign(1, static_cast<char>(byte));
    item.value = byte;
}

void Append(DecodedItem& item, uint8_t byte) {
    item.text.push_back(static_cast<char>(byte));
    item.value = BytesToDouble(item.text);
}

}  // namespace

void PppFieldsDecode(std::string_view data, int itemCount, std::vector<DecodedItem>& items,
                     std::string* restored) {
    items.assign(static_cast<size_t>(std::max(itemCount, 0)), DecodedItem{});
    if (restored != nullptr) restored->assign(data);
    if (itemCount < kPppItemCount) return;
    PppReader in(data, restored);
    uint8_t b = 0;
    if (!in.Get(false, b) || b != kFlag) return;
    Set(items[0], b);
    if (!in.Get(true, b)) return;
    if (b == kAllStations) {
        Set(items[1], b);
        if (!in.Get(true, b)) return;
        Set(items[2], b);
        if (!in.Get(true, b)) return;
    }
    Set(items[3], b);
    if ((b & 1) == 0) {
        if (!in.Get(true, b)) return;
        Append(items[3], b);
    }
    // The information's value is never asked for: its bytes are the point.
    while (in.BeforeTrailer() && in.Get(true, b)) items[4].text.push_back(static_cast<char>(b));
    for (int i = 0; i < 2; ++i) {
        if (!in.Get(false, b)) return;
        Append(items[5], b);
    }
    if (in.Get(false, b)) Set(items[6], b);
}

std::string PppDataOrg(std::string_view restored) {
    std::string org;
    org.reserve(restored.size());
    const size_t keepFrom = restored.size() > 4 ? restored.size() - 4 : 0;
    for (size_t i = 0; i < restored.size(); ++i) {
        if (i < keepFrom && static_cast<uint8_t>(restored[i]) == kEscape) continue;
        org.push_back(restored[i]);
    }
    return org;
}

}  // namespace frames
