#include "HistoryPrinting.h"

#include "platform/ui/Printer.h"
#include "platform/ui/Yielder.h"
#include "platform/ui/frmPrinting.h"

namespace reports::ui {

namespace {

// The listing's lines go to the printer in character cells: 80 of them a
// line, six in from the left edge.
constexpr double kLeftMargin = -6;
constexpr double kFontSize = 10;

// Before each record: a turn for the window system (its cancel button),
// then the cancel flag.
class CancelControl final : public ReportControl {
public:
    explicit CancelControl(const int16_t* cancelled) : cancelled_(cancelled) {}
    bool Proceed(int32_t) override {
        yielder_.Yield();
        return cancelled_ == nullptr || *cancelled_ == 0;
    }

private:
    const int16_t* cancelled_;
    platform::Yielder yielder_;
};

}  // namespace

void PrinterSink::PrintLine(const std::string& text) { printer_.Print(text); }
void PrinterSink::NewPage() { printer_.NewPage(); }
int PrinterSink::Page() const { return printer_.Page(); }

PrintOutcome HistoryPrint(const PrintJob& job) {
    PrintOutcome outcome;
    if (job.Doc == nullptr) return outcome;
    platform::Printer printer;
    printer.ScaleMode(platform::Printer::Scale::Characters);
    printer.ScaleLeft(kLeftMargin);
    printer.ScaleTop(0);
    printer.FontSize(kFontSize);
    printer.FontName(job.FontName);
    if (!printer.StartDoc(job.PdfPath)) {
        outcome.Error = printer.Error();
        return outcome;
    }
    outcome.Started = true;
    if (job.DialogCancelled != nullptr) *job.DialogCancelled = 0;
    platform::frmPrinting form(job.Owner, printer.Page());
    form.OnCancel = [&job] {
        if (job.DialogCancelled != nullptr) *job.DialogCancelled = -1;
    };
    if (job.Place) job.Place(&form);
    form.show();
    PrinterSink sink(printer);
    CancelControl control(job.DialogCancelled);
    outcome.Completed = ListingPrint(*job.Doc, job.Options, sink, &control,
                                     [&form](int page) { form.PageShow(page); });
    if (!printer.EndDoc()) outcome.Error = printer.Error();
    return outcome;
}

}  // namespace reports::ui
