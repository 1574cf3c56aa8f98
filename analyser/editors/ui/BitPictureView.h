// The bit picture below the item grid: draws a BitPicture, the two heading
// rows fixed on top and only the data rows in view, so a picture of a
// million bit positions scrolls as lightly as one of sixteen. Display
// only; it is rebuilt whole at every redraw.
#pragma once

#include <QAbstractScrollArea>

#include "BitPicture.h"

namespace analyser::editors::ui {

class BitPictureView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit BitPictureView(QWidget* parent = nullptr);

    void SetPicture(BitPicture picture);
    const BitPicture& Picture() const { return picture_; }

    // Pixel sizes of a cell.
    int ColumnWidth() const;
    int RowHeight() const;
    // The first data row at the top of the view.
    int64_t TopRow() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ScrollBarsSet();
    void RowPaint(QPainter& p, int64_t row, int y, bool heading) const;

    BitPicture picture_;
};

}  // namespace analyser::editors::ui
