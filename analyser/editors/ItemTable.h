// The working copy of a frame configuration in the editor: one row of
// texts per item, numbered from 1 in frame order, as the item grid shows
// them (name, type, size, size unit, span, length unit).
//
// A span links a counted item to its length item: an item whose span
// holds n is counted by item n. Inserting and deleting rows keeps those
// links on the items they named; a span naming no row stays as it is.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "EditorTexts.h"

namespace analyser::editors {

// Grid columns; column 0 is the item number.
enum ItemColumn : int {
    kColNumber = 0,
    kColName = 1,
    kColType = 2,
    kColSize = 3,
    kColUnit = 4,
    kColSpan = 5,
    kColLengthUnit = 6,
    kItemColumns = 7,
};

struct ItemRow {
    std::string name;
    std::string type = kTypeCode;
    std::string size;
    std::string unit = kUnitByte;
    std::string span;
    std::string lengthUnit;

    friend bool operator==(const ItemRow&, const ItemRow&) = default;
};

// A text read as a whole number (digits with an optional sign, blanks
// around); nothing for anything else.
std::optional<long> WholeNumber(const std::string& text);

class ItemTable {
public:
    int Count() const { return static_cast<int>(rows_.size()); }
    // Item n (1 .. Count()); an empty row for any other n.
    const ItemRow& Row(int n) const;
    // Column col of item n; column 0 is the item number.
    std::string Cell(int n, int col) const;
    // Stores a text as it stands; column 0 and other rows are ignored.
    void SetCell(int n, int col, const std::string& text);

    // Empties the table and gives it `rows` new rows.
    void Reset(int rows);
    void Append(const ItemRow& row) { rows_.push_back(row); }
    // Appends a new row (type "コード", unit "byte").
    void Add() { rows_.emplace_back(); }
    // A new row at n (1 .. Count() + 1); the rows from n move down, and the
    // spans that named them follow.
    void Insert(int n);
    // Removes item n; spans naming it are cleared, spans naming later items
    // follow them up. Leaves the table empty when n was the only row.
    void Remove(int n);

    // The items counted by length item n, in row order.
    std::vector<int> CountedBy(int n) const;
    // Makes `counted` exactly the items that length item n counts.
    void SpansSet(int n, const std::vector<int>& counted);
    // Item n is no length item any more: nothing counts on it, and its
    // length unit is gone.
    void LengthDataClear(int n);

    // The item's size, span and name are all empty (type and units do not
    // count).
    bool IsEmptyRow(int n) const;

    friend bool operator==(const ItemTable&, const ItemTable&) = default;

private:
    std::vector<ItemRow> rows_;
};

}  // namespace analyser::editors
