#include "LineReader.h"

#include <sys/stat.h>

#include <cstring>

namespace store {

namespace {
constexpr size_t kBlock = 1 << 18;
}

LineReader::LineReader(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return;
    struct stat st {};
    if (::fstat(::fileno(file_), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    length_ = st.st_size;
}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

bool LineReader::Fill() {
    if (!file_ || failed_) return false;
    buffer_.resize(kBlock);
    const size_t got = std::fread(buffer_.data(), 1, kBlock, file_);
    if (got == 0 && std::ferror(file_)) failed_ = true;
    buffer_.resize(got);
    next_ = 0;
    return got > 0;
}

bool LineReader::AtEnd() {
    if (!pending_.empty()) return false;
    return next_ >= buffer_.size() && !Fill();
}

bool LineReader::NextLine(std::string& line) {
    line.clear();
    if (!pending_.empty()) {
        line.swap(pending_);
        position_ += static_cast<int64_t>(line.size());
        return true;
    }
    while (true) {
        if (next_ >= buffer_.size() && !Fill()) return !line.empty();
        const char* start = buffer_.data() + next_;
        const size_t left = buffer_.size() - next_;
        const void* lf = std::memchr(start, '\n', left);
        const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) + 1 : left;
        line.append(start, take);
        next_ += take;
        position_ += static_cast<int64_t>(take);
        const size_t n = line.size();
        if (lf && n >= 2 && line[n - 2] == '\r') return true;
    }
}

void LineReader::PutBack(std::string tail) {
    position_ -= static_cast<int64_t>(tail.size());
    pending_ = std::move(tail);
}

}  // namespace store
