// One item of a frame configuration: a named run of bit positions of the
// frame.
#pragma once

#include <cstdint>

#include "FileText.h"

namespace frames {

enum ItemKind : int16_t {
    kItemCode = 0,
    kItemLength = 1,
    kItemData = 2,
};

struct FrameItem {
    FileText name;
    // 0 code, 1 length, 2 data; the configuration editor also keeps its
    // display kinds 3 to 6 here.
    int16_t type = kItemData;
    // Bit positions; 0 is variable: what the covering length item leaves.
    int16_t size = 0;
    // The 1-based position of the length item that counts this item; 0 none.
    int16_t span = 0;
    // For a length item: bytes that one count of its value stands for.
    int16_t unit = 1;

    friend bool operator==(const FrameItem&, const FrameItem&) = default;
};

}  // namespace frames
