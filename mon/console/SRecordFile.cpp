#include "SRecordFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "his/store/SharedFunctions.h"

namespace mon {

namespace {

// The longest line: "S", the type, the count and 255 byte pairs.
constexpr size_t kLongestLine = 4 + 2 * 255;

bool HexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// Takes a file piece by piece, so that a file that is no S-record file is
// given up at its first bad line, however large it is.
class LineCollector {
public:
    LineCollector() { file_.status = SRecordFile::Status::Ok; }

    // False once a bad line was found.
    bool Feed(std::string_view bytes) {
        while (Good() && !bytes.empty()) {
            const size_t end = bytes.find('\n');
            pending_ += bytes.substr(0, end);
            if (end == std::string_view::npos) {
                // A line end must come before a line grows too long.
                if (pending_.size() > kLongestLine + 1) {
                    ++number_;
                    Bad();
                }
                return Good();
            }
            bytes.remove_prefix(end + 1);
            TakeLine();
        }
        return Good();
    }

    SRecordFile Finish() {
        if (Good() && !pending_.empty()) TakeLine();
        return std::move(file_);
    }

private:
    bool Good() const { return file_.status == SRecordFile::Status::Ok; }

    void TakeLine() {
        ++number_;
        std::string_view line(pending_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty()) {
            if (!IsSRecordLine(line)) return Bad();
            file_.lines.emplace_back(line);
        }
        pending_.clear();
    }

    // The line counted last is the bad one.
    void Bad() {
        file_.status = SRecordFile::Status::NotSRecord;
        file_.badLine = number_;
        file_.lines.clear();
    }

    SRecordFile file_;
    std::string pending_;
    size_t number_ = 0;
};

}  // namespace

bool IsSRecordLine(std::string_view line) {
    if (line.size() < 4 || line.size() > kLongestLine || line[0] != 'S') return false;
    if (line[1] < '0' || line[1] > '9') return false;
    const int32_t count = store::HexToInt<int32_t>(line.substr(2), 2);
    // At least the checksum byte follows the count.
    if (count < 1 || line.size() != 4 + 2 * static_cast<size_t>(count)) return false;
    return std::all_of(line.begin() + 4, line.end(), HexDigit);
}

SRecordFile SRecordParse(std::string_view bytes) {
    LineCollector lines;
    lines.Feed(bytes);
    return lines.Finish();
}

SRecordFile SRecordRead(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    LineCollector lines;
    char block[16384];
    while (in.read(block, sizeof block) || in.gcount() > 0) {
        if (!lines.Feed(std::string_view(block, static_cast<size_t>(in.gcount())))) break;
    }
    if (in.bad()) return {};
    return lines.Finish();
}

}  // namespace mon
