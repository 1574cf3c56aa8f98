#include "LineTable.h"

namespace viewer {

void LineTable::Clear() {
    entries_.clear();
    positionOf_.clear();
}

void LineTable::Build(const store::clsCommon& doc) {
    Clear();
    const int32_t count = doc.RecordCount();
    entries_.reserve(static_cast<size_t>(count));
    positionOf_.assign(static_cast<size_t>(count), -1);
    for (int32_t r = 0; r < count; ++r) {
        const store::HistoryRecord* rec = doc.Record(r);
        if (!rec) break;
        const auto position = static_cast<int32_t>(entries_.size());
        LineEntry& entry = entries_.emplace_back();
        positionOf_[static_cast<size_t>(r)] = position;
        if (rec->Flag(store::kAttrRd)) {
            entry.Rd = r;
            continue;
        }
        entry.Sd = r;
        // The pair partner only joins when it exists; a Same flag on the
        // last record pairs with nothing.
        if (rec->Flag(store::kAttrSame) && r + 1 < count) {
            entry.Rd = ++r;
            positionOf_[static_cast<size_t>(r)] = position;
        }
    }
}

LineEntry LineTable::At(int32_t position) const {
    if (position < 0 || position >= Count()) return {};
    return entries_[static_cast<size_t>(position)];
}

int32_t LineTable::RecordToLine(int32_t record) const {
    if (record < 0 || record >= static_cast<int32_t>(positionOf_.size())) return 0;
    const int32_t position = positionOf_[static_cast<size_t>(record)];
    return position < 0 ? 0 : position;
}

int32_t LineTable::LineToRecord(int32_t position, int16_t kind) const {
    if (position < 0 || position >= Count()) return -1;
    const LineEntry& e = entries_[static_cast<size_t>(position)];
    if (kind == kKindSd) return e.Sd;
    if (kind == kKindRd) return e.Rd;
    return e.Sd != -1 ? e.Sd : e.Rd;
}

}  // namespace viewer
