#include "RowFilter.h"

namespace analyser {

int32_t RowOfFrame(const RowFilter& filter, int32_t frame) {
    int32_t low = 0;
    int32_t high = filter.FilterMax();
    while (low < high) {
        const int32_t mid = low + (high - low) / 2;
        if (filter.FilterNo(mid) < frame) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low < filter.FilterMax() && filter.FilterNo(low) == frame ? low : -1;
}

}  // namespace analyser
