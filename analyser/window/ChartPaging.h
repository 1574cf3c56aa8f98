// The chart's pages: which row each of the 40 slots shows, where the
// slots stand, which row is current, and how every navigation command
// moves. Lengths are twips inside the chart and comment panes (all three
// share one top). The window measures the texts; everything else is here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace analyser {

inline constexpr int kChartSlots = 40;

// Fixed geometry of a chart row, in twips.
inline constexpr int kSlotZeroTop = 200;     // top of the first row's box
inline constexpr int kBoxPadding = 150;      // above and below the caption
inline constexpr int kLineFromBottom = 270;  // base line above the box's bottom
inline constexpr int kArrowHalf = 150;       // the arrow strokes rise and fall this much
inline constexpr int kVisibleMargin = 300;   // a row counts as on the page when this much shows

// Heights the window measured for one slot: its caption (one line in the
// caption font) and its two comments (wrapped at the column's width).
struct SlotHeights {
    int Caption = 0;
    int CommentL = 0;
    int CommentR = 0;
};

struct SlotPlace {
    int BoxTop = 0;
    int BoxHeight = 0;
    int CommentTop = 0;
    int CommentLHeight = 0;
    int CommentRHeight = 0;

    int BoxBottom() const { return BoxTop + BoxHeight; }
    // The base line (the message line), from the box's top.
    int LineY() const { return BoxHeight - kLineFromBottom; }
    // Where the next slot's box starts: below the taller comment.
    int CommentsBottom() const {
        return CommentTop + (CommentLHeight > CommentRHeight ? CommentLHeight : CommentRHeight);
    }
};

using SlotPlaces = std::array<SlotPlace, kChartSlots>;

// Stacks the slots: a box is its caption plus padding; its comments start
// gap below its top; the next box starts where the taller comment ends.
SlotPlaces LayOutSlots(const std::array<SlotHeights, kChartSlots>& heights, int gap);

// Key codes of the chart.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyApps = 93;

// What the window does after a navigation step.
struct ChartChange {
    // There are no frames: the window goes to its closed state first.
    bool CloseState = false;
    // There are no rows: the chart is empty, the box shows "0".
    bool Empty = false;
    // Row became current: the box, the counter and the panels follow it.
    bool Moved = false;
    int32_t Row = 0;
};

// What a chart key asks for beyond moving.
enum class KeyCommand { None, Move, CommentL, CommentR, Detail, ShortPopup };

class ChartPaging {
public:
    // row -1 asks for a slot beyond the last row, which shows nothing but
    // still takes room, so the page size does not depend on what was
    // drawn there before.
    using Measure = std::function<SlotHeights(int32_t row)>;

    ChartPaging();

    void SetMeasure(Measure measure) { measure_ = std::move(measure); }
    // frames: frames of the open document; rows: rows of its filter.
    void SetRows(int32_t frames, int32_t rows);
    void SetFileOpen(bool open) { fileOpen_ = open; }
    // The chart's inner height and its outer height (with the border).
    void SetViewport(int scaleHeight, int height);
    void SetCommentGap(int gap) { gap_ = gap; }

    // fPageDraw: up to 40 rows from top into the slots.
    void PageDraw(int32_t top);

    // fCurrentFrameChange: clamps row, pages when it is not fully on the
    // page (row 0 always redraws the first page) and makes it current.
    ChartChange CurrentFrameChange(int64_t row);

    // The six buttons.
    ChartChange BeforeBegin();
    ChartChange Before();
    ChartChange BeforePage();
    ChartChange Next();
    ChartChange NextPage();
    ChartChange NextEnd();

    // A chart key; command tells the window what else to do.
    ChartChange Key(int keyCode, KeyCommand& command);

    // Slots before the first one that is not fully on the page.
    int FullyVisibleCount() const;
    // The page step: the first slot whose box reaches the chart's bottom
    // (strictly beyond it for strict), 39 when none does.
    int PageStep(bool strict) const;
    // The slot whose box holds y, the later slot where two overlap; -1 on
    // empty chart.
    int SlotAt(int y) const;

    int32_t SlotRow(int slot) const { return slotRow_[static_cast<size_t>(slot)]; }
    const SlotPlace& Place(int slot) const { return places_[static_cast<size_t>(slot)]; }
    // Slots that show a row.
    int Shown() const { return shown_; }
    // The slot that shows the current row, -1 when it is not on the page.
    int CurrentSlot() const;
    int32_t CurrentRow() const { return currentRow_; }
    int32_t Rows() const { return rows_; }
    int32_t Frames() const { return frames_; }
    bool FileOpen() const { return fileOpen_; }

private:
    ChartChange EmptyChart();
    bool OnPage(int32_t row) const;

    Measure measure_;
    int32_t frames_ = 0;
    int32_t rows_ = 0;
    bool fileOpen_ = false;
    int scaleHeight_ = 0;
    int height_ = 0;
    int gap_ = 200;
    std::array<int32_t, kChartSlots> slotRow_{};
    SlotPlaces places_{};
    int shown_ = 0;
    int32_t currentRow_ = 0;
};

}  // namespace analyser
