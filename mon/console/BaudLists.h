// The lists of the baud windows: the reference rates (the highest rate of
// each group of the KY-N4 table; a KY-N5 adds 460800 and 687500), the
// rates of one group, and the entry texts both lists show.
#pragma once

#include <string>
#include <vector>

#include "BaudSteps.h"

namespace mon {

// 41 rates for model 1, 43 for model 2.
const std::vector<float>& ReferenceRates(int16_t model);

// An entry: the rate right-aligned in 7 characters, 134.5 in 9.
std::string BaudListEntry(float baud);

// The index of the first rate not below baud; -1 when there is none.
int FirstNotBelow(const std::vector<float>& rates, float baud);

// The group the model-1 window opens on: that of the first table row not
// below the typed rate; -1 above the table.
int BaudGroupOf(const BaudTable& table, float typed);

struct BaudGroupList {
    std::vector<float> rates;  // the group's rates, ascending
    int chosen = 0;            // the last rate not above the reference
};
// The rates of a group, with the entry the reference rate chooses.
BaudGroupList BaudListFill(const BaudTable& table, int group, float reference);

}  // namespace mon
