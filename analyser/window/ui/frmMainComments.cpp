// The comment columns' edit boxes and the marks: setting BEGIN, END and
// the numbered marks, and jumping to them.
#include <QApplication>

#include "CommentColumn.h"
#include "CommentEditor.h"
#include "CommentLine.h"
#include "FrameChart.h"
#include "clsProtocol.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"

namespace analyser::ui {
namespace {

constexpr const char* kMsgBeginAfterEnd = "マークBEGINはマークENDよりも前でなければ設定できません";
constexpr const char* kMsgEndBeforeBegin = "マークENDはマークBEGINの後ろでなければ設定できません";

}  // namespace

void frmMain::CommentMarkCommands() {
    CommentColumn* columns[] = {picCommentsL, picCommentsR};
    for (int side = 0; side < 2; ++side) {
        auto* editor = new CommentEditor(columns[side]);
        editor->setObjectName(side == 0 ? QStringLiteral("txtEditCommentsL") : QStringLiteral("txtEditCommentsR"));
        editor->setFont(chart_.CommentFont);
        txtEditComments[side] = editor;
        connect(columns[side], &CommentColumn::CommentClicked, this, [this, side](int slot) {
            platform::NoThrow("lblComments", [&] { lblComments_Click(side, slot); });
        });
        connect(editor, &CommentEditor::Cancelled, this, [this, side] {
            commentEdit_[side].Cancelled = true;
            picFrameView->setFocus();  // ends the edit
            if (txtEditComments[side]->isVisible()) CommentEditEnd(side);
        });
        connect(editor, &CommentEditor::Left, this,
                [this, side] { platform::NoThrow("txtEditComments", [&] { CommentEditEnd(side); }); });
    }
    SetCommand(mnuRightsCommentsL, [this] { mnuRightsComments_Click(0); });
    SetCommand(mnuRightsCommentsR, [this] { mnuRightsComments_Click(1); });

    for (QAction* item : {mnuEditMarkSetBegin, mnuRightMarkSetBegin}) SetCommand(item, [this] { fMarkBeginSet(); });
    for (QAction* item : {mnuEditMarkSetEnd, mnuRightMarkSetEnd}) SetCommand(item, [this] { fMarkEndSet(); });
    for (QAction* item : {mnuEditMarkJumpBegin, mnuRightMarkJumpBegin}) {
        SetCommand(item, [this] {
            if (state_.gFileOpen) fFrameNoJump(chart_.Marks.Begin);
        });
    }
    for (QAction* item : {mnuEditMarkJumpEnd, mnuRightMarkJumpEnd}) {
        SetCommand(item, [this] {
            if (state_.gFileOpen) fFrameNoJump(chart_.Marks.End);
        });
    }
    for (int n = 1; n <= 5; ++n) {
        for (QAction* item : {mnuEditMarkSetMark[n], mnuRightMarkSetMark[n]}) {
            SetCommand(item, [this, n] { fMarkSet(n); });
        }
        for (QAction* item : {mnuEditMarkJumpMark[n], mnuRightMarkJumpMark[n]}) {
            SetCommand(item, [this, n] {
                if (state_.gFileOpen) fFrameNoJump(chart_.Marks.NumberedFrame(n));
            });
        }
    }
}

// --- comments -----------------------------------------------------------------

void frmMain::lblComments_Click(int side, int slot) {
    if (!state_.gFileOpen || side < 0 || side > 1 || slot < 0 || slot >= chart_.Paging.Shown()) return;
    CommentEditStart(side, slot);
}

void frmMain::mnuRightsComments_Click(int side) {
    if (!state_.gFileOpen || side < 0 || side > 1) return;
    const int slot = chart_.Paging.CurrentSlot();
    if (slot >= 0) CommentEditStart(side, slot);
}

// The box covers the comment and the column below it. The frame it edits
// is fixed now: paging while the box is open does not move the edit to
// another frame.
void frmMain::CommentEditStart(int side, int slot) {
    CommentEditor* editor = txtEditComments[side];
    CommentColumn* column = side == 0 ? picCommentsL : picCommentsR;
    if (editor->isVisible()) CommentEditEnd(side);
    CommentEdit& edit = commentEdit_[side];
    edit.Slot = slot;
    edit.Row = chart_.Paging.SlotRow(slot);
    edit.Frame = chart_.FrameOf(edit.Row);
    edit.CurrentAtStart = chart_.Paging.CurrentRow();
    edit.Cancelled = false;
    const QRect label = column->CommentRect(slot);
    const QRect inner = column->contentsRect();
    editor->setFont(chart_.CommentFont);
    editor->setGeometry(inner.left(), label.top(), inner.width(), qMax(1, inner.bottom() + 1 - label.top()));
    editor->setPlainText(column->Comment(slot));
    editor->show();
    editor->raise();
    editor->selectAll();
    editor->setFocus(Qt::OtherFocusReason);
}

void frmMain::CommentEditEnd(int side) {
    CommentEditor* editor = txtEditComments[side];
    CommentEdit& edit = commentEdit_[side];
    if (!editor->isVisible() || edit.Slot < 0) return;
    // Hiding the box moves the focus, which would end the edit again.
    const CommentEdit done = edit;
    edit = CommentEdit{};
    editor->hide();
    if (done.Cancelled || !state_.gProtocol) return;
    const std::string text = CommentOneLine(editor->toPlainText().toStdString());
    if (text != state_.gProtocol->FramePostit(side, done.Frame)) commentsChanged_ = true;
    state_.gProtocol->FramePostit(side, done.Frame, text);
    fPageDraw(chart_.Paging.SlotRow(0));
    // The edited row becomes current, unless the user moved the chart
    // elsewhere while the box was open (a button that ends the edit by
    // moving): the move stands.
    if (chart_.Paging.CurrentRow() == done.CurrentAtStart) fCurrentFrameChange(done.Row);
}

// Stores an open edit before the document is written or replaced.
void frmMain::CommentEditFinish() {
    for (int side = 0; side < 2; ++side) {
        if (txtEditComments[side] != nullptr && txtEditComments[side]->isVisible()) CommentEditEnd(side);
    }
}

// --- marks ----------------------------------------------------------------------

int32_t frmMain::CurrentFrame() const { return chart_.FrameOf(chart_.Paging.CurrentRow()); }

void frmMain::fMarkBeginSet() {
    if (!state_.gFileOpen || state_.gRowCount <= 0) return;
    if (!chart_.Marks.SetBegin(CurrentFrame())) {
        MsgShow(kMsgBeginAfterEnd, platform::kMsgIconExclamation);
        return;
    }
    Redraw();
}

void frmMain::fMarkEndSet() {
    if (!state_.gFileOpen || state_.gRowCount <= 0) return;
    if (!chart_.Marks.SetEnd(CurrentFrame())) {
        MsgShow(kMsgEndBeforeBegin, platform::kMsgIconExclamation);
        return;
    }
    Redraw();
}

void frmMain::fMarkSet(int vIndex) {
    if (!state_.gFileOpen || state_.gRowCount <= 0) return;
    chart_.Marks.SetNumbered(vIndex, CurrentFrame());
    MarkJumpItemsShow();
    Redraw();
}

void frmMain::MarkJumpItemsShow() {
    for (int n = 1; n <= 5; ++n) {
        const bool set = chart_.Marks.NumberedFrame(n) != -1;
        mnuEditMarkJumpMark[n]->setVisible(set);
        mnuRightMarkJumpMark[n]->setVisible(set);
    }
    const bool any = chart_.Marks.AnyNumbered();
    mnuEditMarkJumpLine->setVisible(any);
    mnuRightMarkJumpLine->setVisible(any);
}

}  // namespace analyser::ui
