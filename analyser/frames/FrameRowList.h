// A list of frame numbers, one per row: what the filter hands the frame
// document when it writes the rows that passed.
#pragma once

#include <cstdint>

namespace frames {

class FrameRowList {
public:
    virtual ~FrameRowList() = default;
    // Number of rows.
    virtual int32_t FilterMax() const = 0;
    // Frame number of a row; 0 for a row outside 0 .. FilterMax() - 1.
    virtual int32_t FilterNo(int32_t vIndex) const = 0;
};

}  // namespace frames
