#include "HexByteRow.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

#include "HexByteCells.h"
#include "platform/ui/NoThrow.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/Twips.h"

namespace analyser::ui {

namespace {

// The hex digit a key stands for, 0 for none.
char KeyDigit(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<char>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_F) return static_cast<char>('A' + (key - Qt::Key_A));
    return 0;
}

}  // namespace

HexByteRow::HexByteRow(int cols, QWidget* parent)
    : QWidget(parent), Grid(new platform::GridAdapter(this)), cols_(std::max(cols, 1)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Grid);
    Grid->SetCols(cols_);
    Grid->SetRows(1);
    for (int c = 0; c < cols_; ++c) Grid->SetColAlignment(c, Qt::AlignCenter);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->installEventFilter(this);
    Grid->SetCurrentCell(0, 0);
    setFocusProxy(Grid);
}

void HexByteRow::SetColumnTwips(int twips) {
    columnTwips_ = std::max(twips, 0);
    WidthsApply();
}

void HexByteRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    WidthsApply();
}

// Every cell at least as wide as two hex digits in the grid's font; the
// row never narrower than all its cells, so none is ever cut.
void HexByteRow::WidthsApply() {
    QStringList pairs;
    for (const char d : std::string_view("0123456789ABCDEF")) pairs << QString(2, QChar::fromLatin1(d));
    const int least = platform::CellWidthFor(Grid, pairs);
    const int frame = 2 * Grid->frameWidth();
    setMinimumWidth(least * cols_ + frame);
    int px = 0;
    if (columnTwips_ > 0) {
        px = std::max(platform::TwipsToPixels(columnTwips_, this), least);
        setMinimumWidth(px * cols_ + frame);
    } else {
        // From the grid's own width: its viewport follows only later, and
        // not at all before the grid is first shown.
        const QScrollBar* bar = Grid->verticalScrollBar();
        const int inner = Grid->width() - frame - (bar->isVisible() ? bar->width() : 0);
        px = std::max(inner / cols_, least);
    }
    for (int c = 0; c < cols_; ++c) Grid->SetColWidth(c, platform::PixelsToTwips(px, this));
}

std::vector<std::string> HexByteRow::Cells() const {
    std::vector<std::string> cells;
    for (int r = 0; r < Grid->Rows(); ++r) {
        for (int c = 0; c < cols_; ++c) cells.push_back(Grid->TextMatrix(r, c).toStdString());
    }
    return cells;
}

std::string HexByteRow::Bytes() const { return HexCellsBytes(Cells()); }

void HexByteRow::SetBytes(std::string_view bytes) {
    const std::vector<std::string> cells = HexCellsOf(bytes);
    const int rows = std::max<int>(Grid->Rows(), static_cast<int>((cells.size() + size_t(cols_) - 1) / size_t(cols_)));
    Grid->SetRows(std::max(rows, 1));
    Grid->Clear();
    for (size_t i = 0; i < cells.size(); ++i) {
        Grid->SetTextMatrix(static_cast<int>(i) / cols_, static_cast<int>(i) % cols_, QString::fromStdString(cells[i]));
    }
}

void HexByteRow::Clear() {
    Grid->Clear();
    Grid->SetCurrentCell(0, 0);
}

bool HexByteRow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Grid && event->type() == QEvent::Resize) {
        platform::NoThrow("HexByteRow", [&] { WidthsApply(); });
        return QWidget::eventFilter(watched, event);
    }
    if (watched != Grid || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    bool handled = true;
    platform::NoThrow("HexByteRow", [&] { handled = KeyDown(key->key(), key->modifiers()); });
    return handled;
}

// True when the key is used up here; the arrow and page keys go on to the
// grid, which moves its current cell.
bool HexByteRow::KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const int row = Grid->Row();
    const int col = Grid->Col();
    if (const char digit = KeyDigit(key); digit != 0 && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
        if (row < 0 || col < 0) return true;
        const auto text = HexCellTyped(Grid->TextMatrix(row, col).toStdString(), digit);
        if (text) Grid->SetTextMatrix(row, col, QString::fromStdString(*text));
        return true;
    }
    switch (key) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            if (row >= 0 && col >= 0) Grid->SetTextMatrix(row, col, QString());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!enterAdvances_) return false;  // the window's default button
            EnterMove();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return false;
        default:
            return true;  // typed characters never reach the grid
    }
}

void HexByteRow::EnterMove() {
    int row = std::max(Grid->Row(), 0);
    int col = Grid->Col() + 1;
    if (col >= cols_) {
        col = 0;
        ++row;
        if (row >= Grid->Rows()) Grid->SetRows(row + 1);
    }
    Grid->SetCurrentCell(row, col);
}

}  // namespace analyser::ui
