// The S-record file reader over any bytes. Properties: every line is kept,
// none holds an LF, there is one line per LF (and one more for bytes after
// the last), and the lines written out again read back to the same lines.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "SRecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const mon::SRecordFile file = mon::SRecordParse(bytes);
    if (file.status != mon::SRecordFile::Status::Ok) std::abort();
    const auto ends = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    const bool tail = !bytes.empty() && bytes.back() != '\n';
    if (file.lines.size() != ends + (tail ? 1 : 0)) std::abort();
    std::string again;
    for (const std::string& line : file.lines) {
        if (line.find('\n') != std::string::npos) std::abort();
        again += line + "\r\n";
    }
    const mon::SRecordFile reread = mon::SRecordParse(again);
    if (reread.status != mon::SRecordFile::Status::Ok || reread.lines != file.lines) std::abort();
    return 0;
}
