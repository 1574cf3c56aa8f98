#include "GridLayout.h"

#include <algorithm>
#include <array>
#include <limits>

#include "platform/text/Rounding.h"

namespace mon {

namespace {

constexpr std::array<int, kDetailCols - 1> kDetailWidths = {800, 800, 800, 600, 2000, 400,
                                                            300, 300, 300, 300, 300,  700};
constexpr std::array<const char*, kDetailCols> kDetailHeaders = {
    "TR", "SD", "RD", "DATA", "DATE", "CH", "S", "T", "P", "O", "F", "TIME", ""};

// Rows that fit below the first one: the grid height over one row's height,
// less one.
int RowsFor(int gridHeight, int rowHeight) {
    if (rowHeight <= 0) return 0;
    return FittingCount(static_cast<double>(gridHeight) / rowHeight - 1.0);
}

GridLayout DataLayout(int gridWidth, int gridHeight, int rowHeight) {
    GridLayout g;
    g.cols = FittingCount(static_cast<double>(gridWidth) / kDataCellTwips - 1.0);
    g.rows = RowsFor(gridHeight, rowHeight);
    g.colWidths.assign(static_cast<size_t>(g.cols), kDataCellTwips);
    g.align = CellAlign::Right;
    g.selection = 0;
    return g;
}

GridLayout DetailLayout(int gridWidth, int gridHeight, int rowHeight, int dateWidth) {
    GridLayout g;
    g.fixedRows = 1;
    g.cols = kDetailCols;
    g.rows = std::max(RowsFor(gridHeight, rowHeight), g.fixedRows);
    g.colWidths.assign(kDetailWidths.begin(), kDetailWidths.end());
    int& date = g.colWidths[kDetailDateCol];
    const int widened = std::max(date, dateWidth) - date;
    date += widened;
    g.colWidths.push_back(std::max(gridWidth - kDetailFixedTwips - widened, 0));
    g.headers.assign(kDetailHeaders.begin(), kDetailHeaders.end());
    g.align = CellAlign::Centre;
    g.selection = 1;
    return g;
}

}  // namespace

int FittingCount(double value) {
    const double rounded = platform::BankersRound(value);
    if (!(rounded > 0)) return 0;
    return static_cast<int>(
        std::min(rounded, static_cast<double>(std::numeric_limits<int>::max())));
}

GridLayout FrmChgLayout(int16_t displayMode, int gridWidth, int gridHeight, int rowHeight,
                        int dateWidth) {
    if (displayMode == kDisplayData) return DataLayout(gridWidth, gridHeight, rowHeight);
    return DetailLayout(gridWidth, gridHeight, rowHeight, dateWidth);
}

}  // namespace mon
