// One print run of the history listing on the current printer, with the
// printing progress window: started, printed page by page while the
// window system keeps running, ended (a cancelled run still ends the
// document, so the pages printed so far come out).
#pragma once

#include <functional>
#include <string>

#include "PrnCode.h"
#include "ReportOptions.h"
#include "clsCommon.h"

class QWidget;

namespace platform {
class Printer;
class frmPrinting;
}

namespace reports::ui {

struct PrintOutcome {
    bool Started = false;    // a document was opened on the printer
    bool Completed = false;  // every record was printed (not cancelled)
    int Error = 0;           // errno of a PDF file failure, -1 a printer failure
};

struct PrintJob {
    const store::clsCommon* Doc = nullptr;
    ReportOptions Options;
    std::string FontName;  // the print dialog's font
    std::string PdfPath;   // where the PDF goes when the current printer is the PDF file
    QWidget* Owner = nullptr;  // disabled while the progress window is up
    // Places the progress window against its owner once it is sized.
    std::function<void(platform::frmPrinting*)> Place;
    // Set true by the progress window's cancel.
    int16_t* DialogCancelled = nullptr;
};

PrintOutcome HistoryPrint(const PrintJob& job);

// The listing's lines on a printer, one printed line each.
class PrinterSink final : public ListingSink {
public:
    explicit PrinterSink(platform::Printer& printer) : printer_(printer) {}
    void PrintLine(const std::string& text) override;
    void NewPage() override;
    int Page() const override;

private:
    platform::Printer& printer_;
};

}  // namespace reports::ui
