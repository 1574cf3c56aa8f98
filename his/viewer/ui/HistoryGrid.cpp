#include "HistoryGrid.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <algorithm>
#include <string>

#include "platform/ui/NoThrow.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/Twips.h"

namespace viewer::ui {

HistoryGrid::HistoryGrid(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("VSFlexGrid1"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // One page fits the grid: paging is the separate scroll bar's job.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setWordWrap(false);
}

void HistoryGrid::LayoutApply(const std::vector<int>& colWidths,
                              const std::vector<int>& rowHeights) {
    rowHeights_ = rowHeights;
    for (size_t c = 0; c < colWidths.size(); ++c) {
        const int col = static_cast<int>(c);
        setColumnHidden(col, colWidths[c] <= 0);
        if (colWidths[c] > 0) setColumnWidth(col, platform::TwipsToPixels(colWidths[c], this));
    }
    for (size_t r = 0; r < rowHeights.size(); ++r) {
        const int row = static_cast<int>(r);
        setRowHidden(row, rowHeights[r] <= 0);
        if (rowHeights[r] > 0) setRowHeight(row, platform::TwipsToPixels(rowHeights[r], this));
    }
}

viewer::GridMetrics HistoryGrid::MetricsFor(int32_t records) const {
    viewer::GridMetrics m;
    const auto twips = [this](int px) { return platform::PixelsToTwips(px, this); };
    QStringList hex;
    for (const QChar letter : QStringLiteral(" pofqjix")) {
        for (const QChar digit : QStringLiteral("0123456789ABCDEF")) hex << QString(letter) + digit + digit;
    }
    // A line number has at least five digits, and no more than the
    // history has records.
    const auto digits = static_cast<int>(std::max<size_t>(5, std::to_string(std::max(records, 1)).size()));
    QStringList numbers = platform::WithEveryDigit({QString(digits, u'0')});
    numbers << QStringLiteral("No.");
    m.NoCol = std::max(m.NoCol, twips(platform::CellWidthFor(this, numbers)));
    m.LabelCol = std::max(m.LabelCol, twips(platform::CellWidthFor(this, {"S", "R", "L"})));
    m.DataCol = std::max(m.DataCol, twips(platform::CellWidthFor(this, hex)));
    m.Row = std::max(m.Row, twips(platform::CellHeightFor(this)));
    return m;
}

int HistoryGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() : 0; }

int HistoryGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }

void HistoryGrid::CursorSet(int row, int col) {
    if (model() == nullptr) return;
    const QModelIndex target = model()->index(row, col);
    if (target.isValid()) setCurrentIndex(target);
}

void HistoryGrid::keyPressEvent(QKeyEvent* event) {
    const int key = ViewerKeyCode(event->key());
    if (key != 0 && OnKeyDown) platform::NoThrow("grid key", [&] { OnKeyDown(key); });
    // The key is never consumed: the view moves its cursor as usual.
    QTableView::keyPressEvent(event);
}

void HistoryGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid() || !OnCursorChanged) return;
    const int oldRow = previous.isValid() ? previous.row() : current.row();
    platform::NoThrow("grid cursor",
                      [&] { OnCursorChanged(oldRow, current.row(), current.column()); });
}

void HistoryGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (OnDoubleClick) {
        platform::NoThrow("grid double-click", [&] { OnDoubleClick(event->globalPosition().toPoint()); });
    }
}

void HistoryGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::RightButton && OnRightButton) {
        platform::NoThrow("grid right button",
                          [&] { OnRightButton(event->globalPosition().toPoint()); });
    }
}

void HistoryGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void HistoryGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void HistoryGrid::dropEvent(QDropEvent* event) {
    std::string path;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            path = url.toLocalFile().toStdString();
            break;
        }
    }
    if (path.empty()) return;
    event->acceptProposedAction();
    if (OnFileDrop) platform::NoThrow("grid drop", [&] { OnFileDrop(path); });
}

int ViewerKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        default: return 0;
    }
}

}  // namespace viewer::ui
