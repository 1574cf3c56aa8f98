// Walks the records of a listing into data lines of slots, the one layout
// the printed listing and the standard HTML share: ten bytes a line (five
// with character times), one row for SD-only or RD-only lines, two rows S
// and R for DUAL lines, where an SD record that arrived together with the
// next record shares its column with it.
//
// Slots 0-9 hold byte texts (with character times: time texts in the even
// slots, byte texts in the odd ones), slots 10-19 the display texts. It
// keeps one line in memory, whatever the length of the history.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ReportOptions.h"
#include "clsCommon.h"

namespace reports {

inline constexpr int kSlotCount = 20;
inline constexpr int kCodeSlot = 10;  // first display slot

struct SlotRow {
    // Empty: nothing in that slot.
    std::array<std::string, kSlotCount> Slot;
    // The byte behind display slot 10 + k, -1 where none; codes 6 and 7
    // render these as a whole line.
    std::array<int16_t, kSlotCount - kCodeSlot> CodeByte;
    std::array<bool, kSlotCount - kCodeSlot> CodeJis7;

    SlotRow() { Clear(); }
    void Clear();
    bool Empty() const;
};

struct SlotLine {
    int32_t Number = 0;  // data lines (DUAL: line pairs) from 1
    SlotRow S;           // SD-only, RD-only and the S row of DUAL
    SlotRow R;           // the R row of DUAL

    void Clear();
};

class ListingWalker {
public:
    // control may be null. The history must outlive the walker.
    ListingWalker(const store::clsCommon& doc, const ReportOptions& opts, ReportControl* control);

    // The next data line; false when the listing is over. The last line
    // may be partly filled.
    bool Next(SlotLine& line);
    // The record the walk has reached.
    int32_t Record() const { return record_; }
    const RecordSpan& Span() const { return span_; }
    // The control asked the walk to stop.
    bool Stopped() const { return stopped_; }

private:
    struct Rec {
        int16_t data = 0, same = 0, ch = 0, jis7 = 0, trig = 0, parity = 0, over = 0, flam = 0;
        int16_t timIndex = -1, timValue = 0;
    };
    bool Read(int32_t record, Rec& rec) const;
    // Puts a record at position p of row; withTime adds its time text.
    void Put(SlotRow& row, const Rec& rec, bool withTime) const;
    // One record (and its partner); false when the walk is over.
    bool Visit(SlotLine& line);

    const store::clsCommon& doc_;
    ReportOptions opts_;
    ReportControl* control_;
    RecordSpan span_;
    int16_t captureMode_;
    int32_t record_;
    int32_t lineNumber_ = 0;
    int p_ = 0;
    bool filled_ = false;
    bool done_ = false;
    bool stopped_ = false;
};

}  // namespace reports
