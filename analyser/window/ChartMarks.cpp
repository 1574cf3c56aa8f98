#include "ChartMarks.h"

namespace analyser {

void ChartMarks::Cover(int32_t frameCount) {
    Begin = 0;
    End = frameCount - 1;
}

void ChartMarks::Clear() { *this = ChartMarks{}; }

MarkPicture MarkFor(const ChartMarks& marks, int32_t frame) {
    MarkPicture m;
    for (int n = 1; n <= 5; ++n) {
        if (marks.Numbered[static_cast<size_t>(n - 1)] == frame) {
            m.Picture = n;
            m.ToolTip = "Mark - " + std::to_string(n);
        }
    }
    if (frame == marks.Begin) {
        m = {6, "Mark Begin"};
    } else if (frame == marks.End) {
        m = {7, "Mark End"};
    }
    return m;
}

}  // namespace analyser
