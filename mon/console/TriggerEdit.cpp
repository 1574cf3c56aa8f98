#include "TriggerEdit.h"

#include "NumberField.h"

namespace mon {

namespace {

std::optional<int32_t> InRange(std::string_view text, int32_t lowest, int32_t highest) {
    const std::optional<int32_t> n = WholeNumber(text);
    if (!n || *n < lowest || *n > highest) return std::nullopt;
    return n;
}

}  // namespace

const TriggerLimits& PageLimits(int page) { return page == kStopPage ? kStopLimits : kStartLimits; }

TriggerEdit::TriggerEdit(const std::array<TriggerSetting, 2>& trig) {
    for (int page = 0; page < 2; ++page) {
        const TriggerSetting& t = trig[static_cast<size_t>(page)];
        ActiveSet(page, t.Active != 0);
        TriggerPageForm& form = Page(page);
        form.lineIndex = t.Line >= 0 && t.Line <= 2 ? t.Line : -1;
        form.lengthText = std::to_string(t.Length);
        form.sdCountText = std::to_string(t.SdCount);
        form.rdCountText = std::to_string(t.RdCount);
    }
    grids_[0].LoadStop(trig[0].SdCharAttr, trig[0].SdData);
    grids_[1].LoadStop(trig[0].RdCharAttr, trig[0].RdData);
    grids_[2].LoadStart(trig[1].SdData);
    grids_[3].LoadStart(trig[1].RdData);
}

void TriggerEdit::ActiveSet(int page, bool on) {
    Page(page).active = on;
    if (on) Page(1 - page).active = false;
}

void TriggerEdit::ActiveWrite(std::array<TriggerSetting, 2>& trig) const {
    for (int page = 0; page < 2; ++page) {
        trig[static_cast<size_t>(page)].Active = Page(page).active ? int16_t{-1} : int16_t{0};
    }
}

TriggerEdit::Outcome TriggerEdit::Set(const std::array<TriggerSetting, 2>& before) const {
    Outcome out{std::nullopt, before};
    for (int page = 0; page < 2; ++page) {
        if (std::optional<TriggerField> field = PageSet(page, out.trig[static_cast<size_t>(page)])) {
            out.refused = TriggerRefusal{page, *field};
            return out;
        }
    }
    return out;
}

// Stores each field of the page as soon as it passes.
std::optional<TriggerField> TriggerEdit::PageSet(int page, TriggerSetting& t) const {
    const TriggerPageForm& form = Page(page);
    const TriggerLimits& limits = PageLimits(page);
    if (form.lineIndex >= 0 && form.lineIndex <= 2) t.Line = static_cast<int16_t>(form.lineIndex);
    const auto length = InRange(form.lengthText, limits.lengthLowest, limits.lengthHighest);
    if (!length) return TriggerField::Length;
    t.Length = *length;
    const auto sd = InRange(form.sdCountText, kCountLowest, kCountHighest);
    if (!sd) return TriggerField::SdCount;
    t.SdCount = static_cast<int16_t>(*sd);
    const auto rd = InRange(form.rdCountText, kCountLowest, kCountHighest);
    if (!rd) return TriggerField::RdCount;
    t.RdCount = static_cast<int16_t>(*rd);
    const TriggerPattern& sdGrid = grids_[static_cast<size_t>(2 * page)];
    const TriggerPattern& rdGrid = grids_[static_cast<size_t>(2 * page + 1)];
    if (page == kStopPage) {
        const auto sdStrings = sdGrid.StopPatternGet();
        if (!sdStrings) return TriggerField::SdGrid;
        t.SdCharAttr = sdStrings->attributes;
        t.SdData = sdStrings->data;
        const auto rdStrings = rdGrid.StopPatternGet();
        if (!rdStrings) return TriggerField::RdGrid;
        t.RdCharAttr = rdStrings->attributes;
        t.RdData = rdStrings->data;
    } else {
        const auto sdData = sdGrid.StartPatternGet();
        if (!sdData) return TriggerField::SdGrid;
        t.SdData = *sdData;
        const auto rdData = rdGrid.StartPatternGet();
        if (!rdData) return TriggerField::RdGrid;
        t.RdData = *rdData;
    }
    return std::nullopt;
}

std::string StartLengthLeft(std::string_view text) {
    const std::optional<int32_t> n = WholeNumber(text);
    if (n && *n < kStartLimits.lengthLowest) return std::to_string(kStartLimits.lengthLowest);
    return std::string(text);
}

}  // namespace mon
