// The item grid's texts and a frame configuration's items, both ways:
// what a save writes for each row and how a loaded item shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ItemTable.h"
#include "clsFrameConfig.h"

namespace analyser::editors {

// The stored type of a type text ("コード" 0 .. "ダミー" 6); 0 for another.
int16_t ItemTypeCode(const std::string& type);
// The type text of a stored type; "コード" for a number outside 0 .. 6.
std::string ItemTypeText(int16_t type);

// A row's size in bit positions: a "byte" size times 8, a "bit" size as it
// is (both to the nearest whole, halves to even), 0 for "可変". Nothing
// when the size is no number or does not fit the file.
std::optional<int16_t> ItemSizeBits(const ItemRow& row);
// A row's span (0 when empty) and length unit (1 when empty; "2バイト" is 2).
std::optional<int16_t> ItemSpanValue(const ItemRow& row);
std::optional<int16_t> ItemUnitValue(const ItemRow& row);

// The configuration a save writes: the name and one item per row, frame
// mode 0. Nothing when a row does not convert (see above).
std::optional<frames::clsFrameConfig> ConfigFromItems(const ItemTable& items, const std::string& name);

// The rows a loaded configuration shows, with one empty row after them.
ItemTable ItemsFromConfig(const frames::clsFrameConfig& config);

}  // namespace analyser::editors
