// The S-record file reader over any bytes. Properties: a file taken as
// S-record lines holds only S-record lines, and written out again reads
// back to the same lines; a refused file names a line that is there and
// keeps no lines.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "SRecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const mon::SRecordFile file = mon::SRecordParse(bytes);
    if (file.status == mon::SRecordFile::Status::Unreadable) std::abort();
    if (file.status == mon::SRecordFile::Status::NotSRecord) {
        const size_t lineCount = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
        if (!file.lines.empty() || file.badLine == 0 || file.badLine > lineCount) std::abort();
        return 0;
    }
    std::string again;
    for (const std::string& line : file.lines) {
        if (!mon::IsSRecordLine(line)) std::abort();
        again += line + "\r\n";
    }
    const mon::SRecordFile reread = mon::SRecordParse(again);
    if (reread.status != mon::SRecordFile::Status::Ok || reread.lines != file.lines) std::abort();
    return 0;
}
