// The link table as the link table editor holds it: code columns taken
// from a frame configuration's code items, and rows of a name, a
// direction text, a colour and one code text per column. Built from a
// configuration or a KYL file, moved to another configuration, and turned
// into the clsLink a save writes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "EditorTexts.h"
#include "clsFrameConfig.h"
#include "clsLink.h"

namespace analyser::editors {

// Black as the editor keeps it: a colour cell's back colour is never 0.
inline constexpr int32_t kLinkBlack = 0x010101;
inline constexpr int32_t kAutoColorTop = 16777215;
// Rows a new table starts with.
inline constexpr int kNewTableRows = 9;

struct LinkColumn {
    std::string header;    // the code item's name; "" until linked
    int16_t position = 0;  // the code item's 1-based number
    int digits = 2;        // hex digits a code takes
    friend bool operator==(const LinkColumn&, const LinkColumn&) = default;
};

struct LinkEditRow {
    std::string name;
    std::string direction;
    // The colour the row is saved with; 0 (none) shows as black.
    int32_t color = kLinkBlack;
    // The colour cell's text: the chosen colour's number after a pick.
    std::string colorText;
    std::vector<std::string> codes;
    friend bool operator==(const LinkEditRow&, const LinkEditRow&) = default;
};

// A configuration's code items as code columns; nothing, and the message
// that refuses the configuration, when it has no items or no code item.
struct CodeColumnsResult {
    std::vector<LinkColumn> columns;
    std::string refusal;  // empty: the columns are good
    bool noItems = false;
};
CodeColumnsResult CodeColumnsOf(const frames::clsFrameConfig& config, const std::string& path);

// "－" 0, "→" 1, "←" 2; any other text 0. And back; "" for another number.
int32_t DirectionValue(const std::string& text);
std::string DirectionText(int32_t direction);

class LinkEditTable {
public:
    const std::vector<LinkColumn>& Columns() const { return columns_; }
    int CodeColumns() const { return static_cast<int>(columns_.size()); }
    int Rows() const { return static_cast<int>(rows_.size()); }
    // Data row r (1 .. Rows()); an empty row for any other r.
    const LinkEditRow& Row(int r) const;

    // No columns, no rows.
    void Clear();
    // A new table on these columns: kNewTableRows rows, each "－" and black.
    void NewTable(std::vector<LinkColumn> columns);
    // What a KYL file holds; the columns have no headers yet, and take the
    // most digits.
    void FromLink(const frames::clsLink& link);
    // Moves the rows to other columns, by position: the first codes stay,
    // codes beyond the new columns go, new columns start empty.
    void Relink(std::vector<LinkColumn> columns);

    // --- rows ------------------------------------------------------------------------
    void RowAdd();
    // A new row at r (1 .. Rows() + 1); r < 1 inserts before row 1.
    void RowInsert(int r);
    // Removes row r; the last row removed leaves one new row.
    void RowDelete(int r);

    void SetName(int r, const std::string& name);
    void SetDirection(int r, const std::string& direction);
    // A colour for row r; 0 stands for black.
    void SetColor(int r, int32_t color, const std::string& text);
    // Refuses (false) a text that is not a code (see LinkCode.h).
    bool SetCode(int r, int k, const std::string& text);

    // Row r takes the edit panel's values (its colour 0 leaves a row with
    // no colour as it is and makes any other black).
    void RowUpdate(int r, const std::string& name, const std::string& direction, int32_t color,
                   const std::vector<std::string>& codes);

    // Spreads the colours evenly over the rows, from white down; only the
    // colours change.
    void AutoColor();

    // The table as clsLink holds it; nothing when a code text does not
    // read as a code.
    std::optional<frames::clsLink> ToLink(const std::string& linkName) const;

    friend bool operator==(const LinkEditTable&, const LinkEditTable&) = default;

private:
    LinkEditRow NewRow() const;

    std::vector<LinkColumn> columns_;
    std::vector<LinkEditRow> rows_;
};

}  // namespace analyser::editors
