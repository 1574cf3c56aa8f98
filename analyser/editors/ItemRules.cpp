#include "ItemRules.h"

#include <algorithm>

#include "his/store/LooseValue.h"

namespace analyser::editors {

namespace {

constexpr long kSizeLimit = 999;
constexpr long kLengthBytesLimit = 7;
constexpr long kLengthBitsLimit = 56;
constexpr size_t kSizeDigits = 3;
constexpr char kEntrySeparator[] = " - ";

bool InList(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The largest size an item of this type and unit takes.
long SizeLimit(const std::string& type, const std::string& unit) {
    if (!IsLengthType(type)) return kSizeLimit;
    if (unit == kUnitBit) return kLengthBitsLimit;
    if (unit == kUnitByte) return kLengthBytesLimit;
    return kSizeLimit;
}

size_t CharCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

const std::vector<std::string>& ItemTypeList() {
    static const std::vector<std::string> list{kTypeCode, kTypeLength, kTypeData};
    return list;
}

const std::vector<std::string>& SizeUnitList() {
    static const std::vector<std::string> list{kUnitByte, kUnitBit, kUnitVariable};
    return list;
}

const std::vector<std::string>& LengthUnitList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> units;
        for (int n = 1; n <= 7; ++n) units.push_back(std::to_string(n) + kBytes);
        return units;
    }();
    return list;
}

bool IsLengthType(const std::string& type) { return type == kTypeLength; }

std::string NameCut(const std::string& text) { return store::LeftChars(text, kNameMaxChars); }

std::string SpanEntry(int k, const std::string& name) { return std::to_string(k) + kEntrySeparator + name; }

std::optional<int> SpanEntryItem(const std::string& entry) {
    const size_t at = entry.find(kEntrySeparator);
    if (at == std::string::npos) return std::nullopt;
    const auto number = WholeNumber(entry.substr(0, at));
    if (!number) return std::nullopt;
    return static_cast<int>(*number);
}

ItemPanel PanelOf(const ItemTable& items, int n, const ItemPanel& shown) {
    const ItemRow& row = items.Row(n);
    ItemPanel panel;
    panel.name = row.name;
    panel.type = InList(ItemTypeList(), row.type) ? row.type : kTypeCode;
    panel.size = row.size;
    panel.unit = InList(SizeUnitList(), row.unit) ? row.unit : kUnitByte;
    panel.lengthUnit = shown.lengthUnit;
    if (!row.lengthUnit.empty()) {
        panel.lengthUnit = CharCount(row.lengthUnit) == 1 ? row.lengthUnit + kBytes : row.lengthUnit;
    }
    if (IsLengthType(row.type)) {
        for (int k : items.CountedBy(n)) panel.spans.push_back(SpanEntry(k, items.Row(k).name));
    }
    return panel;
}

std::optional<std::string> SizeUnitApply(ItemPanel& panel) {
    std::optional<std::string> warning;
    if (panel.unit == kUnitVariable && IsLengthType(panel.type)) {
        warning = kMsgLengthNotVariable;
        panel.unit = kUnitByte;
    }
    if (panel.unit == kUnitVariable) panel.size = "0";
    return warning;
}

bool PanelUpdate(ItemTable& items, int r, const ItemPanel& panel) {
    if (r < 1 || r > items.Count()) return false;
    const ItemTable before = items;
    items.SetCell(r, kColName, NameCut(panel.name));
    items.SetCell(r, kColType, panel.type);
    items.SetCell(r, kColSize, panel.size);
    items.SetCell(r, kColUnit, panel.unit);
    if (IsLengthType(panel.type)) {
        items.SetCell(r, kColLengthUnit, panel.lengthUnit);
        std::vector<int> counted;
        for (const std::string& entry : panel.spans) {
            if (const auto k = SpanEntryItem(entry)) counted.push_back(*k);
        }
        items.SpansSet(r, counted);
    } else {
        items.LengthDataClear(r);
    }
    return !(items == before);
}

std::string SizeStep(const std::string& size, bool up, const std::string& type, const std::string& unit) {
    const auto value = WholeNumber(size);
    if (!up) return !value || *value <= 1 ? "1" : std::to_string(*value - 1);
    const long limit = SizeLimit(type, unit);
    if (!value) return "1";
    return std::to_string(*value >= limit ? limit : *value + 1);
}

bool NumberBoxAccepts(char32_t ch) { return (ch >= U'0' && ch <= U'9') || ch == U'\b'; }

int ItemNumberClamp(const std::string& text, int count) {
    const auto number = WholeNumber(text);
    const long n = number ? *number : 0;
    if (n >= count) return std::max(count, 1);
    return n <= 1 ? 1 : static_cast<int>(n);
}

bool CellEditable(const ItemTable& items, int row, int col) {
    if (row < 1 || row > items.Count() || col <= kColNumber || col >= kItemColumns) return false;
    if (col == kColLengthUnit) return IsLengthType(items.Row(row).type);
    return true;
}

std::optional<std::string> CellRefusal(const ItemTable& items, int row, int col, const std::string& text) {
    if (col == kColSize) {
        const bool digits = !text.empty() && text.size() <= kSizeDigits &&
                            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        const auto value = digits ? WholeNumber(text) : std::nullopt;
        if (!value) return kMsgBadSize;
        const ItemRow& item = items.Row(row);
        if (*value > SizeLimit(item.type, item.unit)) return kMsgBadSize;
    }
    if (col == kColSpan && !text.empty() && !WholeNumber(text)) return kMsgBadTarget;
    return std::nullopt;
}

void CellEdited(ItemTable& items, int row, int col) {
    const ItemRow& item = items.Row(row);
    if (col == kColName) items.SetCell(row, kColName, NameCut(item.name));
    if (col == kColType && !IsLengthType(item.type)) items.LengthDataClear(row);
    if ((col == kColSize || col == kColUnit) && item.unit == kUnitVariable) items.SetCell(row, kColSize, "0");
}

}  // namespace analyser::editors
