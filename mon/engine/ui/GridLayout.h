// The live grid's layout for a display mode and a grid size: rows,
// columns, widths, header, alignment and selection. Pure arithmetic on
// twips; the main window applies the result to its grid.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mon {

enum DisplayModes : int16_t { kDisplayData = 1, kDisplayDetail = 2 };

// One character per cell in data mode.
inline constexpr int kDataCellTwips = 400;
inline constexpr int kDetailCols = 13;
// What the first twelve detail columns take together; the thirteenth gets
// the rest of the grid.
inline constexpr int kDetailFixedTwips = 7600;

enum class CellAlign { Right, Centre };

struct GridLayout {
    int rows = 0;  // fixed rows included
    int cols = 0;
    int fixedRows = 0;                 // header rows at the top (0 or 1)
    std::vector<int> colWidths;        // twips, one per column
    std::vector<std::string> headers;  // texts of the fixed row; empty without one
    CellAlign align = CellAlign::Centre;
    // 0: cells are picked one by one; 1: whole rows are picked.
    int16_t selection = 0;
};

// The detail column that holds "yyyy/mm/dd hh:nn:ss".
inline constexpr int kDetailDateCol = 4;

// The layout of a gridWidth x gridHeight grid whose rows are rowHeight
// high. A display mode other than 1 lays out as detail; its date column is
// widened to dateWidth when the time stamp needs more than the design
// width in the grid's font, and the last column gets what is left.
GridLayout FrmChgLayout(int16_t displayMode, int gridWidth, int gridHeight, int rowHeight,
                        int dateWidth = 0);

// A count that fits: the nearest whole number, halves to the even one,
// never below 0.
int FittingCount(double value);

}  // namespace mon
