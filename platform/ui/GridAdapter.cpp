#include "GridAdapter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "GridAdapterEditor.h"
#include "Twips.h"

namespace platform {

GridAdapter::GridAdapter(QWidget* parent) : QTableView(parent) {
    setModel(&model_);
    setItemDelegate(new GridAdapterEditor(*this));
    model_.SetFixedBrush(palette().color(QPalette::Button));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    connect(&model_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { CellsChanged(from, to); });
}

// --- size ---------------------------------------------------------------

void GridAdapter::SetRows(int rows) {
    model_.SetRows(rows);
    SizesApply();
    Remerge();
}

void GridAdapter::SetCols(int cols) {
    model_.SetCols(cols);
    SizesApply();
    Remerge();
}

void GridAdapter::SetFixedRows(int rows) { model_.SetFixed(rows, model_.FixedCols()); }

void GridAdapter::SetFixedCols(int cols) { model_.SetFixed(model_.FixedRows(), cols); }

// --- geometry ---------------------------------------------------------------

int GridAdapter::ColWidth(int col) const {
    if (col < 0 || col >= Cols()) return 0;
    if (isColumnHidden(col)) return 0;
    const auto it = colWidths_.find(col);
    return it != colWidths_.end() ? it->second : PixelsToTwips(columnWidth(col), this);
}

void GridAdapter::SetColWidth(int col, int twips) {
    if (col < 0 || col >= Cols()) return;
    colWidths_[col] = std::max(twips, 0);
    ColApply(col);
}

int GridAdapter::RowHeight(int row) const {
    if (row < 0 || row >= Rows()) return 0;
    if (isRowHidden(row)) return 0;
    const auto it = rowHeights_.find(row);
    return it != rowHeights_.end() ? it->second : PixelsToTwips(rowHeight(row), this);
}

void GridAdapter::SetRowHeight(int row, int twips) {
    if (row < 0 || row >= Rows()) return;
    rowHeights_[row] = std::max(twips, 0);
    RowApply(row);
}

void GridAdapter::SetDefaultRowHeight(int twips) {
    defaultRowHeight_ = std::max(twips, 0);
    if (defaultRowHeight_ > 0) {
        verticalHeader()->setDefaultSectionSize(TwipsToPixels(defaultRowHeight_, this));
    }
    SizesApply();
}

// Widths and heights live here by index, not in the header, so that they
// survive a grid that shrinks and grows again, and a zero hides.
void GridAdapter::SizesApply() {
    for (int c = 0; c < Cols(); ++c) ColApply(c);
    for (int r = 0; r < Rows(); ++r) RowApply(r);
}

void GridAdapter::ColApply(int col) {
    const auto it = colWidths_.find(col);
    if (it == colWidths_.end()) return;
    setColumnHidden(col, it->second == 0);
    if (it->second > 0) setColumnWidth(col, TwipsToPixels(it->second, this));
}

void GridAdapter::RowApply(int row) {
    const auto it = rowHeights_.find(row);
    const bool own = it != rowHeights_.end();
    const int twips = own ? it->second : defaultRowHeight_;
    setRowHidden(row, own && twips == 0);
    if (twips > 0) setRowHeight(row, TwipsToPixels(twips, this));
}

int GridAdapter::TopRow() const {
    const int row = rowAt(0);
    return row < 0 ? 0 : row;
}

void GridAdapter::SetTopRow(int row) {
    if (Rows() == 0) return;
    row = std::clamp(row, 0, Rows() - 1);
    const int cols = std::max(Cols(), 1);
    scrollTo(model_.index(row, std::min(std::max(columnAt(0), 0), cols - 1)),
             QAbstractItemView::PositionAtTop);
}

void GridAdapter::FitToCells() {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 2 * frameWidth();
    for (int c = 0; c < Cols(); ++c) width += isColumnHidden(c) ? 0 : columnWidth(c);
    int height = 2 * frameWidth();
    for (int r = 0; r < Rows(); ++r) height += isRowHidden(r) ? 0 : rowHeight(r);
    setFixedSize(width, height);
}

// --- the current cell -----------------------------------------------------------

int GridAdapter::Row() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

int GridAdapter::Col() const { return currentIndex().isValid() ? currentIndex().column() : -1; }

bool GridAdapter::SetCurrentCell(int row, int col) {
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols() || model_.IsFixed(row, col)) {
        return false;
    }
    setCurrentIndex(model_.index(row, col));
    return true;
}

std::pair<int, int> GridAdapter::CellAt(const QPoint& pos) const {
    const QModelIndex at = indexAt(viewport()->mapFrom(this, pos));
    if (!at.isValid()) return {-1, -1};
    return {at.row(), at.column()};
}

// A fixed cell cannot be current: a click or a key that lands there puts
// the current cell back where it was.
void GridAdapter::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (redirecting_) return;
    if (current.isValid() && model_.IsFixed(current.row(), current.column())) {
        redirecting_ = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        redirecting_ = false;
        return;
    }
    if (current.isValid()) emit CurrentCellChanged(current.row(), current.column());
}

// --- merging --------------------------------------------------------------------

void GridAdapter::SetMergeRow(int row, bool merge) {
    if (merge) {
        mergeRows_.insert(row);
    } else {
        mergeRows_.erase(row);
    }
    Remerge();
}

void GridAdapter::SetMergeCol(int col, bool merge) {
    if (merge) {
        mergeCols_.insert(col);
    } else {
        mergeCols_.erase(col);
    }
    Remerge();
}

void GridAdapter::CellsChanged(const QModelIndex& from, const QModelIndex& to) {
    if (mergeRows_.empty() && mergeCols_.empty()) return;
    for (int r = from.row(); r <= to.row(); ++r) {
        if (mergeRows_.count(r) != 0) return Remerge();
    }
    for (int c = from.column(); c <= to.column(); ++c) {
        if (mergeCols_.count(c) != 0) return Remerge();
    }
}

void GridAdapter::Remerge() {
    clearSpans();
    std::set<std::pair<int, int>> taken;
    for (int r : mergeRows_) RemergeRow(r, taken);
    for (int c : mergeCols_) RemergeCol(c, taken);
}

void GridAdapter::RemergeRow(int row, std::set<std::pair<int, int>>& taken) {
    if (row < 0 || row >= Rows()) return;
    for (int c = 0; c < Cols();) {
        const QString text = TextMatrix(row, c);
        int end = c + 1;
        while (!text.isEmpty() && end < Cols() && TextMatrix(row, end) == text) ++end;
        if (end - c > 1) {
            setSpan(row, c, 1, end - c);
            for (int k = c; k < end; ++k) taken.insert({row, k});
        }
        c = end;
    }
}

void GridAdapter::RemergeCol(int col, std::set<std::pair<int, int>>& taken) {
    if (col < 0 || col >= Cols()) return;
    for (int r = 0; r < Rows();) {
        const QString text = TextMatrix(r, col);
        int end = r + 1;
        while (!text.isEmpty() && end < Rows() && TextMatrix(end, col) == text &&
               taken.count({end, col}) == 0 && taken.count({r, col}) == 0) {
            ++end;
        }
        if (end - r > 1) setSpan(r, col, end - r, 1);
        r = end;
    }
}

// --- editing ----------------------------------------------------------------------

void GridAdapter::SetEditable(bool editable) {
    model_.SetEditable(editable);
    setEditTriggers(editable ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed)
                             : QAbstractItemView::NoEditTriggers);
}

void GridAdapter::SetColComboList(int col, const QStringList& items) {
    if (items.isEmpty()) {
        comboLists_.erase(col);
    } else {
        comboLists_[col] = items;
    }
}

QStringList GridAdapter::ColComboList(int col) const {
    const auto it = comboLists_.find(col);
    return it != comboLists_.end() ? it->second : QStringList();
}

bool GridAdapter::EditCell(int row, int col) {
    if (!Editable() || !SetCurrentCell(row, col)) return false;
    edit(model_.index(row, col));
    return Editing();
}

// --- events -------------------------------------------------------------------------

void GridAdapter::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front().isPrint();
    if (!Editable() && typed) {
        emit KeyTyped(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridAdapter::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) emit KeyReleased(event->key(), event->modifiers());
}

void GridAdapter::mouseMoveEvent(QMouseEvent* event) {
    QTableView::mouseMoveEvent(event);
    emit MouseMoved(viewport()->mapTo(this, event->position().toPoint()));
}

void GridAdapter::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton) {
        emit RightButtonReleased(event->globalPosition().toPoint());
    }
}

void GridAdapter::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    emit CellDoubleClicked(at.isValid() ? at.row() : -1, at.isValid() ? at.column() : -1);
}

void GridAdapter::keyboardSearch(const QString&) {}

}  // namespace platform
