// A link table: names for frames. Some items of the frame layout are its
// columns (by 1-based item number); each row holds one code per column and
// a name, an arrow and a colour. A frame belongs to the first row whose
// codes all equal the frame's item values, a code of -1 matching any.
//
// Mode 1 edits the table row by row (ListIndex is the row); mode 2, after
// DataJoint, answers for frames (ListIndex is the frame number).
//
// KYL file: magic (32-bit), name (16-bit byte count + code page 932
// bytes), rows (32-bit), columns (16-bit), then CR LF text lines with
// fields separated by the byte 0x01: the positions line, then one line per
// row: each code and a separator (a wildcard is an empty field), the name,
// the direction and the colour.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FileText.h"
#include "LinkRow.h"

namespace frames {

class clsProtocol;

inline constexpr uint32_t kLinkMagic = 0x4E35004C;
inline constexpr uint32_t kLinkMagicOld = 0x4E34584C;

// Everything a KYL file holds.
struct LinkTable {
    FileText name;
    int32_t linkMax = 0;
    int16_t itemMax = 0;
    std::vector<int16_t> positions;
    std::vector<LinkRow> rows;

    friend bool operator==(const LinkTable&, const LinkTable&) = default;
};

class clsLink {
public:
    int32_t Mode() const { return mode_; }
    // 2 joins the table to its document; any other value edits it (1).
    void Mode(int32_t vMode);

    const std::string& LinkName() const { return table_.name.Text(); }
    void LinkName(std::string_view name) { table_.name = FileText::FromUtf8(name); }

    int32_t ListIndex() const { return listIndex_; }
    // Mode 1: ignored above LinkMax; mode 2: any frame number.
    void ListIndex(int32_t vIndex);

    // Row and column counts. A setter ignores values below 1, the current
    // value, and mode 2; once both are set, a change makes the rows again,
    // all codes and positions 0, names empty, no arrow, no colour.
    int32_t LinkMax() const { return table_.linkMax; }
    void LinkMax(int32_t rows);
    int16_t ItemMax() const { return table_.itemMax; }
    void ItemMax(int16_t columns);

    // Mode 1: the 1-based item number column vIndex compares; -1 otherwise.
    int16_t Position(int vIndex) const;
    void Position(int vIndex, int16_t position);
    // Mode 1: code vIndex of the current row (-1 any value); -1 when there
    // is no such column or row.
    double ObjectCode(int vIndex) const;
    void ObjectCode(int vIndex, double code);

    // The current row's name, arrow (0 none, 1 "→", 2 "←") and colour; in
    // mode 2 those of frame ListIndex's row. "", 0 and 0 without a row. The
    // setters work in mode 1 on an existing row; a name keeps no CR, LF or
    // 0x01, which would break its line in the file.
    std::string ItemName() const;
    void ItemName(std::string_view name);
    int32_t Direction() const;
    void Direction(int32_t direction);
    int32_t BackColor() const;
    void BackColor(int32_t color);

    // Reads a KYL file of either magic. False for an empty path, a missing
    // file, a wrong magic, a body that is short or not numbers where
    // numbers belong, or rows too many to hold in memory; the table is then
    // as it was. Mode and ListIndex stay.
    bool LinkRead(const std::string& vFileName);
    // Writes the table with the current magic through the atomic writer;
    // false when it could not be written (the old file stays).
    bool LinkWritre(const std::string& vFileName) const;

    // Keeps doc (which must outlive the joined table) and moves to mode 2;
    // false, changing nothing, when it has no frames.
    bool DataJoint(const clsProtocol& rclsPro);

    // The name of the first row whose codes match a list of values joined
    // by ",", compared column by column; "" when none matches or a value is
    // not a number.
    std::string SelFind(std::string_view vBuff) const;

    // The folder listing: every "*.kyl" (any case, sorted by name) whose
    // header carries the current magic, with its link name.
    const std::string& DirName() const { return dirName_; }
    void DirName(const std::string& folder);
    int16_t DirLinkNameNo() const { return static_cast<int16_t>(dirFiles_.size()); }
    std::string DirLinkName(int vIndex) const;
    std::string DirLinkFileName(int vIndex) const;

    const LinkTable& Table() const { return table_; }

private:
    template <typename T>
    void CountSet(T& count, T value);
    void TableResize();
    // The row the row accessors refer to: in mode 1 the current row, in
    // mode 2 frame ListIndex's row; null for none.
    const LinkRow* CurrentRow() const;
    LinkRow* EditedRow();
    int MatchFrame(int32_t frame) const;

    int32_t mode_ = 1;
    int32_t listIndex_ = 0;
    LinkTable table_;
    const clsProtocol* joined_ = nullptr;
    // The last frame matched in mode 2 and its row (-1 none).
    mutable int32_t matchedFrame_ = -1;
    mutable int matchedRow_ = -1;

    std::string dirName_;
    std::vector<FileText> dirNames_;
    std::vector<std::string> dirFiles_;
};

// Reads a KYL file into table; false (table partly filled) when it is not
// one or does not hold what its header promises.
bool LinkTableRead(const std::string& path, LinkTable& table);
// The bytes of a KYL file holding table; false when it does not fit.
bool LinkTableBytes(const LinkTable& table, std::string& out);

}  // namespace frames
