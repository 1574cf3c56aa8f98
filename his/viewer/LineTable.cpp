#include "LineTable.h"

namespace viewer {

void LineTable::Clear() {
    starts_.Clear();
    sdFirst_.Clear();
}

void LineTable::Build(const store::clsCommon& doc) {
    Clear();
    const store::RecordStore& records = doc.Records();
    const int32_t count = records.Count();
    starts_.Reserve(static_cast<size_t>(count));
    sdFirst_.Reserve(static_cast<size_t>(count));
    // Both bit sequences are gathered in a word of their own and stored a
    // word at a time.
    uint64_t startWord = 0, sdWord = 0;
    unsigned startFill = 0, sdFill = 0;
    // The record is the pair partner of the SD record before it. A Same
    // flag on the last record pairs with nothing: the loop ends there.
    bool partner = false;
    for (int32_t r = 0; r < count; ++r) {
        const uint8_t attr = records.Attr(r);
        if (!partner) {
            startWord |= uint64_t{1} << startFill;
            const bool rd = (attr & store::kAttrRd) != 0;
            sdWord |= static_cast<uint64_t>(!rd) << sdFill;
            if (++sdFill == 64) {
                sdFirst_.AppendBits(sdWord, 64);
                sdWord = 0;
                sdFill = 0;
            }
            partner = !rd && (attr & store::kAttrSame) != 0;
        } else {
            partner = false;
        }
        if (++startFill == 64) {
            starts_.AppendBits(startWord, 64);
            startWord = 0;
            startFill = 0;
        }
    }
    if (startFill > 0) starts_.AppendBits(startWord, startFill);
    if (sdFill > 0) sdFirst_.AppendBits(sdWord, sdFill);
    starts_.ShrinkToFit();
    sdFirst_.ShrinkToFit();
}

LineEntry LineTable::At(int32_t position) const {
    if (position < 0 || position >= Count()) return {};
    const auto first = static_cast<int32_t>(starts_.SelectOne(static_cast<size_t>(position)));
    if (!sdFirst_.Test(static_cast<size_t>(position))) return {-1, first};
    const auto next = static_cast<size_t>(first) + 1;
    const bool paired = next < starts_.Size() && !starts_.Test(next);
    return {first, paired ? first + 1 : -1};
}

int32_t LineTable::RecordToLine(int32_t record) const {
    if (record < 0 || static_cast<size_t>(record) >= starts_.Size()) return 0;
    return static_cast<int32_t>(starts_.Rank(static_cast<size_t>(record) + 1)) - 1;
}

int32_t LineTable::LineToRecord(int32_t position, int16_t kind) const {
    if (position < 0 || position >= Count()) return -1;
    const LineEntry e = At(position);
    if (kind == kKindSd) return e.Sd;
    if (kind == kKindRd) return e.Rd;
    return e.Sd != -1 ? e.Sd : e.Rd;
}

}  // namespace viewer
