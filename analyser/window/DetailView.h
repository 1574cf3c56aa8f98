// What the frame detail window shows: one frame decoded into the items of
// a frame configuration (name, value, size), a hex dump of its bytes,
// sixteen a row, and the frame's status texts. Positions in the dump are
// worked out from the item sizes as numbers and from byte offsets, never
// read back from the texts shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ItemWalk.h"
#include "StatusTexts.h"

namespace frames {
class clsFrameConfig;
}

namespace analyser {

// One row of the item list.
struct DetailItem {
    std::string Name;
    std::string Data;  // "65 (0x41)", " ??" or "" for an item without bytes
    std::string Size;  // "8", "可変 --->24", "可変"
    bool HasData = false;
    int32_t Bits = 0;  // the size shown, as a number (0 for "可変" alone)
};

// The rows of config's items for the decoded items of one frame (the
// document's FrameItems, or a SelAnalysis result). An item the decode did
// not reach shows no value.
std::vector<DetailItem> DetailItemRows(const frames::clsFrameConfig& config,
                                       const std::vector<frames::DecodedItem>& decoded);

// Upper-case hexadecimal of a whole value, no leading zeros ("FF", "1000").
std::string ValueToHex(double value);

// One character per byte; bytes below 32 and above 126 as "･".
std::string CharColumnText(std::string_view bytes);

// The dump grid: column 0 the row number, bytes 1-8 in columns 2-9, "-"
// in column 10, bytes 9-16 in columns 11-18, the characters in column 20.
inline constexpr int kDumpCols = 21;
inline constexpr int kDumpNumberCol = 0;
inline constexpr int kDumpDashCol = 10;
inline constexpr int kDumpCharCol = 20;
inline constexpr int kDumpBytesPerRow = 16;

// The column of the m-th byte of a row (0-15).
constexpr int DumpColumnOfByte(int m) { return m < 8 ? m + 2 : m + 3; }
// The byte of a row a column holds (0-15), -1 for the other columns.
constexpr int DumpByteOfColumn(int col) {
    if (col >= 2 && col <= 9) return col - 2;
    if (col >= 11 && col <= 18) return col - 3;
    return -1;
}

struct DumpRow {
    std::string Number;  // "000000", "000001", ...
    std::array<std::string, kDumpBytesPerRow> Bytes;  // "" past the last byte
    std::string Chars;
};

// At least one row: an empty frame still shows row 0.
std::vector<DumpRow> HexDumpRows(std::string_view bytes);

struct DumpCell {
    int Row = 0;
    int Col = 2;
    friend bool operator==(const DumpCell&, const DumpCell&) = default;
};

// The cell of the first byte of list row k (0-based): the bits of the
// rows before it that hold data, in whole bytes.
DumpCell ItemBytePosition(const std::vector<DetailItem>& rows, size_t k);

// The byte offset of a dump cell, or -1 when the cell holds no byte of
// bytes.
int64_t DumpCellOffset(std::string_view bytes, int row, int col);

// The bytes from a dump cell to the end of the frame: the rest of the
// cell's row from its column on, then every later row.
std::string_view BytesFromCell(std::string_view bytes, int row, int col);

// The codes of config's code items (type 0) in decoded, joined by ",", as
// a link table looks frames up; "" when there is none.
std::string CodeValuesText(const frames::clsFrameConfig& config, const std::vector<frames::DecodedItem>& decoded);

// The five status panels: time stamp, inter-frame time, line, trigger and
// error.
struct DetailPanels {
    std::string Date;
    std::string CTime;
    std::string Chanel;
    std::string Trig;
    std::string Error;
    friend bool operator==(const DetailPanels&, const DetailPanels&) = default;
};

DetailPanels DetailPanelTexts(const FrameStatus& frame);
// The panels of a window decoded again from a chosen byte: the source's
// texts without its inter-frame time.
DetailPanels ConvertedPanels(const DetailPanels& source);

// " ---" for an empty caption or link table name.
std::string OrNone(const std::string& text);

// The item list's columns: a quarter, a third and a third of the list's
// width, whatever width the list has.
struct ListColumns {
    int Name = 0;
    int Data = 0;
    int Size = 0;
};
ListColumns DetailListColumns(int listWidth);
// The least list width at which those fractions hold texts needing
// nameWidth, dataWidth and sizeWidth.
int DetailListWidthFor(int nameWidth, int dataWidth, int sizeWidth);

}  // namespace analyser
