// The byte row of the conversion, filter and find windows: a grid of hex
// cells of at most two digits each, edited by its own keys. The grid's
// own editing never starts: 0-9 and A-F (main keys or number pad, with or
// without Shift) append a digit and keep the last two, Backspace and
// Delete empty the cell, the arrow keys move, and, where the window asks
// for it, Enter moves to the next cell, from the last column to the next
// row, from the last cell into a new row. Every other key does nothing.
#pragma once

#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/GridAdapter.h"

namespace analyser::ui {

class HexByteRow : public QWidget {
    Q_OBJECT

public:
    // A grid of one row of cols cells.
    HexByteRow(int cols, QWidget* parent = nullptr);

    platform::GridAdapter* const Grid;

    // Each column this many twips wide; 0 shares the grid's width out.
    // Either way a cell is never narrower than two hex digits.
    void SetColumnTwips(int twips);
    // Enter moves on and adds rows.
    void SetEnterAdvances(bool on) { enterAdvances_ = on; }

    // The bytes of the cells in reading order up to the first empty one.
    std::string Bytes() const;
    // Shows bytes, one a cell from the first, adding rows for all of them;
    // the cells after them are emptied.
    void SetBytes(std::string_view bytes);
    // Empties every cell (the rows stay) and makes the first one current.
    void Clear();

    QString Cell(int row, int col) const { return Grid->TextMatrix(row, col); }
    std::vector<std::string> Cells() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void EnterMove();
    void WidthsApply();

    int cols_;
    int columnTwips_ = 0;
    bool enterAdvances_ = false;
};

}  // namespace analyser::ui
