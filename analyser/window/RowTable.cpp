#include "RowTable.h"

#include <utility>

namespace analyser {

void RowTable::Reset(const RowTableSource* source, std::unique_ptr<FrameNamer> namer,
                     FrameViewCode code) {
    source_ = source;
    namer_ = std::move(namer);
    code_ = code;
    count_ = source ? source->FrameCount() : 0;
    cache_.clear();
}

void RowTable::Recaption(FrameViewCode code) {
    namer_.reset();
    code_ = code;
    cache_.clear();
}

void RowTable::Clear() { Reset(nullptr, nullptr, code_); }

RowEntry RowTable::Entry(int32_t frame) const {
    if (!Holds(frame)) return {};
    if (const auto it = cache_.find(frame); it != cache_.end()) return it->second;
    if (cache_.size() >= kCacheLimit) cache_.clear();
    return cache_.emplace(frame, Make(frame)).first->second;
}

RowEntry RowTable::Make(int32_t frame) const {
    RowEntry e;
    if (namer_) {
        LinkRowInfo row = namer_->Row(frame);
        e.Caption = std::move(row.Name);
        e.Direction = static_cast<int16_t>(row.Direction);
        e.Colour = row.Colour;
        return e;
    }
    e.Caption = fBytesToText(source_->FrameBytes(frame), code_);
    e.Direction = static_cast<int16_t>(source_->FrameLine(frame) + 1);
    e.Colour = kSysWindowText;
    return e;
}

std::string RowTable::CommentL(int32_t frame) const {
    return Holds(frame) ? source_->Comment(0, frame) : std::string();
}

std::string RowTable::CommentR(int32_t frame) const {
    return Holds(frame) ? source_->Comment(1, frame) : std::string();
}

}  // namespace analyser
