// The DUAL position table: one entry per character position, holding the
// SD and the RD record shown there. Built once per loaded history. A
// position holds one record or a pair of consecutive records, so the table
// is a bit per record (does it begin a position?) and a bit per position
// (is its first record SD?); counting those bits maps records and
// positions both ways without walking, whatever the history's length.
#pragma once

#include <cstdint>

#include "RankBits.h"
#include "clsCommon.h"

namespace viewer {

struct LineEntry {
    int32_t Sd = -1;
    int32_t Rd = -1;
};

enum EntryKind : int16_t { kKindSd = 1, kKindRd = 2 };

class LineTable {
public:
    // Walks the whole history once. An SD record flagged Same takes the
    // record after it, of whatever direction, into its entry's RD side.
    void Build(const store::clsCommon& doc);
    void Clear();

    int32_t Count() const { return static_cast<int32_t>(sdFirst_.Size()); }
    // The entry at a position; both sides -1 outside the table.
    LineEntry At(int32_t position) const;

    // The position whose SD or RD side is record; 0 when none holds it.
    int32_t RecordToLine(int32_t record) const;
    // kind 1 the SD side, 2 the RD side (-1 where empty); any other kind the
    // SD record when present, else the RD record. -1 outside the table.
    int32_t LineToRecord(int32_t position, int16_t kind) const;

    size_t HeapBytes() const { return starts_.HeapBytes() + sdFirst_.HeapBytes(); }

private:
    store::RankBits starts_;   // by record: set where a position begins
    store::RankBits sdFirst_;  // by position: set when its first record is SD
};

}  // namespace viewer
