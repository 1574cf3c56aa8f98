// The check a frame configuration passes before it is written.
#pragma once

#include <string>
#include <vector>

#include "ItemTable.h"

namespace analyser::editors {

struct ItemsCheckResult {
    enum class Focus { None, NameBox, Cell, SizeColumn };

    bool ok = false;
    // Information shown on the way, in order, before any warning.
    std::vector<std::string> notices;
    // Why the check failed, and what to put the user on.
    std::string warning;
    Focus focus = Focus::None;
    int row = 0;
    int col = 0;
};

// The configuration may be written: it has a name, and every item row
// has a size (a variable item's becomes 0), a length item is never
// variable, a span names an earlier length item, and the sizes in bits
// add up to whole bytes. Rows that are wholly empty are removed first,
// spans following the rows they named; empty sizes set to 0 stay so
// whatever the result.
ItemsCheckResult ItemsCheck(ItemTable& items, const std::string& name);

}  // namespace analyser::editors
