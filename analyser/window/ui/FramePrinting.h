// One print run of the frame list on the current printer, with the
// printing progress window: started, printed row by row while the window
// system keeps running, ended. A cancelled run discards the document, so
// nothing is printed and no file is written. An empty list sends the
// header page alone, without the progress window.
#pragma once

#include <functional>
#include <string>

#include "clsprint.h"

class QWidget;

namespace platform {
class Printer;
class frmPrinting;
}

namespace analyser::ui {

// The design font of the printed list.
inline constexpr char kFramePrintFont[] = "MS GOTHIC";

struct FramePrintOutcome {
    bool Started = false;    // a document was opened on the printer
    bool Completed = false;  // every row was printed and the document ended
    bool Empty = false;      // the list was empty: the header page alone was sent
    int Error = 0;           // errno of a PDF file failure, -1 a printer failure
};

struct FramePrintRun {
    const FramePrintSource* Rows = nullptr;
    FramePrintJob Job;     // its page bottom is taken from the printer
    std::string PdfPath;   // where the PDF goes when the current printer is the PDF file
    QWidget* Owner = nullptr;  // disabled while the progress window is up
    // Places the progress window against its owner before it shows.
    std::function<void(platform::frmPrinting*)> Place;
    // Asked before each row, after the window system had its turn: false
    // when what Rows reads is gone (the document was closed or replaced);
    // the run then stops as a cancel does, without reading it again.
    std::function<bool()> StillValid;
};

FramePrintOutcome FrameListPrint(const FramePrintRun& run);

// The list's texts on a printer in millimetres.
class PrinterTextSink final : public FramePrintSink {
public:
    explicit PrinterTextSink(platform::Printer& printer) : printer_(printer) {}
    void Text(double x, double y, const std::string& utf8) override;
    void NewPage() override;
    int Page() const override;

private:
    platform::Printer& printer_;
};

// A printer in the list's scale and font, before its document starts.
void FramePrinterSetUp(platform::Printer& printer);
// The lowest line top on the printer's page, once its document started.
double FramePageBottom(const platform::Printer& printer);
// A printer whose font would carry a full data line past the right edge
// of the page prints in a font small enough to keep it inside; any other
// keeps its size.
void FrameFontFit(platform::Printer& printer, bool selLink);

}  // namespace analyser::ui
