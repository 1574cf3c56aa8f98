#include "FilterForm.h"

#include <algorithm>
#include <limits>

#include "clsFilter.h"

namespace analyser {

namespace {

constexpr int kOptionLink = 0;
constexpr int kOptionData = 1;
constexpr int kOptionDate = 2;
constexpr int kOptionDirection = 3;
// A link name is accepted only as a whole.
constexpr int16_t kExactMatch = 2;

const char* const kDirections[] = {"なし", "→", "←", "SD", "RD"};

}  // namespace

std::vector<std::string> DirectionItems(bool linked) {
    if (linked) return {kDirections, kDirections + 5};
    return {"SD", "RD"};
}

std::string DirectionText(int32_t direc, bool linked) {
    const std::vector<std::string> items = DirectionItems(linked);
    if (direc >= 0 && direc <= 4) {
        for (const std::string& item : items) {
            if (item == kDirections[direc]) return item;
        }
    }
    return items.front();
}

std::optional<int32_t> DirectionOf(const std::string& text) {
    for (int32_t d = 0; d <= 4; ++d) {
        if (text == kDirections[d]) return d;
    }
    return std::nullopt;
}

FilterForm FilterFormLoad(const frames::clsFilter& filter, bool linked, double firstRowDate, double lastRowDate) {
    FilterForm form;
    for (int i = 0; i < filter.LinkNameMax(); ++i) form.Names.push_back(filter.LinkName(i));
    form.RelationOn = filter.FilterOption(kOptionLink) != 0;
    form.DataOn = filter.FilterOption(kOptionData) != 0;
    if (form.DataOn) form.Bytes = filter.FrameData();
    form.DateOn = filter.FilterOption(kOptionDate) != 0;
    form.Range = form.DateOn ? std::array<double, 2>{filter.RangeDate(0), filter.RangeDate(1)}
                             : std::array<double, 2>{firstRowDate, lastRowDate};
    form.DirectionOn = filter.FilterOption(kOptionDirection) != 0;
    form.Direction = DirectionText(filter.Direc(), linked);
    return form;
}

FilterRefusal FilterFormApply(const FilterForm& form, frames::clsFilter& filter) {
    if (form.RelationOn && form.Names.empty()) return FilterRefusal::NoNames;
    if (form.DataOn && form.Bytes.empty()) return FilterRefusal::NoBytes;
    if (form.RelationOn) {
        const size_t count = std::min<size_t>(form.Names.size(), std::numeric_limits<int16_t>::max());
        filter.LinkNameMax(static_cast<int16_t>(count));
        for (size_t i = 0; i < count; ++i) filter.LinkName(static_cast<int>(i), form.Names[i]);
    }
    if (form.DataOn) filter.FrameData(form.Bytes);
    if (form.DateOn) {
        filter.RangeDate(0, form.Range[0]);
        filter.RangeDate(1, form.Range[1]);
    }
    if (form.DirectionOn) {
        if (const std::optional<int32_t> d = DirectionOf(form.Direction)) filter.Direc(*d);
    }
    filter.FilterOption(kOptionLink, form.RelationOn ? kExactMatch : 0);
    filter.FilterOption(kOptionData, form.DataOn ? 1 : 0);
    filter.FilterOption(kOptionDate, form.DateOn ? 1 : 0);
    filter.FilterOption(kOptionDirection, form.DirectionOn ? 1 : 0);
    return FilterRefusal::None;
}

}  // namespace analyser
