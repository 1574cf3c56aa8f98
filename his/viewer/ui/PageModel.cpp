#include "PageModel.h"

#include <utility>

#include "ViewerColor.h"

namespace viewer::ui {

PageModel::PageModel(QObject* parent) : QAbstractTableModel(parent) {}

void PageModel::PageSet(GridPage page) {
    const bool sameShape = page.Rows == page_.Rows && page.Cols == page_.Cols;
    if (!sameShape) beginResetModel();
    page_ = std::move(page);
    if (!sameShape) {
        endResetModel();
        return;
    }
    if (page_.Rows > 0 && page_.Cols > 0) {
        emit dataChanged(index(0, 0), index(page_.Rows - 1, page_.Cols - 1));
    }
}

void PageModel::ColorsSet(const GridColors& colors, const QPalette& palette) {
    colors_ = colors;
    palette_ = palette;
    if (page_.Rows > 0 && page_.Cols > 0) {
        emit dataChanged(index(0, 0), index(page_.Rows - 1, page_.Cols - 1));
    }
}

int PageModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : page_.Rows;
}

int PageModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : page_.Cols;
}

QString PageModel::CellText(int row, int col) const {
    if (row < 0 || col < 0 || row >= page_.Rows || col >= page_.Cols) return {};
    return QString::fromStdString(page_.Text(row, col));
}

QColor PageModel::CellBack(int row, int col) const {
    if (row == 0) return palette_.color(QPalette::Button);  // the fixed header row
    if (row < page_.Rows && col < page_.Cols) {
        const auto& back = page_.At(row, col).Back;
        if (back) return ScreenColor(*back, palette_);
    }
    // Rows alternate from the first data row on, as the S and R rows of a
    // DUAL line do.
    return ScreenColor((row - 1) % 2 == 0 ? colors_.Back : colors_.BackAlt, palette_);
}

QVariant PageModel::Alignment(int col) const {
    Align align = Align::Centre;
    if (col >= 0 && static_cast<size_t>(col) < page_.ColAlign.size()) {
        align = page_.ColAlign[static_cast<size_t>(col)];
    }
    switch (align) {
        case Align::Left: return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        case Align::Right: return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        case Align::Centre: break;
    }
    return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
}

QVariant PageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole: return CellText(index.row(), index.column());
        case Qt::BackgroundRole: return CellBack(index.row(), index.column());
        case Qt::ForegroundRole: return ScreenColor(colors_.Fore, palette_);
        case Qt::TextAlignmentRole: return Alignment(index.column());
        default: return {};
    }
}

Qt::ItemFlags PageModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    // Drops land on the view as a whole; cells only take the cursor.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace viewer::ui
