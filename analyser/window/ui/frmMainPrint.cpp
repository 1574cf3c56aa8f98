// The main window's print command: the frame list through the print
// dialog onto the current printer, or into a PDF file the user names.
#include "FramePrinting.h"
#include "ProtocolPrintSource.h"
#include "clsProtocol.h"
#include "frmMain.h"
#include "frmprint.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/frmPrinting.h"

namespace analyser::ui {

namespace {

constexpr char kMsgPrintFailed[] = "エラー";
constexpr char kMsgFileFailed[] = "ファイルが開けません";

// Centres a window of its own size on owner.
void CentreOn(QWidget* window, const QWidget* owner) {
    const QSize size = window->size();
    platform::CentreWindowOnOwner(window, owner, platform::PixelsToTwips(size.width(), window),
                                  platform::PixelsToTwips(size.height(), window));
}

}  // namespace

void frmMain::mnuFilePrint_Click() {
    if (!state_.gFileOpen || !state_.gProtocol || !state_.gFilter) return;
    const RowFilter& rows = *state_.gFilter;
    const int32_t begin = RowOfFrame(rows, chart_.Marks.Begin);
    const int32_t end = RowOfFrame(rows, chart_.Marks.End);
    bool all = true;
    {
        frmprint dialog(this, begin >= 0 && end >= 0, PrinterSetupAsk);
        CentreOn(&dialog, this);
        if (dialog.exec() != QDialog::Accepted) return;
        all = dialog.AllChosen();
    }
    // The dialog's modal loop may have closed the document.
    if (!state_.gProtocol || !state_.gFilter) return;

    FramePrintRun run;
    if (platform::Printer::PrintsToPdf()) {
        run.PdfPath = PdfFileAsk ? PdfFileAsk() : std::string();
        if (run.PdfPath.empty()) return;
    }
    const frames::clsProtocol* doc = state_.gProtocol.get();
    const RowFilter* filter = state_.gFilter.get();
    const ProtocolPrintSource source(*doc, *filter, chart_.Rows);
    run.Rows = &source;
    run.Job.SelLink = !state_.gLinkFile.empty();
    run.Job.Begin = all ? 0 : begin;
    run.Job.End = all ? 0 : end;
    run.Job.FrameName = doc->FrameConfig().FrameName();
    run.Owner = this;
    run.Place = [this](platform::frmPrinting* form) { CentreOn(form, this); };
    // The window system runs between rows: a window that replaces the
    // rows or closes the document ends the run before it reads them.
    run.StillValid = [this, doc, filter] {
        return state_.gProtocol.get() == doc && state_.gFilter.get() == filter;
    };
    const FramePrintOutcome outcome = FrameListPrint(run);
    if (outcome.Error > 0) {
        MsgShow(run.PdfPath + kMsgFileFailed, platform::kMsgIconExclamation);
    } else if (outcome.Error < 0 || outcome.Empty) {
        // An empty list has sent its header page and is reported as failed.
        MsgShow(kMsgPrintFailed, platform::kMsgIconExclamation);
    }
}

}  // namespace analyser::ui
