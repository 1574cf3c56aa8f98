// Long histories for the benchmarks, shaped like a capture with character
// times: both directions, every unit with its character time, six units a
// time stamp, now and then an error or a unit that arrived with the next.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The attribute byte (with its top bit) and data byte of unit i.
uint8_t UnitAttribute(int64_t i);
uint8_t UnitData(int64_t i);

// A KY2 file of that many units in the temporary folder, written once per
// size and process; its path.
const std::string& HistoryFile(int64_t units);

// A KY2 file whose data lines hold the given numbers of units, units as
// in HistoryFile, each line under a stamp of its own: long lines as a
// converted or edited history can hold them. Written once per name and
// process; its path.
const std::string& LongLinesFile(const std::string& name, const std::vector<int64_t>& lineUnits);

// A KY2 file whose data is one line of that many units without character
// times, which never ends: no end item, no CR LF. Written once per size
// and process; its path.
const std::string& OpenLineFile(int64_t units);

// A temporary file name for outputs; removed at exit.
std::string OutputPath(const std::string& name);

}  // namespace bench
