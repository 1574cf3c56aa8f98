// The model-1 (KY-N4) baud divisor table: every rate the unit's UART can
// reach within 1.25 % from one of its three reference clocks.
#ifndef PORTELLO_BAUD_TABLE_H
#define PORTELLO_BAUD_TABLE_H

#include <cstdint>

namespace portello {

struct BaudRow {
    int16_t group;      // index of the smallest standard rate not below baud
    float baud;
    int16_t clockCode;  // 0: 460800 Hz, 2: 576000 Hz, 4: 614400 Hz
    int32_t divisor;
};

// Rows are numbered 0..kBaudRowCount-1 in ascending baud order.
constexpr int kBaudRowCount = 1047;

// Copies row `row` into `out`; false, leaving `out` untouched, past the end.
bool BaudRowGet(uint16_t row, BaudRow& out);

}  // namespace portello

#endif
