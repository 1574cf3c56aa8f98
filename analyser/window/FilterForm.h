// What the filter dialog shows of the frame filter and what its Apply
// writes back: the four conditions and their values. The dialog shows
// exactly what the filter holds (every byte of the byte condition, the
// direction as chosen), and Apply refuses what it cannot apply instead of
// keeping older values behind the user's back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace frames {
class clsFilter;
}

namespace analyser {

struct FilterForm {
    bool RelationOn = false;
    std::vector<std::string> Names;  // the accepted link names
    bool DataOn = false;
    std::string Bytes;
    bool DateOn = false;
    std::array<double, 2> Range{};   // start and end, to the second
    bool DirectionOn = false;
    std::string Direction;           // the direction list's text

    friend bool operator==(const FilterForm&, const FilterForm&) = default;
};

// The direction list: with a link table "なし", "→", "←", "SD", "RD";
// without one only "SD" and "RD".
std::vector<std::string> DirectionItems(bool linked);
// The item a direction shows as: a value the list does not hold shows its
// first item.
std::string DirectionText(int32_t direc, bool linked);
// The direction of an item's text; none for another text.
std::optional<int32_t> DirectionOf(const std::string& text);

// The form for a filter. The time range of a filter without a time
// condition shows the time stamps of the first and last row.
FilterForm FilterFormLoad(const frames::clsFilter& filter, bool linked, double firstRowDate, double lastRowDate);

enum class FilterRefusal {
    None,
    NoBytes,  // the byte condition is on without a byte: it is switched off
    NoNames,  // the link-name condition is on without a name
};

// Writes the form into the filter, or nothing when it refuses. The values
// behind a condition that is off stay as they were.
FilterRefusal FilterFormApply(const FilterForm& form, frames::clsFilter& filter);

}  // namespace analyser
