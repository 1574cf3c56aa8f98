#include "FrameRecord.h"

#include <algorithm>
#include <cstring>

#include "ByteWriter.h"

namespace frames {

namespace {

constexpr char kDle = 0x10;
constexpr std::string_view kCrLf = "\r\n";

}  // namespace

void DleEscapeAppend(std::string& out, std::string_view data) {
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != 0x0A && data[i] != kDle) continue;
        out.append(data.substr(start, i - start));
        out.push_back(kDle);
        start = i;
    }
    out.append(data.substr(start));
}

void DleRemoveAppend(std::string& out, std::string_view line) {
    while (!line.empty()) {
        const void* dle = std::memchr(line.data(), kDle, line.size());
        if (dle == nullptr) {
            out.append(line);
            return;
        }
        const size_t at = static_cast<size_t>(static_cast<const char*>(dle) - line.data());
        out.append(line.substr(0, at));
        if (at + 1 < line.size()) out.push_back(line[at + 1]);
        line.remove_prefix(std::min(at + 2, line.size()));
    }
}

void FrameRecordAppend(std::string& out, double date, uint8_t status, int16_t cut,
                       std::string_view comment0, std::string_view comment1, std::string_view data) {
    ByteWriter w(out);
    w.F64(date);
    w.U8(status);
    w.I16(cut);
    w.Bytes(comment0);
    w.Bytes(kCrLf);
    w.Bytes(comment1);
    w.Bytes(kCrLf);
    DleEscapeAppend(out, data);
    w.Bytes(kCrLf);
}

}  // namespace frames
