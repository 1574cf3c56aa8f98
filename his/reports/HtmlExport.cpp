#include "HtmlExport.h"

#include <cerrno>
#include <optional>

#include "AtomicFile.h"
#include "HtmlDetail.h"
#include "HtmlStandard.h"
#include "HtmlText.h"

namespace reports {

namespace {

// How many records pass between two moves of the bar.
constexpr int32_t kBarStep = 1024;

}  // namespace

ProgressControl::ProgressControl(store::ProgressSink& sink, int32_t first, int32_t count,
                                 const std::string& title)
    : sink_(sink), first_(first) {
    sink_.Show(count, title);
}

ProgressControl::~ProgressControl() { sink_.Clear(); }

bool ProgressControl::Proceed(int32_t record) {
    const int32_t done = record - first_;
    if (done % kBarStep == 0) sink_.PosValue(done);
    sink_.Yield();
    return !sink_.Cancel();
}

HtmlResult HtmlExport(const store::clsCommon& doc, const std::string& path, HtmlForm form,
                      const ReportOptions& opts, store::ProgressSink* progress) {
    HtmlResult result;
    platform::AtomicFile file(path);
    HtmlLineWriter out(file);
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    const RecordSpan span = form == HtmlForm::Standard ? SpanOf(doc, opts) : RecordSpan{0, total - 1};
    std::optional<ProgressControl> control;
    if (progress != nullptr) control.emplace(*progress, span.First, span.Count(), kHtmlProgressTitle);
    ReportControl* ctl = control ? &*control : nullptr;
    bool complete = true;
    if (form == HtmlForm::Standard) {
        HtmlStandard standard(doc, opts, out, ctl);
        standard.HtmlHeadWrite(path);
        standard.HeadPrint();
        complete = standard.CodePrint();
        standard.HtmlEndWrite();
    } else {
        complete = HtmlDetailWrite(doc, out, false, 0, total - 1, ctl);
    }
    control.reset();
    if (!complete) {
        // The file is dropped unwritten: nothing appears under the name.
        result.Cancelled = true;
        return result;
    }
    if (!file.Commit()) result.Error = file.error() != 0 ? file.error() : EIO;
    return result;
}

}  // namespace reports
