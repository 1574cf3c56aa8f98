// The trigger editor's four pattern grids: typed hex keys, Delete, the
// NOT marks, the code picker on a double click and the string entry of the
// context menu, each shown in the grid as soon as it changed the pattern.
#include <QApplication>

#include "CodePickerList.h"
#include "SubFormWindow.h"
#include "frmString.h"
#include "frmTrig.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/Twips.h"
#include "platform/ui/frmCode.h"

namespace mon {

namespace {

constexpr int kRowTwips = 300;
constexpr int kColTwips = 540;

template <typename F>
auto Guarded(const char* where, F f) {
    return [where, f](auto&&... args) { platform::NoThrow(where, [&] { f(args...); }); };
}

}  // namespace

platform::GridAdapter* frmTrig::DesignGrid(int grid) {
    auto* g = new platform::GridAdapter;
    VSFlexGrid[static_cast<size_t>(grid)] = g;
    g->setObjectName(QStringLiteral("VSFlexGrid%1").arg(grid));
    const TriggerPattern& pattern = edit_.Grid(grid);
    g->SetRows(pattern.GridRows());
    g->SetCols(pattern.Columns());
    g->SetDefaultRowHeight(kRowTwips);
    for (int c = 0; c < pattern.Columns(); ++c) {
        g->SetColWidth(c, kColTwips);
        g->SetColAlignment(c, Qt::AlignCenter);
    }
    g->FitToCells();
    connect(g, &platform::GridAdapter::KeyTyped, this,
            Guarded("pattern grid", [this, grid](const QString& text) { GridKeyTyped(grid, text); }));
    connect(g, &platform::GridAdapter::KeyReleased, this,
            Guarded("pattern grid", [this, grid](int key, Qt::KeyboardModifiers) { GridKeyReleased(grid, key); }));
    connect(g, &platform::GridAdapter::CurrentCellChanged, this,
            Guarded("pattern grid", [this, grid](int, int) { edit_.Grid(grid).CurrentCellChanged(); }));
    connect(g, &platform::GridAdapter::CellDoubleClicked, this,
            Guarded("pattern grid", [this, grid](int row, int col) { GridDoubleClick(grid, row, col); }));
    connect(g, &platform::GridAdapter::MouseMoved, this,
            Guarded("pattern grid", [this, grid](const QPoint& pos) { GridMouseMoved(grid, pos); }));
    connect(g, &platform::GridAdapter::RightButtonReleased, this,
            Guarded("pattern grid", [this, grid](const QPoint& at) { GridRightReleased(grid, at); }));
    return g;
}

QLabel* frmTrig::RowTitle(const QString& text) {
    auto* title = new QLabel(text);
    title->setFixedHeight(platform::TwipsToPixels(kRowTwips, this));
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return title;
}

void frmTrig::GridShow(int grid) {
    platform::GridAdapter* g = VSFlexGrid[static_cast<size_t>(grid)];
    const TriggerPattern& pattern = edit_.Grid(grid);
    for (int row = 0; row < pattern.GridRows(); ++row) {
        for (int col = 0; col < pattern.Columns(); ++col) {
            g->SetTextMatrix(row, col, QString::fromStdString(pattern.CellText(row, col, settings_.Code)));
        }
    }
}

void frmTrig::GridKeyTyped(int grid, const QString& text) {
    if (text.size() != 1 || text[0].unicode() > 0x7F) return;
    platform::GridAdapter* g = VSFlexGrid[static_cast<size_t>(grid)];
    if (edit_.Grid(grid).KeyTyped(text[0].toLatin1(), g->Row(), g->Col())) GridShow(grid);
}

void frmTrig::GridKeyReleased(int grid, int key) {
    if (key != Qt::Key_Delete) return;
    platform::GridAdapter* g = VSFlexGrid[static_cast<size_t>(grid)];
    if (edit_.Grid(grid).DeleteReleased(g->Row(), g->Col())) GridShow(grid);
}

void frmTrig::GridDoubleClick(int grid, int row, int col) {
    TriggerPattern& pattern = edit_.Grid(grid);
    if (row < 0 || col < 0) return;
    if (!pattern.OpensPicker(row)) {
        pattern.MarkToggle(col);
    } else if (!pattern.PickApply(col, CodePickRun(pattern.PickStart(col)))) {
        return;
    }
    GridShow(grid);
}

void frmTrig::GridMouseMoved(int grid, const QPoint& pos) {
    const QPoint at = VSFlexGrid[static_cast<size_t>(grid)]->mapToGlobal(pos);
    PickerAnchorX = static_cast<float>(platform::PixelsToTwips(at.x(), this));
    PickerAnchorY = static_cast<float>(platform::PixelsToTwips(at.y(), this));
}

void frmTrig::GridRightReleased(int grid, const QPoint& globalPos) {
    menuGrid_ = grid;
    mnuRight->popup(globalPos);
}

void frmTrig::mnuRightEnter_Click() {
    std::string text;
    if (!StringEntryRun(text, PageOfGrid(menuGrid_) == kStartPage)) return;
    const std::optional<std::string> bytes = SingleByteCodes(text);
    if (!bytes) return;  // the entry took none such; nothing to show
    edit_.Grid(menuGrid_).StringSet(*bytes);
    GridShow(menuGrid_);
}

int16_t frmTrig::CodePickerOpen(int16_t picked) {
    const store::CodePickerList list = store::CodePickerListFor(settings_.Code, picked, kMonitorPickerRules);
    platform::frmCode picker(this, list.modeName, list.rows, list.selectedRow, picked);
    SubFormPlaceAtAnchor(&picker, this, "frmCode", PickerAnchorX, PickerAnchorY);
    picker.exec();
    return picker.PickedCode();
}

bool frmTrig::StringEntryOpen(std::string& text, bool startPage) {
    return frmString::CharGet(this, text, startPage, PickerAnchorX, PickerAnchorY);
}

}  // namespace mon
