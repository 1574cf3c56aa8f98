// The marks of the chart: BEGIN, END and the five numbered marks, each a
// frame number (-1 none), and the picture a row shows for them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace analyser {

struct ChartMarks {
    int32_t Begin = -1;
    int32_t End = -1;
    std::array<int32_t, 5> Numbered{-1, -1, -1, -1, -1};  // marks 1 to 5

    // After an open: BEGIN and END cover the document.
    void Cover(int32_t frameCount);
    // The closed state: no marks at all.
    void Clear();
};

// Picture 1 to 5 for a numbered mark, 6 BEGIN, 7 END, 0 none; with its
// tool tip. BEGIN wins over END, both over the numbered marks, and the
// highest numbered mark over the lower ones.
struct MarkPicture {
    int Picture = 0;
    std::string ToolTip;
};
MarkPicture MarkFor(const ChartMarks& marks, int32_t frame);

}  // namespace analyser
