#include "ChartPaging.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace analyser {
namespace {

// Until the window measures its fonts: one line of the design font.
constexpr int kDefaultLine = 180;

int32_t Saturated(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

SlotPlaces LayOutSlots(const std::array<SlotHeights, kChartSlots>& heights, int gap) {
    SlotPlaces places{};
    for (size_t i = 0; i < places.size(); ++i) {
        SlotPlace& p = places[i];
        p.BoxTop = i == 0 ? kSlotZeroTop : places[i - 1].CommentsBottom();
        p.BoxHeight = heights[i].Caption + 2 * kBoxPadding;
        p.CommentTop = p.BoxTop + gap;
        p.CommentLHeight = heights[i].CommentL;
        p.CommentRHeight = heights[i].CommentR;
    }
    return places;
}

ChartPaging::ChartPaging()
    : measure_([](int32_t) { return SlotHeights{kDefaultLine, kDefaultLine, kDefaultLine}; }) {
    PageDraw(0);
}

void ChartPaging::SetRows(int32_t frames, int32_t rows) {
    frames_ = std::max(frames, 0);
    rows_ = std::max(rows, 0);
}

void ChartPaging::SetViewport(int scaleHeight, int height) {
    scaleHeight_ = scaleHeight;
    height_ = height;
}

void ChartPaging::PageDraw(int32_t top) {
    top = std::max(top, 0);
    // Made aside and taken over whole: a measure that fails leaves the
    // page as it was.
    std::array<SlotHeights, kChartSlots> heights{};
    std::array<int32_t, kChartSlots> slotRow{};
    int shown = 0;
    for (int i = 0; i < kChartSlots; ++i) {
        const int64_t row = int64_t{top} + i;
        const bool shows = row < rows_;
        slotRow[static_cast<size_t>(i)] = Saturated(row);
        if (shows) ++shown;
        heights[static_cast<size_t>(i)] = measure_ ? measure_(shows ? static_cast<int32_t>(row) : -1)
                                                   : SlotHeights{};
    }
    places_ = LayOutSlots(heights, gap_);
    slotRow_ = slotRow;
    shown_ = shown;
}

int ChartPaging::FullyVisibleCount() const {
    for (int i = 0; i < kChartSlots; ++i) {
        if (places_[static_cast<size_t>(i)].BoxTop + kVisibleMargin >= scaleHeight_) return i;
    }
    return kChartSlots;
}

int ChartPaging::PageStep(bool strict) const {
    for (int i = 0; i < kChartSlots; ++i) {
        const int bottom = places_[static_cast<size_t>(i)].BoxBottom();
        if (strict ? bottom > height_ : bottom >= height_) return i;
    }
    return kChartSlots - 1;
}

int ChartPaging::SlotAt(int y) const {
    for (int i = shown_ - 1; i >= 0; --i) {
        const SlotPlace& p = places_[static_cast<size_t>(i)];
        if (y >= p.BoxTop && y < p.BoxBottom()) return i;
    }
    return -1;
}

int ChartPaging::CurrentSlot() const {
    for (int i = 0; i < shown_; ++i) {
        if (slotRow_[static_cast<size_t>(i)] == currentRow_) return i;
    }
    return -1;
}

bool ChartPaging::OnPage(int32_t row) const {
    const int count = std::min(FullyVisibleCount(), shown_);
    for (int i = 0; i < count; ++i) {
        if (slotRow_[static_cast<size_t>(i)] == row) return true;
    }
    return false;
}

ChartChange ChartPaging::EmptyChart() {
    PageDraw(0);
    currentRow_ = 0;
    ChartChange change;
    change.Empty = true;
    return change;
}

ChartChange ChartPaging::CurrentFrameChange(int64_t row) {
    bool closed = false;
    if (frames_ < 1) {
        closed = true;
        fileOpen_ = false;
    }
    ChartChange change;
    if (rows_ < 1) {
        change = EmptyChart();
    } else if (fileOpen_) {
        const auto clamped = static_cast<int32_t>(std::clamp<int64_t>(row, 0, rows_ - 1));
        if (clamped == 0 || !OnPage(clamped)) PageDraw(clamped);
        currentRow_ = clamped;
        change.Moved = true;
        change.Row = clamped;
    }
    change.CloseState = closed;
    return change;
}

ChartChange ChartPaging::BeforeBegin() { return CurrentFrameChange(0); }

ChartChange ChartPaging::Before() { return CurrentFrameChange(int64_t{currentRow_} - 1); }

ChartChange ChartPaging::BeforePage() {
    return CurrentFrameChange(int64_t{slotRow_[0]} - PageStep(true) - 1);
}

ChartChange ChartPaging::NextPage() {
    return CurrentFrameChange(int64_t{slotRow_[0]} + PageStep(false) + 1);
}

ChartChange ChartPaging::NextEnd() { return CurrentFrameChange(int64_t{rows_} - 1); }

ChartChange ChartPaging::Next() {
    if (rows_ < 1) return EmptyChart();
    if (!fileOpen_) return {};
    // Down moves the highlight within the page and scrolls one row at a
    // time at its bottom.
    if (!OnPage(Saturated(int64_t{currentRow_} + 1))) PageDraw(Saturated(int64_t{slotRow_[0]} + 1));
    return CurrentFrameChange(int64_t{currentRow_} + 1);
}

ChartChange ChartPaging::Key(int keyCode, KeyCommand& command) {
    command = KeyCommand::Move;
    switch (keyCode) {
        case kKeyUp: return Before();
        case kKeyDown: return Next();
        case kKeyPageUp: return BeforePage();
        case kKeyPageDown: return NextPage();
        case kKeyHome: return BeforeBegin();
        case kKeyEnd: return NextEnd();
        case kKeyLeft: command = KeyCommand::CommentL; break;
        case kKeyRight: command = KeyCommand::CommentR; break;
        case kKeyEnter: command = fileOpen_ ? KeyCommand::Detail : KeyCommand::None; break;
        case kKeyApps: command = KeyCommand::ShortPopup; break;
        default: command = KeyCommand::None; break;
    }
    return {};
}

}  // namespace analyser
