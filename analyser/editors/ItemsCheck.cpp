#include "ItemsCheck.h"

#include "ItemConvert.h"
#include "ItemRules.h"

namespace analyser::editors {

namespace {

using Focus = ItemsCheckResult::Focus;

ItemsCheckResult Failed(ItemsCheckResult result, const char* warning, Focus focus, int row = 0, int col = 0) {
    result.ok = false;
    result.warning = warning;
    result.focus = focus;
    result.row = row;
    result.col = col;
    return result;
}

bool SpanNamesEarlierLength(const ItemTable& items, int n) {
    const auto span = WholeNumber(items.Row(n).span);
    return span && *span >= 1 && *span < n && IsLengthType(items.Row(static_cast<int>(*span)).type);
}

}  // namespace

ItemsCheckResult ItemsCheck(ItemTable& items, const std::string& name) {
    ItemsCheckResult result;
    if (name.empty()) return Failed(result, kMsgNameRequired, Focus::NameBox);

    for (int n = items.Count(); n >= 1; --n) {
        if (items.IsEmptyRow(n)) items.Remove(n);
    }

    for (int n = 1; n <= items.Count(); ++n) {
        const ItemRow& row = items.Row(n);
        const bool variable = row.unit == kUnitVariable;
        if (row.size.empty()) {
            items.SetCell(n, kColSize, "0");
            if (!variable) return Failed(result, kMsgSizeRequired, Focus::Cell, n, kColSize);
        }
        const auto bits = ItemSizeBits(row);
        if (!bits) return Failed(result, kMsgBadSize, Focus::Cell, n, kColSize);
        if (*bits == 0 && !variable) result.notices.push_back(kMsgSizeZero);
        if (IsLengthType(row.type) && variable) {
            return Failed(result, kMsgLengthVariable, Focus::Cell, n, kColUnit);
        }
        if (!row.span.empty() && !SpanNamesEarlierLength(items, n)) {
            return Failed(result, kMsgBadSpan, Focus::Cell, n, kColSpan);
        }
        if (!ItemUnitValue(row)) return Failed(result, kMsgBadSize, Focus::Cell, n, kColLengthUnit);
    }

    int total = 0;
    for (int n = 1; n <= items.Count(); ++n) {
        const ItemRow& row = items.Row(n);
        if (row.unit != kUnitBit) continue;
        total = ((total + *ItemSizeBits(row)) % 8 + 8) % 8;
    }
    if (total != 0) return Failed(result, kMsgBitTotal, Focus::SizeColumn);

    result.ok = true;
    return result;
}

}  // namespace analyser::editors
