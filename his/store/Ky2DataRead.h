// The data lines of a KY2 file into a record store. A long file is cut
// into stretches that are parsed side by side, each into a store of its
// own, and joined in file order; the window thread meanwhile moves the
// progress bar, yields and watches for a cancel. The result is the same as
// parsing every line in turn, and every stretch reads the file that was
// opened, whatever happens to its name meanwhile.
#pragma once

#include <cstdint>
#include <string>

#include "LineReader.h"
#include "Progress.h"
#include "RecordStore.h"

namespace store {

// How a read may be cut up: stretches of at least minBytes, at most
// maxParts of them (0: three per worker thread). A stretch looks for its
// first line start in its first searchBytes (0: an eighth of it, at most
// 64 KB); a stretch whose first line starts later is read once the line
// before it has ended. Tests cut small files finely.
struct DataReadSplit {
    int64_t minBytes = int64_t{256} << 10;
    unsigned maxParts = 0;
    int64_t searchBytes = 0;
};

// Reads every data line from in's position to the end of its file into
// records (emptied first), setting trigPos to each record flagged Trig.
// A short file is read on this thread. False on a read error, when the
// file turns out shorter than it was when opened, or when the history
// cannot take all records. A cancel stops the read where it finds it, also
// inside a long line, keeps the records read before it and returns true.
bool Ky2DataRead(LineReader& in, RecordStore& records, int32_t& trigPos, ProgressSink* bar,
                 const DataReadSplit& split = {});

}  // namespace store
