#include "FramePrinting.h"

#include <cmath>

#include "platform/ui/Printer.h"
#include "platform/ui/Yielder.h"
#include "platform/ui/frmPrinting.h"

namespace analyser::ui {

void PrinterTextSink::Text(double x, double y, const std::string& utf8) {
    printer_.CurrentX(x);
    printer_.CurrentY(y);
    printer_.Print(utf8);
}

void PrinterTextSink::NewPage() { printer_.NewPage(); }

int PrinterTextSink::Page() const { return printer_.Page(); }

void FramePrinterSetUp(platform::Printer& printer) {
    // The font size is the printer's own; only the face is chosen.
    printer.ScaleMode(platform::Printer::Scale::Millimetres);
    printer.FontName(kFramePrintFont);
}

double FramePageBottom(const platform::Printer& printer) {
    return printer.ScaleHeight() - printer.TextHeight();
}

void FrameFontFit(platform::Printer& printer, bool selLink) {
    const clsprint::DataColumn column = clsprint::DataColumnOf(selLink);
    const double width = printer.TextWidth(std::string(column.Width, '0'));
    const double room = printer.ScaleWidth() - column.X;
    if (width <= room || room <= 0) return;
    // Tenths of a point, rounded down, so the line ends inside.
    printer.FontSize(std::floor(printer.FontSize() * room / width * 10) / 10);
}

FramePrintOutcome FrameListPrint(const FramePrintRun& run) {
    FramePrintOutcome outcome;
    if (run.Rows == nullptr) return outcome;
    clsprint print;
    platform::Printer printer;
    FramePrinterSetUp(printer);
    if (!printer.StartDoc(run.PdfPath)) {
        outcome.Error = printer.Error();
        return outcome;
    }
    outcome.Started = true;
    FramePrintJob job = run.Job;
    FrameFontFit(printer, job.SelLink);
    job.PageBottom = FramePageBottom(printer);
    PrinterTextSink sink(printer);
    if (run.Rows->FilterMax() <= 0) {
        print.PrintMain(*run.Rows, job, sink);
        outcome.Empty = true;
        if (!printer.EndDoc()) outcome.Error = printer.Error();
        return outcome;
    }

    platform::frmPrinting form(run.Owner, printer.Page());
    form.OnCancel = [] { clsprint::CanselFlg(true); };
    if (run.Place) run.Place(&form);
    form.show();
    platform::Yielder yielder;
    const auto proceed = [&] {
        yielder.Yield();
        return !run.StillValid || run.StillValid();
    };
    const clsprint::Result result =
        print.PrintMain(*run.Rows, job, sink, proceed, [&form](int page) { form.PageShow(page); });
    if (result != clsprint::Result::Printed) {
        printer.KillDoc();
        return outcome;
    }
    if (!printer.EndDoc()) {
        outcome.Error = printer.Error();
        return outcome;
    }
    outcome.Completed = true;
    return outcome;
}

}  // namespace analyser::ui
