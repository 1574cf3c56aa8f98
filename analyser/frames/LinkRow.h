// One row of a link table: a code per column, and the name, arrow and
// colour that a frame whose items match those codes is shown with.
#pragma once

#include <cstdint>
#include <vector>

#include "FileText.h"

namespace frames {

// A code that matches any value.
inline constexpr double kAnyCode = -1;

enum LinkDirection : int32_t {
    kDirectionNone = 0,
    kDirectionRight = 1,  // "→"
    kDirectionLeft = 2,   // "←"
};

struct LinkRow {
    std::vector<double> codes;
    FileText name;
    int32_t direction = kDirectionNone;
    int32_t color = 0;

    friend bool operator==(const LinkRow&, const LinkRow&) = default;
};

}  // namespace frames
