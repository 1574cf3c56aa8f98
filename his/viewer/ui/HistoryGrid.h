// The history grid: a table view over the one page the model holds. It
// hides its own headers (row 0 of the page is the header), sizes rows and
// columns from the layout in twips, and reports what the main window
// reacts to: keys before the view moves its cursor, cursor moves, double
// clicks, the right button and files dropped on it.
#pragma once

#include <QTableView>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ViewerState.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;

namespace viewer::ui {

class PageModel;

class HistoryGrid : public QTableView {
    Q_OBJECT

public:
    explicit HistoryGrid(QWidget* parent = nullptr);

    // Twips as the layout gives them; a row of height 0 is hidden.
    void LayoutApply(const std::vector<int>& colWidths, const std::vector<int>& rowHeights);
    // The design's column widths and row height, widened where the grid's
    // font needs more to show its widest texts whole: an error letter and
    // two hex digits, the line number of a history of that many records.
    viewer::GridMetrics MetricsFor(int32_t records) const;

    int Row() const;
    int Col() const;
    void CursorSet(int row, int col);

    // key is the window system's key code (33 Page Up, 34 Page Down, 38
    // Up, 40 Down, ...), given before the view moves its cursor.
    std::function<void(int key)> OnKeyDown;
    std::function<void(int oldRow, int newRow, int newCol)> OnCursorChanged;
    std::function<void(const QPoint& globalPos)> OnDoubleClick;
    std::function<void(const QPoint& globalPos)> OnRightButton;
    std::function<void(const std::string& path)> OnFileDrop;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::vector<int> rowHeights_;
};

// The key code the grid reports for a key of the window system; 0 for
// keys the viewer has no rule for.
int ViewerKeyCode(int qtKey);

}  // namespace viewer::ui
