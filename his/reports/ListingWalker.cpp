#include "ListingWalker.h"

#include "ListingTexts.h"
#include "SharedFunctions.h"

namespace reports {

void SlotRow::Clear() {
    for (std::string& s : Slot) s.clear();
    CodeByte.fill(-1);
    CodeJis7.fill(false);
}

bool SlotRow::Empty() const {
    for (const std::string& s : Slot) {
        if (!s.empty()) return false;
    }
    return true;
}

void SlotLine::Clear() {
    S.Clear();
    R.Clear();
}

ListingWalker::ListingWalker(const store::clsCommon& doc, const ReportOptions& opts,
                             ReportControl* control)
    : doc_(doc),
      opts_(opts),
      control_(control),
      span_(SpanOf(doc, opts)),
      captureMode_(doc.DspMode()),
      record_(span_.First) {}

bool ListingWalker::Read(int32_t record, Rec& r) const {
    if (!doc_.GetDataAtInf(record, r.data, r.same, r.ch, r.jis7, r.trig, r.parity, r.over, r.flam)) {
        return false;
    }
    if (!doc_.GetDataTimInf(record, r.timIndex, r.timValue)) r.timIndex = -1;
    return true;
}

void ListingWalker::Put(SlotRow& row, const Rec& rec, bool withTime) const {
    const bool times = opts_.PrintCharTime;
    const int byteSlot = times ? p_ + 1 : p_;
    const int codePos = times ? p_ / 2 : p_;
    if (times && withTime) row.Slot[static_cast<size_t>(p_)] = PrnTimeSet(rec.timIndex, rec.timValue);
    row.Slot[static_cast<size_t>(byteSlot)] = store::GetHexErrText(rec.data, rec.parity, rec.over, rec.flam);
    row.CodeByte[static_cast<size_t>(codePos)] = rec.data;
    row.CodeJis7[static_cast<size_t>(codePos)] = rec.jis7 == 1;
    if (!IsLineCode(opts_.DspCode)) {
        row.Slot[static_cast<size_t>(kCodeSlot + codePos)] =
            " " + MoniCodeCheck(rec.data, rec.jis7, opts_.DspCode, captureMode_);
    }
}

bool ListingWalker::Visit(SlotLine& line) {
    if (record_ > span_.Last) return false;
    if (control_ != nullptr && !control_->Proceed(record_)) {
        stopped_ = true;
        return false;
    }
    Rec rec;
    if (!Read(record_, rec)) return false;
    ++record_;
    const bool dual = opts_.DspLine == viewer::kLineDual;
    if (!dual && rec.ch + 1 != opts_.DspLine) return true;
    Put(dual && rec.ch == 1 ? line.R : line.S, rec, true);
    filled_ = true;
    if (dual && rec.ch == 0 && rec.same == 1) {
        // The record that arrived with it goes under it, without its time;
        // without one in the listing, the listing ends with this line.
        Rec partner;
        if (record_ > span_.Last || !Read(record_, partner)) return false;
        ++record_;
        Put(line.R, partner, false);
    }
    p_ += opts_.PrintCharTime ? 2 : 1;
    return true;
}

bool ListingWalker::Next(SlotLine& line) {
    if (done_) return false;
    line.Clear();
    p_ = 0;
    filled_ = false;
    line.Number = lineNumber_ + 1;
    while (p_ <= 9) {
        if (!Visit(line)) {
            done_ = true;
            if (filled_) ++lineNumber_;
            return filled_;
        }
    }
    ++lineNumber_;
    return true;
}

}  // namespace reports
