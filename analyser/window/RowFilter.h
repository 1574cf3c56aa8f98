// The rows of the chart: the frames that passed the filter, in frame
// order. Row r shows frame FilterNo(r). The window holds one beside every
// open document, so a command can always ask it.
#pragma once

#include <cstdint>

#include "FrameRowList.h"

namespace analyser {

// FilterMax rows; FilterNo(r) the frame of row r, 0 for a row outside
// them, so a stale row number never fails a drawing. The frame document
// writes its rows through the same list.
using RowFilter = frames::FrameRowList;

// The filter with every condition off: every frame is a row, row r is
// frame r. Holds no list.
class AllFramesFilter final : public RowFilter {
public:
    explicit AllFramesFilter(int32_t frameCount) : count_(frameCount < 0 ? 0 : frameCount) {}

    int32_t FilterMax() const override { return count_; }
    int32_t FilterNo(int32_t row) const override {
        return row < 0 || row >= count_ ? 0 : row;
    }

private:
    int32_t count_;
};

// The row that shows frame, or -1 when no row does (the frame is filtered
// out, or there are no rows). Rows hold ascending frame numbers, so this
// is a binary search.
int32_t RowOfFrame(const RowFilter& filter, int32_t frame);

}  // namespace analyser
