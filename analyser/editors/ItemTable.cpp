#include "ItemTable.h"

#include <cctype>
#include <charconv>

namespace analyser::editors {

std::optional<long> WholeNumber(const std::string& text) {
    size_t from = text.find_first_not_of(' ');
    const size_t to = text.find_last_not_of(' ');
    if (from == std::string::npos) return std::nullopt;
    if (text[from] == '+') ++from;
    const char* first = text.data() + from;
    const char* last = text.data() + to + 1;
    if (first == last) return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

namespace {

std::string* Field(ItemRow& row, int col) {
    switch (col) {
        case kColName: return &row.name;
        case kColType: return &row.type;
        case kColSize: return &row.size;
        case kColUnit: return &row.unit;
        case kColSpan: return &row.span;
        case kColLengthUnit: return &row.lengthUnit;
        default: return nullptr;
    }
}

}  // namespace

const ItemRow& ItemTable::Row(int n) const {
    static const ItemRow empty;
    if (n < 1 || n > Count()) return empty;
    return rows_[static_cast<size_t>(n - 1)];
}

std::string ItemTable::Cell(int n, int col) const {
    if (col == kColNumber) return n >= 1 && n <= Count() ? std::to_string(n) : std::string();
    ItemRow copy = Row(n);
    const std::string* field = Field(copy, col);
    return field != nullptr ? *field : std::string();
}

void ItemTable::SetCell(int n, int col, const std::string& text) {
    if (n < 1 || n > Count()) return;
    if (std::string* field = Field(rows_[static_cast<size_t>(n - 1)], col)) *field = text;
}

void ItemTable::Reset(int rows) { rows_.assign(static_cast<size_t>(rows < 0 ? 0 : rows), ItemRow()); }

void ItemTable::Insert(int n) {
    if (n < 1 || n > Count() + 1) return;
    const long count = Count();
    for (ItemRow& row : rows_) {
        const auto span = WholeNumber(row.span);
        if (span && *span >= n && *span <= count) row.span = std::to_string(*span + 1);
    }
    rows_.insert(rows_.begin() + (n - 1), ItemRow());
}

void ItemTable::Remove(int n) {
    if (n < 1 || n > Count()) return;
    const long count = Count();
    rows_.erase(rows_.begin() + (n - 1));
    for (ItemRow& row : rows_) {
        const auto span = WholeNumber(row.span);
        if (!span) continue;
        if (*span == n) {
            row.span.clear();
        } else if (*span > n && *span <= count) {
            row.span = std::to_string(*span - 1);
        }
    }
}

std::vector<int> ItemTable::CountedBy(int n) const {
    std::vector<int> counted;
    for (int k = 1; k <= Count(); ++k) {
        const auto span = WholeNumber(Row(k).span);
        if (span && *span == n) counted.push_back(k);
    }
    return counted;
}

void ItemTable::SpansSet(int n, const std::vector<int>& counted) {
    for (int k : CountedBy(n)) SetCell(k, kColSpan, "");
    for (int k : counted) SetCell(k, kColSpan, std::to_string(n));
}

void ItemTable::LengthDataClear(int n) {
    SpansSet(n, {});
    SetCell(n, kColLengthUnit, "");
}

bool ItemTable::IsEmptyRow(int n) const {
    const ItemRow& row = Row(n);
    return row.name.empty() && row.size.empty() && row.span.empty();
}

}  // namespace analyser::editors
