// Saving the open document as a KYP file, over itself or under a new
// name, whole or between the marks, and exporting its rows as CSV.
#include <QFileDialog>

#include "ChartMarks.h"
#include "clsProtocol.h"
#include "csvWrite.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/WaitCursor.h"

namespace analyser::ui {
namespace {

constexpr const char* kMsgSaving = "保存しています...";
constexpr const char* kMsgNoRange = "範囲が設定されていません";
constexpr const char* kMsgCannotOpen = "ファイルが開けません";

}  // namespace

void frmMain::SaveCommands() {
    if (!SaveFileAsk) {
        SaveFileAsk = [this](const QString& title, const QString& filter, const std::string& folder) {
            return QFileDialog::getSaveFileName(this, title, QString::fromStdString(folder), filter)
                .toStdString();
        };
    }
    SetCommand(mnuFileSaveOver, [this] { mnuFileSaveOver_Click(); });
    SetCommand(mnuFileSaveAll, [this] { mnuFileSaveAll_Click(); });
    SetCommand(mnuFileSaveLimit, [this] { mnuFileSaveLimit_Click(); });
    SetCommand(mnuFileCsvAll, [this] { mnuFileCsvAll_Click(); });
    SetCommand(mnuFileCsvLimit, [this] { mnuFileCsvLimit_Click(); });
}

// The header takes what the window shows: the link table in use and the
// device names. Comments are in the document already, once an open edit
// is stored.
void frmMain::SaveDocumentPrepare() {
    CommentEditFinish();
    frames::clsProtocol& doc = *state_.gProtocol;
    doc.LinkFile(state_.gLinkFile);
    doc.SpotA(txtDevice[0]->text().toStdString());
    doc.SpotB(txtDevice[1]->text().toStdString());
}

// everyFrame writes the whole document, hidden frames included; otherwise
// rows begin to end of the filter's list (end 0: the last row). An empty
// list writes nothing and is no failure.
bool frmMain::SaveRows(const std::string& path, bool everyFrame, int32_t begin, int32_t end) {
    const frames::clsProtocol& doc = *state_.gProtocol;
    if (everyFrame) {
        if (doc.FrameMax() == 0) return true;
        int32_t last = 0;
        return doc.FileWrite(path, nullptr, 0, last);
    }
    if (!state_.gFilter || state_.gFilter->FilterMax() == 0) return true;
    return doc.FileWrite(path, state_.gFilter.get(), begin, end);
}

void frmMain::FileFailureShow(const std::string& path) {
    MsgShow(path + kMsgCannotOpen, platform::kMsgIconExclamation);
}

// A filter never takes frames out of the user's file: saving over it
// writes every frame of the document.
void frmMain::mnuFileSaveOver_Click() { SaveOver(); }

bool frmMain::SaveOver() {
    if (!state_.gFileOpen || !state_.gProtocol) return false;
    fTextSetOnStatusBar(kMsgSaving);
    bool saved = false;
    {
        const platform::WaitCursor wait;
        SaveDocumentPrepare();
        saved = SaveRows(state_.gFrameFile, true, 0, 0);
    }
    fTextSetOnStatusBar("");
    if (!saved) {
        FileFailureShow(state_.gFrameFile);
        return false;
    }
    commentsChanged_ = false;
    return true;
}

bool frmMain::CommentChangesResolved(QWidget* owner) {
    CommentEditFinish();  // an open edit counts as typed
    const auto ask = [&](const std::string& text) {
        return SaveQuestion ? SaveQuestion(owner != nullptr ? owner : this, text) : SaveAnswer::Cancel;
    };
    return ChangesResolved(state_.gFileOpen && commentsChanged_, state_.gFrameFile, ask,
                           [this] { return SaveOver(); });
}

void frmMain::mnuFileSaveAll_Click() { SaveAs(false); }
void frmMain::mnuFileSaveLimit_Click() { SaveAs(true); }

// The rows to write: all (0 to 0, the last row), or those between the
// marks; nothing, after saying so, when a mark has no row.
std::optional<RowRange> frmMain::RowsToWrite(bool range) {
    if (!range) return RowRange{};
    const std::optional<RowRange> marked = MarkedRows(*state_.gFilter, chart_.Marks);
    if (!marked) MsgShow(kMsgNoRange, platform::kMsgIconInformation);
    return marked;
}

void frmMain::SaveAs(bool range) {
    if (!state_.gFileOpen || !state_.gProtocol || !state_.gFilter) return;
    const std::optional<RowRange> toWrite = RowsToWrite(range);
    if (!toWrite) return;
    const RowRange rows = *toWrite;
    const std::string path = SaveFileAsk ? SaveFileAsk(QStringLiteral("保存"), QStringLiteral("kypファイル(*.kyp)"),
                                                       state_.gFrameFileFolder)
                                         : std::string();
    if (path.empty()) {
        fTextSetOnStatusBar("");
        return;
    }
    FolderRemember(state_.gFrameFileFolder, path);
    fTextSetOnStatusBar(kMsgSaving);
    bool saved = false;
    {
        const platform::WaitCursor wait;
        SaveDocumentPrepare();
        saved = SaveRows(path, false, rows.Begin, rows.End);
    }
    fTextSetOnStatusBar("");
    if (!saved) {
        FileFailureShow(path);
        return;
    }
    // From now on saving over writes the new file.
    state_.gFrameFile = path;
    // A save of every row with no frame filtered out holds every comment;
    // a range, or a filter that hides frames, leaves some out.
    if (!range && state_.gFilter->FilterMax() == state_.gProtocol->FrameMax()) commentsChanged_ = false;
}

void frmMain::mnuFileCsvAll_Click() { CsvWrite(false); }
void frmMain::mnuFileCsvLimit_Click() { CsvWrite(true); }

// The columns are the items of the configuration the document is decoded
// with, so the values always match their headings.
void frmMain::CsvWrite(bool range) {
    if (!state_.gFileOpen || !state_.gProtocol || !state_.gFilter) return;
    const std::optional<RowRange> toWrite = RowsToWrite(range);
    if (!toWrite) return;
    const std::string path = SaveFileAsk ? SaveFileAsk(QStringLiteral("CSVファイルの作成"),
                                                       QStringLiteral("CSV形式(*.csv)"), state_.gFrameFileFolder)
                                         : std::string();
    if (path.empty()) return;
    fTextSetOnStatusBar(kMsgSaving);
    bool written = true;
    if (state_.gRowCount > 0) {
        int32_t begin = toWrite->Begin;
        int32_t end = range ? toWrite->End : state_.gRowCount - 1;
        written = frames::CsvFileWrite(*state_.gFilter, *state_.gProtocol, state_.gProtocol->FrameConfig(), path,
                                       begin, end);
    }
    fTextSetOnStatusBar("");
    if (!written) FileFailureShow(path);
}

}  // namespace analyser::ui
