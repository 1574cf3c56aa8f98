#include "ByteReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace frames {

namespace {

constexpr int64_t kBlockSize = 256 * 1024;

template <typename T>
T LittleEndian(const unsigned char* b) {
    uint64_t v = 0;
    for (size_t i = sizeof(T); i-- > 0;) v = (v << 8) | b[i];
    return static_cast<T>(v);
}

}  // namespace

ByteReader::ByteReader(const std::string& path) {
    // Opened without blocking: a FIFO named where a file should be would
    // otherwise wait for a writer for ever. Only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "rb");
    if (file_ == nullptr) {
        ::close(fd);
        return;
    }
    length_ = st.st_size;
    // Small files (configurations, listings) get a small block.
    buffer_.resize(static_cast<size_t>(std::clamp<int64_t>(length_, 16, kBlockSize)));
}

ByteReader::~ByteReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool ByteReader::Fill() {
    if (file_ == nullptr || failed_) return false;
    if (next_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + next_, Buffered());
        bufferStart_ += static_cast<int64_t>(next_);
        end_ -= next_;
        next_ = 0;
    }
    // Never past the length taken at the start, should the file grow.
    const int64_t unread = length_ - (bufferStart_ + static_cast<int64_t>(end_));
    const size_t room = static_cast<size_t>(std::min<int64_t>(unread, static_cast<int64_t>(buffer_.size() - end_)));
    if (room == 0) return false;
    const size_t got = std::fread(buffer_.data() + end_, 1, room, file_);
    if (got == 0) {
        // The file ended sooner than its length said (or could not be
        // read): it ends here.
        if (Position() < length_) failed_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool ByteReader::Read(void* out, size_t size) {
    if (static_cast<int64_t>(size) > Remaining()) return false;
    auto* to = static_cast<char*>(out);
    while (size > 0) {
        if (Buffered() == 0 && !Fill()) return false;
        const size_t n = std::min(size, Buffered());
        std::memcpy(to, buffer_.data() + next_, n);
        next_ += n;
        to += n;
        size -= n;
    }
    return true;
}

bool ByteReader::U16(uint16_t& v) {
    unsigned char b[2];
    if (!Read(b, sizeof b)) return false;
    v = LittleEndian<uint16_t>(b);
    return true;
}

bool ByteReader::I16(int16_t& v) {
    uint16_t u = 0;
    if (!U16(u)) return false;
    v = static_cast<int16_t>(u);
    return true;
}

bool ByteReader::U32(uint32_t& v) {
    unsigned char b[4];
    if (!Read(b, sizeof b)) return false;
    v = LittleEndian<uint32_t>(b);
    return true;
}

bool ByteReader::I32(int32_t& v) {
    uint32_t u = 0;
    if (!U32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool ByteReader::F64(double& v) {
    unsigned char b[8];
    if (!Read(b, sizeof b)) return false;
    const uint64_t bits = LittleEndian<uint64_t>(b);
    std::memcpy(&v, &bits, sizeof v);
    return true;
}

bool ByteReader::Text(std::string& out) {
    uint16_t length = 0;
    if (!U16(length)) return false;
    if (length > Remaining()) return false;
    out.resize(length);
    return Read(out.data(), length);
}

void ByteReader::Take(std::string& out, size_t count) {
    out.resize(static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), Remaining())));
    if (!Read(out.data(), out.size())) out.clear();
}

bool ByteReader::Line(std::string& out) {
    out.clear();
    if (Remaining() <= 0) return false;
    while (true) {
        if (Buffered() == 0 && !Fill()) return true;
        const char* start = buffer_.data() + next_;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', Buffered()));
        if (cr == nullptr) {
            out.append(start, Buffered());
            next_ = end_;
            continue;
        }
        const size_t at = static_cast<size_t>(cr - buffer_.data());
        if (at + 1 == end_) {
            // The CR ends the block: see the byte after it first.
            out.append(start, at - next_);
            next_ = at;
            if (!Fill()) {
                out.push_back('\r');
                next_ = end_;
                return true;
            }
            continue;
        }
        if (buffer_[at + 1] == '\n') {
            out.append(start, at - next_);
            next_ = at + 2;
            return true;
        }
        out.append(start, at + 1 - next_);
        next_ = at + 1;
    }
}

}  // namespace frames
