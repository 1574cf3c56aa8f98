// The chart side of the main window: making a row current, drawing the
// page, the navigation buttons, keys and pointer, the splitters and the
// layout of every pane.
#include <QCursor>
#include <QFontMetrics>
#include <QResizeEvent>

#include <exception>

#include "ChartSplitter.h"
#include "CommentColumn.h"
#include "FrameChart.h"
#include "ProtocolRowSource.h"
#include "frmMain.h"
#include "platform/ui/MsgBoxRules.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {
namespace {

constexpr int kFrameInfoHeight = 495;
constexpr int kDeviceMinHeight = 300;

constexpr const char* kMsgBadFile = "kypファイルが不正です";
constexpr const char* kMsgNotFound = "見つかりませんでした";

// Runs a drawing step; false when it failed.
template <typename F>
bool Drawn(F&& step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        platform::ReportEscaped("chart", e.what());
    } catch (...) {
        platform::ReportEscaped("chart", "unknown exception");
    }
    return false;
}

}  // namespace

// --- the current row and the page ---------------------------------------------

void frmMain::ChartSync() {
    chart_.Paging.SetRows(mFrameCount_, state_.gRowCount);
    chart_.Paging.SetFileOpen(state_.gFileOpen);
    chart_.Paging.SetViewport(picFrameView->ScaleHeightTwips(), picFrameView->HeightTwips());
    chart_.Paging.SetCommentGap(CommentGap(chartSize_));
    chart_.Inset = ArrowInset(chart_.LineWidth);
}

SlotHeights frmMain::SlotMeasure(int32_t row) const {
    SlotHeights h;
    h.Caption = platform::PixelsToTwips(QFontMetrics(chart_.CaptionFont).height(), this);
    if (row < 0) {
        h.CommentL = picCommentsL->WrappedHeightTwips(QString());
        h.CommentR = picCommentsR->WrappedHeightTwips(QString());
        return h;
    }
    if (RowDrawProbe) RowDrawProbe(row);
    const int32_t frame = chart_.FrameOf(row);
    h.CommentL = picCommentsL->WrappedHeightTwips(QString::fromStdString(chart_.Rows.CommentL(frame)));
    h.CommentR = picCommentsR->WrappedHeightTwips(QString::fromStdString(chart_.Rows.CommentR(frame)));
    return h;
}

void frmMain::fCurrentFrameChange(int64_t row) {
    if (!Drawn([&] {
            ChartSync();
            ChangeApply(chart_.Paging.CurrentFrameChange(row));
        })) {
        DrawFailed();
    }
}

void frmMain::fPageDraw(int32_t top) {
    if (!Drawn([&] {
            ChartSync();
            chart_.Paging.PageDraw(top);
            ChartRepaint();
        })) {
        DrawFailed();
    }
}

void frmMain::ChangeApply(const ChartChange& change) {
    if (change.CloseState) fFileOpenFlgChange(false);
    if (change.Empty || change.Moved) {
        txtCurrentFrame->setText(QString::fromStdString(CurrentRowText(change.Row, state_.gRowCount)));
        lblFrameMax->setText(QString::fromStdString(RowCountText(state_.gRowCount)));
        lblFrameMax->adjustSize();
    }
    if (change.Moved) {
        FramePanelsFill(change.Row);
        picFrameView->setFocus();
    }
    ChartRepaint();
}

void frmMain::FramePanelsFill(int32_t row) {
    if (!rowSource_) return;
    const FramePanels texts = FramePanelTexts(rowSource_->Status(chart_.FrameOf(row)));
    const char* keys[] = {"FrameTime", "FrameInterval", "MonitorLine", "Same",
                          "Trigger",   "Error",         "CutKind"};
    for (size_t i = 0; i < texts.size(); ++i) {
        Panels.SetText(QString::fromLatin1(keys[i]), QString::fromStdString(texts[i]));
    }
}

void frmMain::ChartRepaint() {
    picFrameView->update();
    picCommentsL->update();
    picCommentsR->update();
}

// The document stays open: the chart keeps what it could draw, and the
// user can still save, page elsewhere or open another file.
void frmMain::DrawFailed() {
    if (drawFailing_) return;
    drawFailing_ = true;
    MsgShow(std::string(kMsgBadFile) + "\n" + state_.gFrameFile, platform::kMsgIconExclamation);
    drawFailing_ = false;
}

void frmMain::Redraw() {
    fPageDraw(chart_.Paging.SlotRow(0));
    fCurrentFrameChange(chart_.Paging.CurrentRow());
}

void frmMain::fDeviceNameSet(const std::string& name, int index) {
    const QString text = QString::fromStdString(name);
    txtDevice[index]->setText(text);
    txtDevice[index]->setToolTip(text);
}

void frmMain::fFrameNoJump(int32_t frame) {
    const int32_t row = state_.gFilter ? RowOfFrame(*state_.gFilter, frame) : -1;
    if (row < 0) {
        MsgShow(kMsgNotFound, platform::kMsgIconNone);
        return;
    }
    fCurrentFrameChange(row);
}

// --- navigation ---------------------------------------------------------------

void frmMain::Navigate(ChartChange (ChartPaging::*step)()) {
    if (!Drawn([&] {
            ChartSync();
            ChangeApply((chart_.Paging.*step)());
        })) {
        DrawFailed();
    }
}

void frmMain::cmdBeforeBegin_Click() { Navigate(&ChartPaging::BeforeBegin); }
void frmMain::cmdBefore_Click() { Navigate(&ChartPaging::Before); }
void frmMain::cmdBeforePage_Click() { Navigate(&ChartPaging::BeforePage); }
void frmMain::cmdNext_Click() { Navigate(&ChartPaging::Next); }
void frmMain::cmdNextPage_Click() { Navigate(&ChartPaging::NextPage); }
void frmMain::cmdNextEnd_Click() { Navigate(&ChartPaging::NextEnd); }

void frmMain::picFrameView_KeyDown(int keyCode) {
    KeyCommand command = KeyCommand::None;
    if (!Drawn([&] {
            ChartSync();
            const ChartChange change = chart_.Paging.Key(keyCode, command);
            if (command == KeyCommand::Move) ChangeApply(change);
        })) {
        DrawFailed();
    }
    switch (command) {
        case KeyCommand::CommentL: RunCommand(mnuRightsCommentsL); break;
        case KeyCommand::CommentR: RunCommand(mnuRightsCommentsR); break;
        case KeyCommand::Detail: RunCommand(mnuViewDetail); break;
        case KeyCommand::ShortPopup: EmptyPressed(2, QCursor::pos()); break;
        default: break;
    }
}

void frmMain::SlotPressed(int, int button) { mLastButton_ = button; }

void frmMain::SlotClicked(int slot) {
    fCurrentFrameChange(chart_.Paging.SlotRow(slot));
    if (mLastButton_ == 2) Popup(QCursor::pos());
}

// The click before it made the row current, so the detail window shows
// the row the user pointed at even when the click moved the page.
void frmMain::SlotDoubleClicked(int, int button) {
    mLastButton_ = button;
    if (state_.gFileOpen && mLastButton_ == 1) RunCommand(mnuViewDetail);
}

void frmMain::EmptyPressed(int button, const QPoint& globalPos) {
    if (button != 2 || !state_.gFileOpen) return;
    QAction* rowOnly[] = {mnuRightOpen, mnuRightsCommentsL, mnuRightsCommentsR,
                          mnuRightLine2, mnuRightMarkSet->menuAction(), mnuRightLine4};
    for (QAction* a : rowOnly) a->setVisible(false);
    Popup(globalPos);
    for (QAction* a : rowOnly) a->setVisible(true);
}

void frmMain::Popup(const QPoint& globalPos) {
    if (PopupRun) PopupRun(mnuRight, globalPos);
}

// --- layout ---------------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    platform::NoThrow("frmMain resize", [&] { Form_Resize(); });
}

void frmMain::Form_Resize() {
    if (isMinimized()) return;
    // The least outer size, as a least client size for the window system.
    const QSize frame = frameGeometry().size() - size();
    const int least = platform::TwipsToPixels(kMinWindowSize, this);
    setMinimumSize(qMax(1, least - frame.width()), qMax(1, least - frame.height()));
    fSizeControls(splitterLeft_[0], splitterLeft_[1]);
}

WindowMetrics frmMain::Metrics() const {
    const auto tw = [this](int px) { return platform::PixelsToTwips(px, this); };
    WindowMetrics m;
    m.OuterWidth = tw(frameGeometry().width());
    m.ScaleWidth = tw(Client->width());
    m.ScaleHeight = tw(Client->height());
    m.ToolbarHeight = tw(Toolbar1->sizeHint().height());
    m.DeviceHeight = qMax(kDeviceMinHeight, tw(txtDevice[0]->sizeHint().height()));
    m.StatusHeight = tw(StatusBar1->sizeHint().height());
    m.Status2Height = tw(StatusBar2->sizeHint().height());
    m.FrameInfoHeight = kFrameInfoHeight;
    return m;
}

void frmMain::Place(QWidget* widget, const PaneRect& r) {
    widget->setGeometry(platform::TwipsToPixels(
        QRect(r.left, r.top, qMax(0, r.width), qMax(0, r.height)), this));
}

void frmMain::fSizeControls(int a, int b) {
    // A failing step ends the layout quietly; the next resize lays out again.
    platform::NoThrow("fSizeControls", [&] {
        const WindowMetrics m = Metrics();
        const PaneLayout l = SizeControls(m, a, b, splitterLeft_[0], splitterLeft_[1]);
        splitterLeft_[0] = l.A;
        splitterLeft_[1] = l.B;
        Place(Toolbar1, {m.ScaleLeft, m.ScaleTop, m.ScaleWidth, m.ToolbarHeight});
        Place(StatusBar1, {m.ScaleLeft, m.ScaleHeight - m.StatusHeight, m.ScaleWidth, m.StatusHeight});
        for (int k = 0; k < 2; ++k) {
            Place(imgSplitter[k], l.Splitter[k]);
            Place(picSplitter[k], {barLeft_[k], l.Splitter[k].top, kSplitterWidth / 4,
                                   l.Splitter[k].height - kPaneHeightCorrection});
            picSplitter[k]->hide();
            Place(txtDevice[k], l.Device[k]);
        }
        Place(picCommentsL, l.CommentsL);
        Place(picFrameView, l.Chart);
        Place(picCommentsR, l.CommentsR);
        Place(frameInfo, l.FrameInfo);
        Place(StatusBar2, l.StatusBar2);
    });
    fPageDraw(chart_.Paging.SlotRow(0));
    if (state_.gFileOpen) fCurrentFrameChange(chart_.Paging.CurrentRow());
}

void frmMain::ChartSizeSet(ChartSize size) {
    chartSize_ = size;
    chart_.LineWidth = LineWidth(size);
}

void frmMain::SplitterDown(int k) {
    barLeft_[k] = splitterLeft_[k];
    const QRect img = platform::PixelsToTwips(imgSplitter[k]->geometry(), this);
    Place(picSplitter[k], {barLeft_[k], img.top(), kSplitterWidth / 4, img.height() - kPaneHeightCorrection});
    picSplitter[k]->show();
    picSplitter[k]->raise();
    mSplitterMoving_ = true;
}

void frmMain::SplitterMove(int k, int x) {
    if (!mSplitterMoving_) return;
    barLeft_[k] = DragBarLeft(splitterLeft_[k] + x, Metrics().OuterWidth);
    const QRect bar = platform::PixelsToTwips(picSplitter[k]->geometry(), this);
    Place(picSplitter[k], {barLeft_[k], bar.top(), bar.width(), bar.height()});
}

void frmMain::SplitterUp(int k) {
    fSizeControls(barLeft_[0], barLeft_[1]);
    picSplitter[k]->hide();
    mSplitterMoving_ = false;
}

}  // namespace analyser::ui
