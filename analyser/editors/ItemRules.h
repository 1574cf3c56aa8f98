// The rules of the item grid and of the edit panel beside it: what a cell
// edit may hold and what it changes, what the panel shows for an item and
// what 更新 writes back, the size steppers and the number boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ItemTable.h"

namespace analyser::editors {

// The longest name a configuration or an item takes, in characters.
inline constexpr size_t kNameMaxChars = 256;

const std::vector<std::string>& ItemTypeList();    // コード, レングス, データ
const std::vector<std::string>& SizeUnitList();    // byte, bit, 可変
const std::vector<std::string>& LengthUnitList();  // 1バイト .. 7バイト

bool IsLengthType(const std::string& type);

// The first kNameMaxChars characters.
std::string NameCut(const std::string& text);

// --- the edit panel -------------------------------------------------------------

struct ItemPanel {
    std::string name;
    std::string type = kTypeCode;
    std::string size;
    std::string unit = kUnitByte;
    std::string lengthUnit = "1バイト";
    // The span list: "k - name" for each counted item k.
    std::vector<std::string> spans;

    // The span frame, its list and button, and the length unit list.
    bool LengthControlsOn() const { return IsLengthType(type); }
    bool SizeBoxOn() const { return unit != kUnitVariable; }
};

// "k - name", the entry of item k in the span lists.
std::string SpanEntry(int k, const std::string& name);
// The item number an entry starts with; nothing when it has none.
std::optional<int> SpanEntryItem(const std::string& entry);

// The panel for item n. A type or unit outside the lists shows as "コード"
// or "byte"; the length unit stays as `shown` had it when the item has
// none (a one-character unit gets "バイト").
ItemPanel PanelOf(const ItemTable& items, int n, const ItemPanel& shown);

// The size unit rule, run when the size unit changes: a length item is
// never variable (the warning, and "byte" again); a variable item's size
// is 0. The warning to show, if any.
std::optional<std::string> SizeUnitApply(ItemPanel& panel);

// 更新: the panel's values go into item r. A length item counts exactly
// the items of the span list; any other type counts none and loses its
// length unit. False when nothing changed.
bool PanelUpdate(ItemTable& items, int r, const ItemPanel& panel);

// A step of the size box's up/down buttons.
std::string SizeStep(const std::string& size, bool up, const std::string& type, const std::string& unit);

// The size box and the item number box take digits and Backspace only.
bool NumberBoxAccepts(char32_t ch);

// The item an item number text goes to, kept within 1 .. count.
int ItemNumberClamp(const std::string& text, int count);

// --- in-cell editing --------------------------------------------------------------

// Whether cell (row, col) may be edited at all: never the number column,
// the length unit only of a length item.
bool CellEditable(const ItemTable& items, int row, int col);
// The warning that refuses text for cell (row, col); nothing when it may
// go in. A size is a whole number of up to three digits, of at most 7
// bytes or 56 bits for a length item; a span is a whole number.
std::optional<std::string> CellRefusal(const ItemTable& items, int row, int col, const std::string& text);
// What a completed edit of cell (row, col) changes besides the cell.
void CellEdited(ItemTable& items, int row, int col);

}  // namespace analyser::editors
