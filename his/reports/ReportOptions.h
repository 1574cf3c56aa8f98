// What a printed listing or an HTML export is asked for: the viewer's line
// mode and display code, the marks, and the two choices of the print and
// export dialogs.
#pragma once

#include <cstdint>

#include "ViewerState.h"
#include "clsCommon.h"

namespace reports {

struct ReportOptions {
    int16_t DspLine = viewer::kLineDual;  // 0 DUAL, 1 SD, 2 RD
    int16_t DspCode = viewer::kCodeAscii;
    int32_t MarkBegin = -1;
    int32_t MarkEnd = -1;
    bool PrintRange = false;     // MarkBegin..MarkEnd only
    bool PrintCharTime = false;  // each byte with its character time
};

// The options as the viewer's state holds them.
ReportOptions OptionsOf(const viewer::ViewerState& st);

// The records a listing covers, both ends included: the marks with
// PrintRange, else the whole history. Empty (Last < First) for an empty
// history or a range without both marks.
struct RecordSpan {
    int32_t First = 0;
    int32_t Last = -1;
    int32_t Count() const { return Last >= First ? Last - First + 1 : 0; }
};
RecordSpan SpanOf(const store::clsCommon& doc, const ReportOptions& opts);

// Called before each record a long report visits, with the record's index:
// the place to yield to the window system and to poll a cancel button.
// False stops the report after the record in hand.
class ReportControl {
public:
    virtual ~ReportControl() = default;
    virtual bool Proceed(int32_t record) = 0;
};

}  // namespace reports
