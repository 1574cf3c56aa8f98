// The S-record file a download sends: every line of it as the file holds
// it, without its line end. Nothing in a line is looked at; the unit
// checks what it gets, and its reply says how the download went.
//
// Lines end in LF or CR LF. An empty line is a line (it goes out as a bare
// line end); only a file's last line may lack its line end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mon {

struct SRecordFile {
    enum class Status {
        Ok,
        Unreadable,  // the file cannot be opened or read
    };
    Status status = Status::Unreadable;
    std::vector<std::string> lines;  // without their line ends
};

// Lines of the bytes as a file holds them; never fails.
SRecordFile SRecordParse(std::string_view bytes);
SRecordFile SRecordRead(const std::string& path);

}  // namespace mon
