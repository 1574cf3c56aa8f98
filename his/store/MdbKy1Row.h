// Fills the KY1 row values from the current row of a table, each column
// converted to the type the old reader asked for; nothing when any one of
// them is missing or does not convert.
#pragma once

#include <optional>

#include "Ky1Source.h"
#include "MdbTable.h"

namespace store {

std::optional<Ky1Inf> InfRowRead(const MdbTable& t);
std::optional<Ky1Trg> TrgRowRead(const MdbTable& t);
std::optional<Ky1Mst> MstRowRead(const MdbTable& t);

}  // namespace store
