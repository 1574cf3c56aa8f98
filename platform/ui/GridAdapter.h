// The grid the forms are built with: a table view over a GridAdapterModel
// that offers what the forms ask of their grid control. Rows and columns
// are counted from 0 and include the fixed ones; sizes are in twips, as
// the forms give them; the grid reports its events as signals.
//
// - Size: Rows/Cols, FixedRows/FixedCols (heading cells, never current,
//   never edited; they scroll with the other rows).
// - Cells: TextMatrix, fore and back colours, one alignment per column.
// - Geometry: column widths and row heights (0 hides the row or column),
//   TopRow, and FitToCells for a grid that shows all of itself.
// - Merging: in a row (or column) marked for merging, neighbouring cells
//   with the same text that is not empty show as one cell. Row merges are
//   laid first; a cell already merged in its row is not merged again in
//   its column.
// - Editing (off unless SetEditable): a text box in each cell, or a
//   drop-down list where the column has a combo list; BeforeEdit may
//   refuse to open an editor and ValidateEdit refuses a text, which keeps
//   the editor open on Enter (both may be asked more than once per edit).
//   AfterEdit reports every text that went into a cell.
// - Keys: with editing off, a typed character is reported by KeyTyped and
//   does nothing else (no jump to a cell by its first letter); the arrow
//   keys move the current cell.
#ifndef PLATFORM_UI_GRID_ADAPTER_H
#define PLATFORM_UI_GRID_ADAPTER_H

#include <QStringList>
#include <QTableView>

#include <functional>
#include <map>
#include <set>
#include <utility>

#include "GridAdapterModel.h"

namespace platform {

class GridAdapter : public QTableView {
    Q_OBJECT

public:
    explicit GridAdapter(QWidget* parent = nullptr);

    GridAdapterModel& Model() { return model_; }
    const GridAdapterModel& Model() const { return model_; }

    // --- size ---------------------------------------------------------
    int Rows() const { return model_.Rows(); }
    void SetRows(int rows);
    int Cols() const { return model_.Cols(); }
    void SetCols(int cols);
    int FixedRows() const { return model_.FixedRows(); }
    void SetFixedRows(int rows);
    int FixedCols() const { return model_.FixedCols(); }
    void SetFixedCols(int cols);

    // --- cells ----------------------------------------------------------
    QString TextMatrix(int row, int col) const { return model_.Text(row, col); }
    void SetTextMatrix(int row, int col, const QString& text) { model_.SetText(row, col, text); }
    QColor CellForeColor(int row, int col) const { return model_.ForeColor(row, col); }
    void SetCellForeColor(int row, int col, const QColor& c) { model_.SetForeColor(row, col, c); }
    QColor CellBackColor(int row, int col) const { return model_.BackColor(row, col); }
    void SetCellBackColor(int row, int col, const QColor& c) { model_.SetBackColor(row, col, c); }
    Qt::Alignment ColAlignment(int col) const { return model_.ColAlignment(col); }
    void SetColAlignment(int col, Qt::Alignment a) { model_.SetColAlignment(col, a); }
    // Every cell's text and colours; sizes, widths and marks stay.
    void Clear() { model_.ClearCells(); }

    // --- geometry (twips) -----------------------------------------------
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int twips);
    // The height of every row, present and future, that has none of its own.
    void SetDefaultRowHeight(int twips);
    // The first row shown at the top; setting scrolls it there as far as
    // the rows below allow.
    int TopRow() const;
    void SetTopRow(int row);
    // Fixes the widget's size to show every row and column, no scroll bars.
    void FitToCells();

    // --- the current cell -------------------------------------------------
    int Row() const;
    int Col() const;
    // A cell outside the grid or in its fixed part is refused (false).
    bool SetCurrentCell(int row, int col);
    // The cell at a point of the grid widget; -1, -1 when there is none.
    std::pair<int, int> CellAt(const QPoint& pos) const;

    // --- merging ------------------------------------------------------------
    void SetMergeRow(int row, bool merge);
    void SetMergeCol(int col, bool merge);
    bool MergeRow(int row) const { return mergeRows_.count(row) != 0; }
    bool MergeCol(int col) const { return mergeCols_.count(col) != 0; }

    // --- editing ------------------------------------------------------------
    void SetEditable(bool editable);
    bool Editable() const { return model_.Editable(); }
    // An empty list gives the column a text box again.
    void SetColComboList(int col, const QStringList& items);
    QStringList ColComboList(int col) const;
    // Opens the editor on a cell, as a double click on it does.
    bool EditCell(int row, int col);
    // An editor is open in a cell.
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    std::function<bool(int row, int col)> BeforeEdit;
    std::function<bool(int row, int col, const QString& text)> ValidateEdit;

signals:
    void CurrentCellChanged(int row, int col);
    // The cell under the pointer (-1, -1 on no cell).
    void CellDoubleClicked(int row, int col);
    void KeyTyped(const QString& text);
    void KeyReleased(int key, Qt::KeyboardModifiers modifiers);
    // The pointer's position in the grid widget.
    void MouseMoved(const QPoint& pos);
    void RightButtonReleased(const QPoint& globalPos);
    void AfterEdit(int row, int col);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString& search) override;

private:
    void CellsChanged(const QModelIndex& from, const QModelIndex& to);
    void Remerge();
    void RemergeRow(int row, std::set<std::pair<int, int>>& taken);
    void RemergeCol(int col, std::set<std::pair<int, int>>& taken);
    void SizesApply();
    void ColApply(int col);
    void RowApply(int row);

    GridAdapterModel model_;
    std::set<int> mergeRows_;
    std::set<int> mergeCols_;
    std::map<int, QStringList> comboLists_;
    std::map<int, int> colWidths_;   // twips, by column
    std::map<int, int> rowHeights_;  // twips, by row
    int defaultRowHeight_ = 0;       // twips; 0 the style's own
    bool redirecting_ = false;
};

}  // namespace platform

#endif
