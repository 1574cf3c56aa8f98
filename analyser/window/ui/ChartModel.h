// What the chart and the two comment columns draw from: the page (which
// row each slot shows and where it stands), the row table, the filter
// that maps rows to frames, the marks, and the look the View menu sets.
// The main window owns all of it; the painted panes only read.
#pragma once

#include <QColor>
#include <QFont>

#include <cstdint>
#include <memory>

#include "ChartMarks.h"
#include "ChartPaging.h"
#include "RowFilter.h"
#include "RowTable.h"

namespace analyser::ui {

struct ChartModel {
    ChartPaging Paging;
    RowTable Rows;
    ChartMarks Marks;
    // The window's gFilter, read through at every use, so a filter run
    // that replaces it shows at once; empty while no document is open.
    const std::unique_ptr<RowFilter>* Filter = nullptr;

    // The look: pixels for the lines, twips for the inset.
    int LineWidth = 1;
    int Inset = 0;
    QFont CaptionFont;
    QFont CommentFont;
    QColor CommentColor;  // invalid: the window text colour

    int32_t FrameOf(int32_t row) const {
        return Filter != nullptr && *Filter ? (*Filter)->FilterNo(row) : 0;
    }
    int32_t SlotFrame(int slot) const { return FrameOf(Paging.SlotRow(slot)); }
    RowEntry SlotEntry(int slot) const { return Rows.Entry(SlotFrame(slot)); }
};

// Captions longer than this show cut; the tool tip holds the whole text.
inline constexpr int kCaptionShownLength = 255;

}  // namespace analyser::ui
