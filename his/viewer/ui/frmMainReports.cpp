// The main window's print and HTML export commands.
#include <utility>

#include "DialogPlacer.h"
#include "DisplayModes.h"
#include "HistoryPrinting.h"
#include "HistorySaving.h"
#include "HtmlExport.h"
#include "ViewerContext.h"
#include "frmHTML.h"
#include "frmMain.h"
#include "frmPrint.h"
#include "platform/ui/Printer.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/frmPrinting.h"

namespace viewer::ui {

namespace {

constexpr char kMsgPrinterSettings[] = "プリンタの設定が正しくありません！";

// Undoes what a report run set up when the run ends, also by an exception,
// so that the main window never stays locked behind a failed run.
template <typename F>
class RunEnd {
public:
    explicit RunEnd(F undo) : undo_(std::move(undo)) {}
    ~RunEnd() { undo_(); }
    RunEnd(const RunEnd&) = delete;
    RunEnd& operator=(const RunEnd&) = delete;

private:
    F undo_;
};

}  // namespace

void frmMain::PrintCommandsEnable() {
    const bool printable = Loaded() && viewer::DspCodeSet(ctx_.State).PrintEnabled;
    mnuPrint->setEnabled(printable);
    Buttons.SetEnabled("Print", printable);
}

reports::ui::frmHTML* frmMain::HtmlWindow() const { return html_; }

void frmMain::mnuHtml_Click() {
    if (!Loaded() || reporting_) return;
    if (html_) {
        html_->raise();
        html_->activateWindow();
        return;
    }
    html_ = new reports::ui::frmHTML(this, ctx_.State, ctx_.gCommon->CharTime());
    html_->FileAsk = [this] { return HtmlFileAsk(); };
    html_->Write = [this](const std::string& path, int form) { HtmlWrite(path, form); };
    DialogPlaceOn(html_, this, "frmHTML");
    html_->show();
}

// The main window is off while the export yields to the window system,
// so the history it reads cannot be replaced under it.
void frmMain::HtmlWrite(const std::string& path, int form) {
    if (!Loaded() || reporting_) return;
    reports::HtmlResult result;
    {
        const platform::WaitCursor hourglass;
        reporting_ = true;
        setEnabled(false);
        const RunEnd end([this] {
            setEnabled(true);
            reporting_ = false;
        });
        result = reports::HtmlExport(*ctx_.gCommon, path, static_cast<reports::HtmlForm>(form),
                                     reports::OptionsOf(ctx_.State), ctx_.gBar.get());
    }
    if (result.Error != 0) MsgShow(FileErrorMessage(path, result.Error), kIconStop);
}

void frmMain::mnuPrint_Click() {
    if (!Loaded() || reporting_ || !viewer::DspCodeSet(ctx_.State).PrintEnabled) return;
    if (!platform::Printer::DeviceName()) {
        MsgShow(kMsgPrinterSettings, kIconStop);
        return;
    }
    ViewerState& st = ctx_.State;
    st.PrintRequested = false;
    {
        reports::ui::frmPrint dialog(this, st, ctx_.gCommon->CharTime(), PrinterSetupAsk);
        DialogPlaceOn(&dialog, this, "frmPrint");
        dialog.exec();
    }
    if (!st.PrintRequested) return;
    reports::ui::PrintJob job;
    if (platform::Printer::PrintsToPdf()) {
        job.PdfPath = PdfFileAsk ? PdfFileAsk() : std::string();
        if (job.PdfPath.empty()) return;
    }
    job.Doc = ctx_.gCommon.get();
    job.Options = reports::OptionsOf(st);
    job.FontName = reports::ui::frmPrint::kFontName;
    job.Owner = this;
    job.Place = [this](platform::frmPrinting* form) { DialogPlaceOn(form, this, "frmPrinting"); };
    job.DialogCancelled = &st.DialogCancelled;
    reports::ui::PrintOutcome outcome;
    {
        reporting_ = true;
        const RunEnd end([this] { reporting_ = false; });
        outcome = reports::ui::HistoryPrint(job);
    }
    if (outcome.Error == 0) return;
    MsgShow(outcome.Error > 0 ? FileErrorMessage(job.PdfPath, outcome.Error) : kMsgPrinterSettings,
            kIconStop);
}

void frmMain::mnuPrintProp_Click() {
    if (PrinterSetupAsk) PrinterSetupAsk();
}

}  // namespace viewer::ui
