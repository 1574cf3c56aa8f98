// The trigger editor's form: its two pages (the stop trigger, sent to the
// unit, and the start trigger, applied on the PC) with their boxes and four
// pattern grids, the rule that keeps at most one trigger active, and Set,
// which checks and stores the fields one after the other and stops at the
// first that is refused, the ones before it stored.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Settings.h"
#include "TriggerPattern.h"

namespace mon {

inline constexpr int kStopPage = 0;
inline constexpr int kStartPage = 1;

// The grids by number: stop SD, stop RD, start SD, start RD.
inline constexpr int kTriggerGrids = 4;
inline constexpr int PageOfGrid(int grid) { return grid < 2 ? kStopPage : kStartPage; }

// What the boxes of one page accept, and how their up-downs step.
struct TriggerLimits {
    int32_t lengthLowest;
    int32_t lengthHighest;
    int32_t lengthStepLowest;  // the up-down's own range
    int32_t lengthStepHighest;
    size_t lengthDigits;       // the box's length
};
inline constexpr TriggerLimits kStopLimits{0, 129900, 0, 129900, 6};
inline constexpr TriggerLimits kStartLimits{100, 1000000, 100, 1000000, 7};
inline constexpr int32_t kLengthStep = 100;
inline constexpr int32_t kCountLowest = 0;
inline constexpr int32_t kCountHighest = 99;
inline constexpr int32_t kCountStepLowest = 1;
inline constexpr size_t kCountDigits = 2;

const TriggerLimits& PageLimits(int page);

struct TriggerPageForm {
    bool active = false;
    int lineIndex = -1;  // 0 DUAL, 1 SD, 2 RD; -1 nothing chosen
    std::string lengthText;
    std::string sdCountText;
    std::string rdCountText;
};

enum class TriggerField { Length, SdCount, RdCount, SdGrid, RdGrid };

struct TriggerRefusal {
    int page = kStopPage;
    TriggerField field = TriggerField::Length;
    friend bool operator==(const TriggerRefusal&, const TriggerRefusal&) = default;
};

class TriggerEdit {
public:
    // Loads both pages as the editor opens. Loading checks box 0, then box
    // 1, by the active rule, so of two active triggers the start trigger
    // stays.
    explicit TriggerEdit(const std::array<TriggerSetting, 2>& trig);

    TriggerPageForm& Page(int page) { return pages_.at(static_cast<size_t>(page)); }
    const TriggerPageForm& Page(int page) const { return pages_.at(static_cast<size_t>(page)); }
    TriggerPattern& Grid(int grid) { return grids_.at(static_cast<size_t>(grid)); }
    const TriggerPattern& Grid(int grid) const { return grids_.at(static_cast<size_t>(grid)); }

    // A page's box changed: checking it clears the other page's box.
    void ActiveSet(int page, bool on);
    // The boxes as the triggers' Active (-1 on, 0 off): what the editor
    // writes the moment a box changes, and after loading.
    void ActiveWrite(std::array<TriggerSetting, 2>& trig) const;

    // The triggers after Set, from before: the fields of both pages in the
    // order of the pages, their boxes and their grids, each stored as soon
    // as it passes. At the first refused field Set stops with the fields
    // before it stored; refused names it. Active is the boxes' alone and
    // Set leaves it as it is.
    struct Outcome {
        std::optional<TriggerRefusal> refused;
        std::array<TriggerSetting, 2> trig;
    };
    Outcome Set(const std::array<TriggerSetting, 2>& before) const;

private:
    std::optional<TriggerField> PageSet(int page, TriggerSetting& t) const;

    std::array<TriggerPageForm, 2> pages_;
    std::array<TriggerPattern, kTriggerGrids> grids_{TriggerPattern(PatternKind::Stop),
                                                     TriggerPattern(PatternKind::Stop),
                                                     TriggerPattern(PatternKind::Start),
                                                     TriggerPattern(PatternKind::Start)};
};

// The start page's length box when the focus leaves it: a number below
// the lowest length becomes the lowest; anything else stays.
std::string StartLengthLeft(std::string_view text);

}  // namespace mon
