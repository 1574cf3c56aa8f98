#include "LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace store {

namespace {
// Blocks small enough to stay in the processor's cache while their lines
// are taken apart.
constexpr size_t kBlock = 256 << 10;
constexpr size_t kFirstBlock = 4 << 10;
}  // namespace

int64_t PreadFull(int fd, char* to, size_t size, int64_t offset) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, to + got, size - got, static_cast<off_t>(offset + static_cast<int64_t>(got)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(got);
}

LineReader::LineReader(const std::string& path) {
    // Without waiting: a pipe under the name would hold the open until
    // someone writes to it, and is refused below like any other file that
    // is not a regular one. A regular file reads as usual.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    length_ = st.st_size;
}

bool LineReader::Shrunk() const {
    struct stat st {};
    return fd_ >= 0 && (::fstat(fd_, &st) != 0 || st.st_size < length_);
}

LineReader::~LineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineReader::Fill() {
    if (fd_ < 0 || failed_) return false;
    size_t want = kBlock;
    if (!block_) {
        // A file of a few bytes needs no large block.
        blockSize_ = static_cast<size_t>(std::clamp<int64_t>(length_, 4096, kBlock));
        block_ = std::make_unique_for_overwrite<char[]>(blockSize_);
        // A file starts with its header, which is often all that is read
        // of it this way.
        want = kFirstBlock;
    }
    want = std::min(want, blockSize_);
    const int64_t got = PreadFull(fd_, block_.get(), want, offset_);
    // The end before the length the file had when it was opened: it was
    // cut short meanwhile, and what is read of it is neither the file that
    // was opened nor the one there now.
    if (got < 0 || (static_cast<size_t>(got) < want && offset_ + got < length_)) failed_ = true;
    filled_ = got > 0 ? static_cast<size_t>(got) : 0;
    offset_ += static_cast<int64_t>(filled_);
    next_ = 0;
    return filled_ > 0;
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

bool LineReader::NextBytes(std::string_view& bytes) {
    if (!pending_.empty()) {
        given_.swap(pending_);
        pending_.clear();
        position_ += static_cast<int64_t>(given_.size());
        bytes = given_;
        return true;
    }
    if (next_ >= filled_ && !Fill()) return false;
    bytes = std::string_view(block_.get() + next_, filled_ - next_);
    position_ += static_cast<int64_t>(filled_ - next_);
    next_ = filled_;
    return true;
}

void LineReader::PutBack(std::string tail) {
    position_ -= static_cast<int64_t>(tail.size());
    pending_ = std::move(tail);
}

}  // namespace store
