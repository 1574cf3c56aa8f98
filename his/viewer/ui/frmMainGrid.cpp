// The main window's grid side: layout, page redraw, the scroll bar, the
// grid's events and the status panels that follow the cursor. The rules
// themselves are the viewer's; this file shows what they decide.
#include <QLabel>
#include <QSignalBlocker>

#include "DisplayModes.h"
#include "HistoryGrid.h"
#include "PageModel.h"
#include "PageRender.h"
#include "StatusPanels.h"
#include "ViewerContext.h"
#include "frmMain.h"
#include "platform/ui/Twips.h"

namespace viewer::ui {

namespace {

Qt::Alignment PanelAlignment(PanelAlign align) {
    switch (align) {
        case PanelAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
        case PanelAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case PanelAlign::Centre: break;
    }
    return Qt::AlignCenter;
}

}  // namespace

void frmMain::GridPlace() {
    const QWidget* client = centralWidget();
    VSFlexGrid1->setGeometry(0, 0, client->width(), client->height());
    const int px30 = platform::TwipsToPixels(30, this);
    const int px50 = platform::TwipsToPixels(50, this);
    const int px60 = platform::TwipsToPixels(60, this);
    const int width = VScroll1->sizeHint().width();
    VScroll1->setGeometry(client->width() - width - px50, px30, width, client->height() - px60);
    VScroll1->raise();
}

void frmMain::GridMetricsSet() { ctx_.State.Metrics = VSFlexGrid1->MetricsFor(ctx_.State.RecordCount); }

GridLayoutResult frmMain::GridLayoutApply() {
    const QSize inner = VSFlexGrid1->viewport()->size();
    GridMetricsSet();
    layout_ = GridLayout(ctx_.State, *ctx_.gCommon, platform::PixelsToTwips(inner.width(), this),
                         platform::PixelsToTwips(inner.height(), this),
                         platform::PixelsToTwips(VScroll1->width(), this));
    ScrollBarApply();
    return layout_;
}

void frmMain::ScrollBarApply() {
    const ScrollBarState& sb = ctx_.State.Scroll;
    // The state already holds the new page; the bar only shows it.
    const QSignalBlocker quiet(VScroll1);
    VScroll1->setRange(sb.Min, sb.Max);
    VScroll1->setSingleStep(sb.SmallChange);
    VScroll1->setPageStep(sb.LargeChange);
    VScroll1->setValue(sb.Value);
    VScroll1->setEnabled(sb.Enabled);
}

void frmMain::PageRedraw() {
    const int row = VSFlexGrid1->Row();
    const int col = VSFlexGrid1->Col();
    Page->PageSet(PageBuild(ctx_.State, *ctx_.gCommon));
    VSFlexGrid1->LayoutApply(layout_.ColWidths, layout_.RowHeights);
    // A page of a new shape resets the view's cursor; keep it where it was.
    if (!VSFlexGrid1->currentIndex().isValid()) {
        const QSignalBlocker quiet(VSFlexGrid1->selectionModel());
        VSFlexGrid1->CursorSet(row, col);
    }
    // Every refill leaves the keys with the grid, also when a read has
    // disabled the window meanwhile and taken the focus from it.
    VSFlexGrid1->setFocus();
}

void frmMain::GridColorSet() {
    Page->ColorsSet(viewer::GridColorSet(ctx_.State.Colors), VSFlexGrid1->palette());
}

GridCell frmMain::Cursor() const { return GridCell{VSFlexGrid1->Row(), VSFlexGrid1->Col()}; }

bool frmMain::CursorCellHasText() const {
    return !Page->CellText(VSFlexGrid1->Row(), VSFlexGrid1->Col()).isEmpty();
}

void frmMain::PanelsClear() {
    const PanelUpdate clear = PanelsCleared();
    if (clear.DateTime) Panels.SetText("DateTime", QString::fromStdString(*clear.DateTime));
    if (clear.CharTime) Panels.SetText("CharTime", QString::fromStdString(*clear.CharTime));
    if (clear.SecTime) Panels.SetText("SecTime", QString::fromStdString(*clear.SecTime));
}

void frmMain::TimePanelRefresh() {
    if (!Loaded()) return;
    const PanelUpdate u = TimePanelSet(ctx_.State, *ctx_.gCommon, Cursor(), CursorCellHasText());
    if (u.DateTime) Panels.SetText("DateTime", QString::fromStdString(*u.DateTime));
    if (u.CharTime) Panels.SetText("CharTime", QString::fromStdString(*u.CharTime));
    if (u.SecTime) Panels.SetText("SecTime", QString::fromStdString(*u.SecTime));
    if (u.SecTimeAlign) {
        if (QLabel* panel = Panels.Panel("SecTime")) panel->setAlignment(PanelAlignment(*u.SecTimeAlign));
    }
}

void frmMain::NavApply(const NavResult& r) {
    if (r.PageChanged || r.Redraw) {
        ScrollBarApply();
        PageRedraw();
        TimePanelRefresh();
    }
    if (!r.Message.empty()) MsgShow(r.Message, r.Icon);
    if (r.Cursor) VSFlexGrid1->CursorSet(r.Cursor->Row, r.Cursor->Col);
    if (r.TimePanels) TimePanelRefresh();
    if (r.EnableRangeSave) mnuRangeSave->setEnabled(true);
}

void frmMain::DspCodeApply() {
    const CodeModeView view = viewer::DspCodeSet(ctx_.State);
    const std::pair<CodeMenu, QAction*> items[] = {
        {CodeMenu::Ascii, mnuDspCodeAscii}, {CodeMenu::Jis7, mnuDspCodeJis7},
        {CodeMenu::Jis8, mnuDspCodeJis8},   {CodeMenu::Ebcdic, mnuDspCodeEbcdic},
        {CodeMenu::Uni, mnuDspCodeUni},     {CodeMenu::Shift, mnuDspCodeShift}};
    for (const auto& [menu, action] : items) action->setChecked(menu == view.Checked);
    Panels.SetText("Code", QString::fromStdString(view.CodePanel));
    PrintCommandsEnable();
    PageRedraw();
}

void frmMain::DspLineApply() {
    const QSize inner = VSFlexGrid1->viewport()->size();
    GridMetricsSet();
    const LineModeView view = viewer::DspLineSet(
        ctx_.State, *ctx_.gCommon, platform::PixelsToTwips(inner.width(), this),
        platform::PixelsToTwips(inner.height(), this),
        platform::PixelsToTwips(VScroll1->width(), this), layout_);
    mnuDspLineDual->setChecked(view.Checked == kLineDual);
    mnuDspLineSd->setChecked(view.Checked == kLineSd);
    mnuDspLineRd->setChecked(view.Checked == kLineRd);
    Panels.SetText("Line", QString::fromStdString(view.LinePanel));
    mnuRangeSave->setEnabled(view.RangeSave);
    for (QAction* a : {mnuAllSave, mnuMarkJump->menuAction(), mnuMarkSet->menuAction(),
                       mnuRightMarkJump->menuAction(), mnuRightTrigJump,
                       mnuRightMarkSet->menuAction()}) {
        a->setEnabled(view.DualCommands);
    }
    mnuRange->setEnabled(view.DualCommands && !ctx_.State.FindOpen);
    Buttons.SetEnabled("Range", view.DualCommands);
    ScrollBarApply();
    PageRedraw();
    TimePanelRefresh();
}

// --- navigation commands --------------------------------------------------------

void frmMain::mnuTop_Click() {
    if (Loaded()) NavApply(viewer::mnuTop_Click(ctx_.State, *ctx_.gCommon));
}

void frmMain::mnuBottom_Click() {
    if (Loaded()) NavApply(viewer::mnuBottom_Click(ctx_.State, *ctx_.gCommon));
}

void frmMain::mnuMarkJumpBegin_Click() {
    if (Loaded()) NavApply(MarkJump(ctx_.State, *ctx_.gCommon, Mark::Begin));
}

void frmMain::mnuMarkJumpEnd_Click() {
    if (Loaded()) NavApply(MarkJump(ctx_.State, *ctx_.gCommon, Mark::End));
}

void frmMain::mnuMarkSetBegin_Click() {
    if (Loaded()) NavApply(MarkSet(ctx_.State, Mark::Begin, Cursor(), CursorCellHasText()));
}

void frmMain::mnuMarkSetEnd_Click() {
    if (Loaded()) NavApply(MarkSet(ctx_.State, Mark::End, Cursor(), CursorCellHasText()));
}

void frmMain::mnuRightTrigJump_Click() {
    if (Loaded()) NavApply(viewer::mnuRightTrigJump_Click(ctx_.State, *ctx_.gCommon));
}

// --- grid and scroll-bar events -------------------------------------------------

void frmMain::VScroll1_Change(int value) {
    if (!Loaded()) return;
    if (!ScrollChange(ctx_.State, *ctx_.gCommon, value)) return;
    PageRedraw();
    TimePanelRefresh();
}

void frmMain::Grid_KeyDown(int key) {
    if (Loaded()) NavApply(KeyDown(ctx_.State, *ctx_.gCommon, key, VSFlexGrid1->Row()));
}

void frmMain::Grid_CursorChanged(int oldRow, int newRow, int newCol) {
    if (!Loaded()) return;
    PanelsClear();
    if (const auto skip = RowSkip(ctx_.State, oldRow, newRow)) {
        // The move to the skipped-to row raises this event again.
        VSFlexGrid1->CursorSet(*skip, newCol);
        return;
    }
    if (IsDataCol(ctx_.State, newCol)) TimePanelRefresh();
}

void frmMain::Grid_DoubleClick(const QPoint& at) {
    if (Loaded() && DoubleClickOffersMarks(ctx_.State, Cursor(), CursorCellHasText())) {
        mnuDbl->popup(at);
    }
}

void frmMain::Grid_RightButton(const QPoint& at) { mnuRight->popup(at); }

void frmMain::Grid_Drop(const std::string& path) {
    if (!ctx_.State.FindOpen) HistoryFileOpen(path);
}

}  // namespace viewer::ui
