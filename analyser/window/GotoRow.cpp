#include "GotoRow.h"

#include <algorithm>
#include <optional>

#include "RowNumberInput.h"

namespace analyser {

int32_t GotoRow(std::string_view text, int32_t upDownValue, int32_t rowCount) {
    const int32_t max = std::max(rowCount, 1);
    const std::optional<int32_t> typed = RowBoxNumber(text);
    const int32_t number = std::clamp(typed ? *typed : upDownValue, 1, max);
    return number - 1;
}

}  // namespace analyser
