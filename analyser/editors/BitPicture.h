// The bit picture of a frame configuration: the frame's bit positions laid
// out 8, 16 or 32 to a row, each labelled with the name of the item that
// occupies it. Two heading rows carry the byte number within the row and
// the bit number. Built from the item rows' names, sizes and units; only
// one run per item is held, so a picture of a million positions costs no
// more than its items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ItemTable.h"

namespace analyser::editors {

class BitPicture {
public:
    static constexpr int kHeadingRows = 2;

    static bool IsWidth(int width) { return width == 8 || width == 16 || width == 32; }

    BitPicture() = default;
    // The items in row order up to the first that has no size and is not
    // variable. A "bit" size counts as it is, a "byte" size times 8 (both
    // rounded to whole, halves to even, first); a variable item fills the
    // rest of the row it starts in, a whole row when it starts one.
    BitPicture(const ItemTable& items, int width);

    int Width() const { return width_; }
    // Bit positions drawn.
    int64_t Positions() const { return total_; }
    // The heading rows and one row per started `Width()` positions.
    int64_t Rows() const;

    // The text of a cell: a heading, or the name at that position ("" where
    // no item reaches).
    std::string Cell(int64_t row, int col) const;

    // A row as it shows, equal neighbours merged into one cell. Empty
    // cells never merge.
    struct Segment {
        int col = 0;
        int span = 1;
        std::string text;
        friend bool operator==(const Segment&, const Segment&) = default;
    };
    std::vector<Segment> RowSegments(int64_t row) const;

private:
    struct Run {
        int64_t first = 0;  // 0-based position
        int64_t length = 0;
        std::string name;
    };
    const Run* RunAt(int64_t position) const;

    int width_ = 16;
    int64_t total_ = 0;
    std::vector<Run> runs_;  // in position order, none empty
};

}  // namespace analyser::editors
