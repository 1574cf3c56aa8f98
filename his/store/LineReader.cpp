#include "LineReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace store {

namespace {
constexpr size_t kBlock = 1 << 20;
constexpr size_t kFirstBlock = 64 << 10;
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

LineReader::LineReader(const std::string& path, int64_t begin, int64_t end) : LineReader(path) {
    if (!file_) return;
    if (end < begin || ::fseeko(file_, begin, SEEK_SET) != 0) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    position_ = begin;
    length_ = end;
    left_ = end - begin;
}

LineReader::~LineReader() {
    if (file_) std::fclose(file_);
}

bool LineReader::Fill() {
    if (!file_ || failed_) return false;
    size_t want = left_ < 0 ? kBlock : static_cast<size_t>(std::min<int64_t>(left_, kBlock));
    if (!block_) {
        // A reader of a few bytes needs no large block.
        const int64_t expected = left_ < 0 ? length_ - position_ : left_;
        blockSize_ = static_cast<size_t>(std::clamp<int64_t>(expected, 4096, kBlock));
        block_ = std::make_unique_for_overwrite<char[]>(blockSize_);
        // A whole file starts with its header, which is often all that is
        // read of it this way.
        if (left_ < 0) want = std::min(want, kFirstBlock);
    }
    want = std::min(want, blockSize_);
    const size_t got = want == 0 ? 0 : std::fread(block_.get(), 1, want, file_);
    if (got == 0 && std::ferror(file_)) failed_ = true;
    if (left_ > 0) left_ -= static_cast<int64_t>(got);
    filled_ = got;
    next_ = 0;
    return got > 0;
}

bool LineReader::AtEnd() {
    if (!pending_.empty()) return false;
    return next_ >= filled_ && !Fill();
}

bool LineReader::NextLine(std::string& line) {
    line.clear();
    if (!pending_.empty()) {
        line.swap(pending_);
        position_ += static_cast<int64_t>(line.size());
        return true;
    }
    while (true) {
        if (next_ >= filled_ && !Fill()) return !line.empty();
        const char* start = block_.get() + next_;
        const size_t left = filled_ - next_;
        const void* lf = std::memchr(start, '\n', left);
        const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) + 1 : left;
        line.append(start, take);
        next_ += take;
        position_ += static_cast<int64_t>(take);
        const size_t n = line.size();
        if (lf && n >= 2 && line[n - 2] == '\r') return true;
    }
}

bool LineReader::NextLine(std::string_view& line) {
    if (!pending_.empty()) {
        carry_.swap(pending_);
        pending_.clear();
        position_ += static_cast<int64_t>(carry_.size());
        line = carry_;
        return true;
    }
    carry_.clear();
    while (true) {
        if (next_ >= filled_ && !Fill()) {
            line = carry_;
            return !carry_.empty();
        }
        const char* start = block_.get() + next_;
        const char* end = block_.get() + filled_;
        for (const char* from = start; from < end;) {
            const auto* lf = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(end - from)));
            if (lf == nullptr) break;
            const bool afterCr = lf > start ? lf[-1] == '\r' : !carry_.empty() && carry_.back() == '\r';
            if (!afterCr) {
                from = lf + 1;
                continue;
            }
            const auto take = static_cast<size_t>(lf + 1 - start);
            next_ += take;
            position_ += static_cast<int64_t>(take);
            if (carry_.empty()) {
                line = std::string_view(start, take);
            } else {
                carry_.append(start, take);
                line = carry_;
            }
            return true;
        }
        // No line end in the rest of the block: it goes with the next one.
        const auto left = static_cast<size_t>(end - start);
        carry_.append(start, left);
        next_ += left;
        position_ += static_cast<int64_t>(left);
    }
}

void LineReader::PutBack(std::string tail) {
    position_ -= static_cast<int64_t>(tail.size());
    pending_ = std::move(tail);
}

}  // namespace store
