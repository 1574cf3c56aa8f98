#include "BitPicture.h"

#include <algorithm>

#include "his/store/LooseValue.h"
#include "platform/text/Rounding.h"

namespace analyser::editors {

namespace {

int64_t SizeNumber(const std::string& text) {
    const auto value = store::LooseValue(text).AsNumber();
    if (!value) return 0;
    const double rounded = platform::BankersRound(*value);
    // No item reaches past what the file format could ever hold.
    return static_cast<int64_t>(std::clamp(rounded, 0.0, 1e12));
}

}  // namespace

BitPicture::BitPicture(const ItemTable& items, int width) : width_(IsWidth(width) ? width : 16) {
    for (int n = 1; n <= items.Count(); ++n) {
        const ItemRow& item = items.Row(n);
        int64_t length = 0;
        if (item.unit == kUnitVariable) {
            length = width_ - total_ % width_;
        } else if (item.size.empty()) {
            break;
        } else if (item.unit == kUnitBit) {
            length = SizeNumber(item.size);
        } else {
            length = SizeNumber(item.size) * 8;
        }
        if (length > 0) runs_.push_back({total_, length, item.name});
        total_ += length;
    }
}

int64_t BitPicture::Rows() const { return kHeadingRows + (total_ + width_ - 1) / width_; }

const BitPicture::Run* BitPicture::RunAt(int64_t position) const {
    auto after = std::upper_bound(runs_.begin(), runs_.end(), position,
                                  [](int64_t p, const Run& run) { return p < run.first; });
    if (after == runs_.begin()) return nullptr;
    const Run& run = *(after - 1);
    return position < run.first + run.length ? &run : nullptr;
}

std::string BitPicture::Cell(int64_t row, int col) const {
    if (col < 0 || col >= width_ || row < 0 || row >= Rows()) return {};
    if (row == 0) return std::to_string(col / 8);
    if (row == 1) return std::to_string(col);
    const Run* run = RunAt((row - kHeadingRows) * width_ + col);
    return run != nullptr ? run->name : std::string();
}

std::vector<BitPicture::Segment> BitPicture::RowSegments(int64_t row) const {
    std::vector<Segment> segments;
    if (row < 0 || row >= Rows()) return segments;
    for (int col = 0; col < width_; ++col) {
        std::string text = Cell(row, col);
        if (!segments.empty() && !text.empty() && segments.back().text == text) {
            ++segments.back().span;
        } else {
            segments.push_back({col, 1, std::move(text)});
        }
    }
    return segments;
}

}  // namespace analyser::editors
