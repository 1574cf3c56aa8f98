// Writing one HTML export file, standard or detailed, with progress and
// cancel. The file is written beside its target and takes its name only
// when complete: a failure keeps the old file, a cancel leaves none.
#pragma once

#include <cstdint>
#include <string>

#include "Progress.h"
#include "ReportOptions.h"
#include "clsCommon.h"

namespace reports {

// The save dialog's two file types, by their 1-based index.
enum class HtmlForm : int { Standard = 1, Detailed = 2 };

struct HtmlResult {
    bool Cancelled = false;
    int Error = 0;  // errno of a failed write, 0 otherwise
    bool Written() const { return !Cancelled && Error == 0; }
};

inline constexpr char kHtmlProgressTitle[] = "HTML形式で保存";

// The standard form covers the options' range; the detailed form always
// the whole history. progress may be null.
HtmlResult HtmlExport(const store::clsCommon& doc, const std::string& path, HtmlForm form,
                      const ReportOptions& opts, store::ProgressSink* progress);

// A control over a progress window: moves its bar now and then, lets the
// window system run, and stops when its cancel was pressed.
class ProgressControl final : public ReportControl {
public:
    // The bar runs over the records first..first + count - 1.
    ProgressControl(store::ProgressSink& sink, int32_t first, int32_t count, const std::string& title);
    ~ProgressControl() override;
    bool Proceed(int32_t record) override;

private:
    store::ProgressSink& sink_;
    int32_t first_;
};

}  // namespace reports
