#include "LineSplitter.h"

namespace unitsim {

std::vector<std::string> LineSplitter::Feed(std::string_view bytes) {
    // Only the new bytes and the one before them can hold a fresh CR LF.
    std::size_t from = pending_.empty() ? 0 : pending_.size() - 1;
    pending_ += bytes;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = pending_.find("\r\n", from); end != std::string::npos;
         end = pending_.find("\r\n", start)) {
        lines.push_back(pending_.substr(start, end - start));
        start = end + 2;
    }
    pending_.erase(0, start);
    return lines;
}

}  // namespace unitsim
