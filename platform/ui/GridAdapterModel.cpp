#include "GridAdapterModel.h"

#include <algorithm>

namespace platform {

namespace {

constexpr Qt::Alignment kDefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

GridAdapterModel::GridAdapterModel(QObject* parent)
    : QAbstractTableModel(parent), fixedBrush_(QColor(0xF0, 0xF0, 0xF0)) {}

int GridAdapterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridAdapterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridAdapterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Inside(index.row(), index.column())) return {};
    const Cell& cell = At(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return cell.text;
        case Qt::ForegroundRole: return cell.fore.isValid() ? QVariant(cell.fore) : QVariant();
        case Qt::BackgroundRole:
            if (cell.back.isValid()) return cell.back;
            return IsFixed(index.row(), index.column()) ? QVariant(fixedBrush_) : QVariant();
        case Qt::TextAlignmentRole: return QVariant::fromValue(ColAlignment(index.column()));
        default: return {};
    }
}

bool GridAdapterModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !Inside(index.row(), index.column())) return false;
    SetText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags GridAdapterModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !Inside(index.row(), index.column())) return Qt::NoItemFlags;
    if (IsFixed(index.row(), index.column())) return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_) f |= Qt::ItemIsEditable;
    return f;
}

void GridAdapterModel::SetRows(int rows) {
    rows = std::max(rows, 0);
    if (rows == rows_) return;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(cols_));
        endInsertRows();
    } else {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        cells_.resize(static_cast<size_t>(rows_) * static_cast<size_t>(cols_));
        endRemoveRows();
    }
    SetFixed(fixedRows_, fixedCols_);
}

void GridAdapterModel::SetCols(int cols) {
    cols = std::max(cols, 0);
    if (cols == cols_) return;
    // Views are told before any cell moves: until then they may still read
    // every cell as it was.
    const bool growing = cols > cols_;
    if (growing) {
        beginInsertColumns({}, cols_, cols - 1);
    } else {
        beginRemoveColumns({}, cols, cols_ - 1);
    }
    std::vector<Cell> moved(static_cast<size_t>(rows_) * static_cast<size_t>(cols));
    const int kept = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < kept; ++c) {
            moved[static_cast<size_t>(r) * static_cast<size_t>(cols) + static_cast<size_t>(c)] =
                std::move(At(r, c));
        }
    }
    cells_ = std::move(moved);
    cols_ = cols;
    colAlign_.resize(static_cast<size_t>(cols_), kDefaultAlignment);
    if (growing) {
        endInsertColumns();
    } else {
        endRemoveColumns();
    }
    SetFixed(fixedRows_, fixedCols_);
}

void GridAdapterModel::SetFixed(int rows, int cols) {
    rows = std::clamp(rows, 0, rows_);
    cols = std::clamp(cols, 0, cols_);
    if (rows == fixedRows_ && cols == fixedCols_) return;
    fixedRows_ = rows;
    fixedCols_ = cols;
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

bool GridAdapterModel::IsFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

QString GridAdapterModel::Text(int row, int col) const {
    return Inside(row, col) ? At(row, col).text : QString();
}

void GridAdapterModel::SetText(int row, int col, const QString& text) {
    if (!Inside(row, col) || At(row, col).text == text) return;
    At(row, col).text = text;
    CellChanged(row, col, Qt::DisplayRole);
}

QColor GridAdapterModel::ForeColor(int row, int col) const {
    return Inside(row, col) ? At(row, col).fore : QColor();
}

void GridAdapterModel::SetForeColor(int row, int col, const QColor& color) {
    if (!Inside(row, col) || At(row, col).fore == color) return;
    At(row, col).fore = color;
    CellChanged(row, col, Qt::ForegroundRole);
}

QColor GridAdapterModel::BackColor(int row, int col) const {
    return Inside(row, col) ? At(row, col).back : QColor();
}

void GridAdapterModel::SetBackColor(int row, int col, const QColor& color) {
    if (!Inside(row, col) || At(row, col).back == color) return;
    At(row, col).back = color;
    CellChanged(row, col, Qt::BackgroundRole);
}

void GridAdapterModel::ClearCells() {
    for (Cell& cell : cells_) cell = Cell{};
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

void GridAdapterModel::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_) return;
    colAlign_[static_cast<size_t>(col)] = alignment;
    if (rows_ > 0) emit dataChanged(index(0, col), index(rows_ - 1, col), {Qt::TextAlignmentRole});
}

Qt::Alignment GridAdapterModel::ColAlignment(int col) const {
    if (col < 0 || col >= cols_) return kDefaultAlignment;
    return colAlign_[static_cast<size_t>(col)];
}

void GridAdapterModel::SetEditable(bool editable) { editable_ = editable; }

void GridAdapterModel::SetFixedBrush(const QColor& color) { fixedBrush_ = color; }

bool GridAdapterModel::Inside(int row, int col) const {
    return row >= 0 && col >= 0 && row < rows_ && col < cols_;
}

GridAdapterModel::Cell& GridAdapterModel::At(int row, int col) {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col)];
}

const GridAdapterModel::Cell& GridAdapterModel::At(int row, int col) const {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col)];
}

void GridAdapterModel::CellChanged(int row, int col, int role) {
    const QModelIndex at = index(row, col);
    emit dataChanged(at, at, {role});
}

}  // namespace platform
