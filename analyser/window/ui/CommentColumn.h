// A comment column (picCommentsL, picCommentsR): one painted widget that
// draws the comment of each row on the page beside the row, wrapped at
// the column's width, the left column aligned right and the right one
// left, so both read towards the chart.
#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

#include "ChartModel.h"

namespace analyser::ui {

class CommentColumn : public QFrame {
    Q_OBJECT

public:
    // side 0 the left column (first comment), 1 the right one.
    CommentColumn(const ChartModel& model, int side, QWidget* parent);

    // Height in twips of text wrapped at this column's width: at least
    // one line, as an empty label still takes one.
    int WrappedHeightTwips(const QString& text) const;
    // Where a slot's comment is drawn, in pixels.
    QRect CommentRect(int slot) const;
    QString Comment(int slot) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int Px(int twips) const;

    const ChartModel& model_;
    int side_;
};

}  // namespace analyser::ui
