// The S-record file a download sends, read whole and checked before
// anything goes to the unit.
//
// A line is "S", a type digit, a count of two hex digits and that many
// bytes as hex digit pairs (address, data, checksum). Lines end in LF or
// CR LF; empty lines are skipped. The checksum is the unit's to check.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mon {

struct SRecordFile {
    enum class Status {
        Ok,
        Unreadable,   // the file cannot be opened or read
        NotSRecord,   // a line is not an S-record line
    };
    Status status = Status::Unreadable;
    std::vector<std::string> lines;  // without their line ends
    size_t badLine = 0;              // 1-based, for NotSRecord
};

bool IsSRecordLine(std::string_view line);

// Lines of the bytes as a file holds them; never fails.
SRecordFile SRecordParse(std::string_view bytes);
SRecordFile SRecordRead(const std::string& path);

}  // namespace mon
