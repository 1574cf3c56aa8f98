// Fills the one grid page with the records from TopRecord on, in the
// current display code and line mode, and colours the mark and trigger
// cells. Touches only the records of that page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Colors.h"
#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer {

enum class Align { Left, Centre, Right };

struct PageCell {
    std::string Text;            // UTF-8
    std::optional<Colour> Back;  // set only where a mark or the trigger paints
};

struct GridPage {
    int32_t Rows = 0;
    int32_t Cols = 0;
    std::vector<PageCell> Cells;  // row-major
    std::vector<Align> ColAlign;

    GridPage(int32_t rows, int32_t cols);
    PageCell& At(int32_t row, int32_t col);
    const PageCell& At(int32_t row, int32_t col) const;
    const std::string& Text(int32_t row, int32_t col) const { return At(row, col).Text; }
};

// An empty page with the header row and column alignments written.
GridPage GridHeaderSet(const ViewerState& st);

// The page as GridRefresh fills it (no mark colours).
GridPage GridRefresh(ViewerState& st, const store::clsCommon& doc);

// Colours the marks and the trigger on the page; DUAL only.
void MarkColorSet(const ViewerState& st, const store::clsCommon& doc, GridPage& page);
void CellColorSet(const ViewerState& st, const store::clsCommon& doc, GridPage& page,
                  int32_t record, Colour colour);

// GridRefresh followed by MarkColorSet: what every redraw does.
GridPage PageBuild(ViewerState& st, const store::clsCommon& doc);

// "00000" of a line number; longer numbers keep all their digits.
std::string LineNumberText(int32_t number);

}  // namespace viewer
