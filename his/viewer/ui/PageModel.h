// The grid's model: exactly one page of cells as the viewer's page
// renderer computed it, with the row colours of the display colours. A
// redraw swaps the whole page in; however long the history, the view never
// holds more than one page.
#pragma once

#include <QAbstractTableModel>
#include <QPalette>

#include "Colors.h"
#include "PageRender.h"

namespace viewer::ui {

class PageModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit PageModel(QObject* parent = nullptr);

    // A page of the same shape only repaints; another shape resets the view.
    void PageSet(GridPage page);
    void ColorsSet(const GridColors& colors, const QPalette& palette);
    const GridPage& Page() const { return page_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The cell's text as the grid shows it; empty outside the page.
    QString CellText(int row, int col) const;
    // The background the cell is painted with.
    QColor CellBack(int row, int col) const;

private:
    QVariant Alignment(int col) const;

    GridPage page_{0, 0};
    GridColors colors_{};
    QPalette palette_;
};

}  // namespace viewer::ui
