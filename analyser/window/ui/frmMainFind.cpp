// Searching and jumping in the rows (the find window's three searches,
// the jump window, the first and last row) and the two information
// windows: the recording conditions and the version.
#include "CommentColumn.h"
#include "FrameSearch.h"
#include "HistoryConditions.h"
#include "PropTexts.h"
#include "clsProtocol.h"
#include "frmAbout.h"
#include "frmFind.h"
#include "frmGoto.h"
#include "frmMain.h"
#include "frmProp.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowPlacement.h"

namespace analyser::ui {

void frmMain::FindJumpCommands() {
    if (!ModalRun) ModalRun = [](QDialog& dialog) { dialog.exec(); };
    SetCommand(mnuEditJump, [this] { mnuEditJump_Click(); });
    SetCommand(mnuRightJump, [this] { mnuEditJump_Click(); });
    SetCommand(mnuRightHead, [this] { mnuRightHead_Click(); });
    SetCommand(mnuRightTail, [this] { mnuRightTail_Click(); });
    SetCommand(mnuEditSerch, [this] { mnuEditSerch_Click(); });
    SetCommand(mnuViewHistory, [this] { mnuViewHistory_Click(); });
    SetCommand(mnuHelpAbout, [this] { mnuHelpAbout_Click(); });
    // Closing the file unloads the find window with its fields.
    AddClosedStateHook([this] {
        if (find_) find_->close();
    });
}

QPoint frmMain::CornerBesideChart() const {
    const platform::TwipsRect main = platform::WindowTwips(this);
    const int top = picCommentsL->mapTo(this, QPoint(0, 0)).y();
    return {main.left + platform::PixelsToTwips(picCommentsL->width(), this),
            main.top + platform::PixelsToTwips(top, this)};
}

QPoint frmMain::CentreTwips() const {
    const platform::TwipsRect main = platform::WindowTwips(this);
    return {main.left + main.width / 2, main.top + main.height / 2};
}

// --- jumps ------------------------------------------------------------------------

void frmMain::mnuEditJump_Click() {
    if (!state_.gFileOpen) return;
    frmGoto jump(*this);
    jump.ffrmGoToInit(CurrentRow(), state_.gRowCount);
}

void frmMain::mnuRightHead_Click() {
    if (state_.gFileOpen) fCurrentFrameChange(0);
}

void frmMain::mnuRightTail_Click() {
    if (state_.gFileOpen) fCurrentFrameChange(state_.gRowCount);
}

// --- the find window and its searches ----------------------------------------------

frmFind* frmMain::FindWindow(bool load) {
    if (!find_ && load) find_ = new frmFind(*this);
    return find_;
}

void frmMain::mnuEditSerch_Click() {
    if (!state_.gFileOpen) return;
    FindWindow(true)->ShowBeside();
}

int16_t frmMain::FindDirection() { return static_cast<int16_t>(FindWindow(true)->cmbDirection->currentIndex()); }

bool frmMain::SearchFrom(int16_t direction, const std::function<bool(int32_t frame)>& match) {
    if (!state_.gFileOpen || !state_.gFilter || !state_.gProtocol) return false;
    const RowFilter& rows = *state_.gFilter;
    const int32_t row = SearchRows(CurrentRow(), state_.gRowCount, direction,
                                   [&](int32_t r) { return match(rows.FilterNo(r)); });
    if (row < 0) return false;
    fCurrentFrameChange(row);
    return true;
}

bool frmMain::fFindLinkCaption(const std::string& vSearchName, int16_t vDirection, bool vAllMatch) {
    const frmFind& find = *FindWindow(true);
    const bool caption = find.chkLinkName->isChecked();
    const bool left = find.chkCommentL->isChecked();
    const bool right = find.chkCommentR->isChecked();
    if (!caption && !left && !right) return false;
    return SearchFrom(vDirection, [&](int32_t frame) {
        return (caption && TextMatches(chart_.Rows.Caption(frame), vSearchName, vAllMatch)) ||
               (left && TextMatches(chart_.Rows.CommentL(frame), vSearchName, vAllMatch)) ||
               (right && TextMatches(chart_.Rows.CommentR(frame), vSearchName, vAllMatch));
    });
}

bool frmMain::fFindData(const std::string& vSearchStr) {
    const int16_t direction = FindDirection();
    if (!state_.gProtocol) return false;
    const frames::clsProtocol& doc = *state_.gProtocol;
    // The stored bytes are the frame's bytes unless PPP escapes need undoing.
    if (doc.IsPpp()) {
        return SearchFrom(direction, [&](int32_t f) { return DataMatches(doc.FrameDataOrg(f), vSearchStr); });
    }
    return SearchFrom(direction, [&](int32_t f) { return DataMatches(doc.FrameBytes(f), vSearchStr); });
}

bool frmMain::fFindError(bool vErrP, bool vErrO, bool vErrF, bool vAndFlg) {
    const int16_t direction = FindDirection();
    if (!state_.gProtocol) return false;
    const frames::clsProtocol& doc = *state_.gProtocol;
    const uint8_t mask = ErrorMask(vErrP, vErrO, vErrF);
    return SearchFrom(direction, [&](int32_t f) { return ErrorMatches(doc.FrameErr(f), mask, vAndFlg); });
}

// --- recording conditions and version ------------------------------------------------

frmProp* frmMain::HistoryWindow() const { return prop_; }

void frmMain::mnuViewHistory_Click() {
    if (prop_ || !state_.gFileOpen || !state_.gProtocol) return;
    prop_ = new frmProp(*this);
    prop_->SSTab1->Fill(store::PropTexts(HistoryConditions(*state_.gProtocol)));
    prop_->show();
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(*this);
    if (ModalRun) ModalRun(about);
}

}  // namespace analyser::ui
