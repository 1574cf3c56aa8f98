#include "clsLink.h"

#include <algorithm>
#include <new>

#include "clsProtocol.h"
#include "his/store/LooseValue.h"

namespace frames {

namespace {

// Characters that would end a field or a line of the file.
std::string WithoutSeparators(std::string_view name) {
    std::string kept;
    kept.reserve(name.size());
    for (const char c : name) {
        if (c != '\r' && c != '\n' && c != '\x01') kept.push_back(c);
    }
    return kept;
}

bool IsIndex(int vIndex, size_t size) { return vIndex >= 0 && static_cast<size_t>(vIndex) < size; }

}  // namespace

void clsLink::Mode(int32_t vMode) {
    mode_ = vMode == 2 ? 2 : 1;
    matchedFrame_ = -1;
}

void clsLink::ListIndex(int32_t vIndex) {
    if (mode_ == 1 && vIndex > table_.linkMax) return;
    listIndex_ = vIndex;
}

void clsLink::LinkMax(int32_t rows) { CountSet(table_.linkMax, rows); }

void clsLink::ItemMax(int16_t columns) { CountSet(table_.itemMax, columns); }

template <typename T>
void clsLink::CountSet(T& count, T value) {
    if (mode_ == 2 || value < 1 || value == count) return;
    const T old = count;
    count = value;
    try {
        TableResize();
    } catch (const std::bad_alloc&) {
        count = old;  // a size nobody could edit: the table stays
    }
}

void clsLink::TableResize() {
    if (table_.linkMax == 0 || table_.itemMax == 0) return;
    LinkRow empty;
    empty.codes.assign(static_cast<size_t>(table_.itemMax), 0.0);
    std::vector<LinkRow> rows(static_cast<size_t>(table_.linkMax), empty);
    table_.positions.assign(static_cast<size_t>(table_.itemMax), 0);
    table_.rows = std::move(rows);
    matchedFrame_ = -1;
}

int16_t clsLink::Position(int vIndex) const {
    if (mode_ != 1 || vIndex >= table_.itemMax || !IsIndex(vIndex, table_.positions.size())) return -1;
    return table_.positions[static_cast<size_t>(vIndex)];
}

void clsLink::Position(int vIndex, int16_t position) {
    if (mode_ != 1 || vIndex >= table_.itemMax || !IsIndex(vIndex, table_.positions.size())) return;
    table_.positions[static_cast<size_t>(vIndex)] = position;
}

LinkRow* clsLink::EditedRow() {
    if (mode_ != 1 || !IsIndex(listIndex_, table_.rows.size())) return nullptr;
    return &table_.rows[static_cast<size_t>(listIndex_)];
}

double clsLink::ObjectCode(int vIndex) const {
    if (mode_ != 1 || vIndex >= table_.itemMax) return kAnyCode;
    const LinkRow* row = CurrentRow();
    if (row == nullptr || !IsIndex(vIndex, row->codes.size())) return kAnyCode;
    return row->codes[static_cast<size_t>(vIndex)];
}

void clsLink::ObjectCode(int vIndex, double code) {
    LinkRow* row = EditedRow();
    if (row == nullptr || vIndex >= table_.itemMax || !IsIndex(vIndex, row->codes.size())) return;
    row->codes[static_cast<size_t>(vIndex)] = code;
}

const LinkRow* clsLink::CurrentRow() const {
    if (listIndex_ < 0) return nullptr;
    if (mode_ == 1) {
        return IsIndex(listIndex_, table_.rows.size()) ? &table_.rows[static_cast<size_t>(listIndex_)] : nullptr;
    }
    const int row = MatchFrame(listIndex_);
    return row >= 0 ? &table_.rows[static_cast<size_t>(row)] : nullptr;
}

std::string clsLink::ItemName() const {
    const LinkRow* row = CurrentRow();
    return row ? row->name.Text() : std::string();
}

void clsLink::ItemName(std::string_view name) {
    if (LinkRow* row = EditedRow()) row->name = FileText::FromUtf8(WithoutSeparators(name));
}

int32_t clsLink::Direction() const {
    const LinkRow* row = CurrentRow();
    return row ? row->direction : 0;
}

void clsLink::Direction(int32_t direction) {
    if (LinkRow* row = EditedRow()) row->direction = direction;
}

int32_t clsLink::BackColor() const {
    const LinkRow* row = CurrentRow();
    return row ? row->color : 0;
}

void clsLink::BackColor(int32_t color) {
    if (LinkRow* row = EditedRow()) row->color = color;
}

bool clsLink::DataJoint(const clsProtocol& rclsPro) {
    if (rclsPro.FrameMax() == 0) return false;
    joined_ = &rclsPro;
    mode_ = 2;
    matchedFrame_ = -1;
    return true;
}

int clsLink::MatchFrame(int32_t frame) const {
    if (joined_ == nullptr || frame < 0 || frame >= joined_->FrameMax()) return -1;
    if (frame == matchedFrame_) return matchedRow_;
    const std::vector<DecodedItem>& items = joined_->FrameItems(frame);
    auto itemValue = [&items](int16_t position) {
        return IsIndex(position - 1, items.size()) ? items[static_cast<size_t>(position - 1)].value : 0.0;
    };
    matchedRow_ = -1;
    for (size_t r = 0; r < table_.rows.size() && matchedRow_ < 0; ++r) {
        const LinkRow& row = table_.rows[r];
        bool match = true;
        for (size_t k = 0; k < row.codes.size() && k < table_.positions.size() && match; ++k) {
            match = row.codes[k] == kAnyCode || row.codes[k] == itemValue(table_.positions[k]);
        }
        if (match) matchedRow_ = static_cast<int>(r);
    }
    matchedFrame_ = frame;
    return matchedRow_;
}

std::string clsLink::SelFind(std::string_view vBuff) const {
    if (vBuff.empty()) return {};
    std::vector<double> values;
    while (true) {
        const size_t comma = vBuff.find(',');
        if (values.size() < static_cast<size_t>(std::max<int16_t>(table_.itemMax, 0))) {
            const auto number = store::LooseValue(vBuff.substr(0, comma)).AsNumber();
            if (!number) return {};
            values.push_back(*number);
        }
        if (comma == std::string_view::npos) break;
        vBuff.remove_prefix(comma + 1);
    }
    for (const LinkRow& row : table_.rows) {
        bool match = true;
        for (size_t k = 0; k < values.size() && k < row.codes.size() && match; ++k) {
            match = row.codes[k] == kAnyCode || row.codes[k] == values[k];
        }
        if (match) return row.name.Text();
    }
    return {};
}

std::string clsLink::DirLinkName(int vIndex) const {
    return IsIndex(vIndex, dirNames_.size()) ? dirNames_[static_cast<size_t>(vIndex)].Text() : std::string();
}

std::string clsLink::DirLinkFileName(int vIndex) const {
    return IsIndex(vIndex, dirFiles_.size()) ? dirFiles_[static_cast<size_t>(vIndex)] : std::string();
}

}  // namespace frames
