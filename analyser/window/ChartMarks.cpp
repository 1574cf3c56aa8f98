#include "ChartMarks.h"

namespace analyser {

void ChartMarks::Cover(int32_t frameCount) {
    Begin = 0;
    End = frameCount - 1;
}

void ChartMarks::Clear() { *this = ChartMarks{}; }

bool ChartMarks::SetBegin(int32_t frame) {
    if (!(frame < End)) return false;
    Begin = frame;
    return true;
}

bool ChartMarks::SetEnd(int32_t frame) {
    if (!(Begin < frame)) return false;
    End = frame;
    return true;
}

void ChartMarks::SetNumbered(int n, int32_t frame) {
    if (n >= 1 && n <= 5) Numbered[static_cast<size_t>(n - 1)] = frame;
}

int32_t ChartMarks::NumberedFrame(int n) const {
    return n >= 1 && n <= 5 ? Numbered[static_cast<size_t>(n - 1)] : -1;
}

bool ChartMarks::AnyNumbered() const {
    for (const int32_t frame : Numbered) {
        if (frame != -1) return true;
    }
    return false;
}

std::optional<RowRange> MarkedRows(const RowFilter& rows, const ChartMarks& marks) {
    if (marks.Begin < 0 || marks.End < 0) return std::nullopt;
    const int32_t begin = RowOfFrame(rows, marks.Begin);
    const int32_t end = RowOfFrame(rows, marks.End);
    if (begin < 0 || end < 0) return std::nullopt;
    return RowRange{begin, end};
}

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
