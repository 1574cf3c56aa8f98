#include "SRecordFile.h"

#include <filesystem>
#include <fstream>

namespace mon {

namespace {

// Takes a file piece by piece and cuts it into lines.
class LineCollector {
public:
    LineCollector() { file_.status = SRecordFile::Status::Ok; }

    void Feed(std::string_view bytes) {
        while (!bytes.empty()) {
            const size_t end = bytes.find('\n');
            pending_ += bytes.substr(0, end);
            if (end == std::string_view::npos) return;
            bytes.remove_prefix(end + 1);
            TakeLine();
        }
    }

    SRecordFile Finish() {
        if (!pending_.empty()) TakeLine();
        return std::move(file_);
    }

private:
    void TakeLine() {
        if (!pending_.empty() && pending_.back() == '\r') pending_.pop_back();
        file_.lines.push_back(std::move(pending_));
        pending_.clear();
    }

    SRecordFile file_;
    std::string pending_;
};

}  // namespace

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
        lines.Feed(std::string_view(block, static_cast<size_t>(in.gcount())));
    }
    if (in.bad()) return {};
    return lines.Finish();
}

}  // namespace mon
