#include "ReportOptions.h"

#include <algorithm>

namespace reports {

ReportOptions OptionsOf(const viewer::ViewerState& st) {
    ReportOptions opts;
    opts.DspLine = st.DspLine;
    opts.DspCode = st.DspCode;
    opts.MarkBegin = st.MarkBegin;
    opts.MarkEnd = st.MarkEnd;
    opts.PrintRange = st.PrintRange;
    opts.PrintCharTime = st.PrintCharTime;
    return opts;
}

RecordSpan SpanOf(const store::clsCommon& doc, const ReportOptions& opts) {
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    RecordSpan span{0, total - 1};
    if (opts.PrintRange) {
        if (opts.MarkBegin < 0 || opts.MarkEnd < 0) return RecordSpan{};
        // The walk also ends at the first record the history refuses.
        span = RecordSpan{opts.MarkBegin, std::min(opts.MarkEnd, total - 1)};
    }
    return span;
}

}  // namespace reports
