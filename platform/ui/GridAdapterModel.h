// The cells behind a GridAdapter: a rows x cols matrix of texts with their
// own fore and back colours, the fixed rows and columns that look like
// headings, and one alignment per column. A plain table model, so a grid
// of any size costs one small record per cell and no widget item.
#ifndef PLATFORM_UI_GRID_ADAPTER_MODEL_H
#define PLATFORM_UI_GRID_ADAPTER_MODEL_H

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <vector>

namespace platform {

class GridAdapterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GridAdapterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Growing adds empty cells, shrinking drops the cells outside; the
    // cells inside keep what they hold.
    void SetRows(int rows);
    void SetCols(int cols);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    // Fixed rows and columns are drawn in the button colour and can be
    // neither chosen nor edited. Counts are cut to the grid's size.
    void SetFixed(int rows, int cols);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    bool IsFixed(int row, int col) const;

    // Outside the grid: empty text and invalid colours; setting changes
    // nothing.
    QString Text(int row, int col) const;
    void SetText(int row, int col, const QString& text);
    // An invalid colour is the grid's default.
    QColor ForeColor(int row, int col) const;
    void SetForeColor(int row, int col, const QColor& color);
    QColor BackColor(int row, int col) const;
    void SetBackColor(int row, int col, const QColor& color);
    // Empties every cell's text and colours; sizes and fixed counts stay.
    void ClearCells();

    // Alignment of one column's cells; left and vertically centred unless set.
    void SetColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment ColAlignment(int col) const;

    // Whether non-fixed cells take an editor.
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }

    // The colour of fixed cells without a back colour of their own.
    void SetFixedBrush(const QColor& color);

private:
    struct Cell {
        QString text;
        QColor fore;
        QColor back;
    };

    bool Inside(int row, int col) const;
    Cell& At(int row, int col);
    const Cell& At(int row, int col) const;
    void CellChanged(int row, int col, int role);

    int rows_ = 0;
    int cols_ = 0;
    std::vector<Cell> cells_;  // row by row
    std::vector<Qt::Alignment> colAlign_;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    bool editable_ = false;
    QColor fixedBrush_;
};

}  // namespace platform

#endif
