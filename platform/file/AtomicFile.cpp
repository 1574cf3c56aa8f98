#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {

namespace {

constexpr size_t kBufferSize = 1 << 16;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a new file would get, or the old file's when it exists.
mode_t TargetMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    if (target_.empty()) {
        Fail(ENOENT);
        return;
    }
    std::string pattern = FolderOf(target_) + "/." + NameOf(target_) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        Fail(errno);
        return;
    }
    tempPath_ = name.data();
    ::fchmod(fd_, TargetMode(target_));
    buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile() {
    if (!committed_) Discard();
}

void AtomicFile::Fail(int err) {
    if (error_ == 0) error_ = err != 0 ? err : EIO;
}

void AtomicFile::Write(const void* data, size_t size) {
    if (!ok()) return;
    buffer_.append(static_cast<const char*>(data), size);
    if (buffer_.size() >= kBufferSize) Flush();
}

void AtomicFile::Flush() {
    size_t done = 0;
    while (ok() && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Fail(n < 0 ? errno : EIO);
            break;
        }
        done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

bool AtomicFile::Commit() {
    if (committed_) return true;
    if (ok()) Flush();
    if (ok() && ::fsync(fd_) != 0) Fail(errno);
    if (fd_ >= 0) {
        if (::close(fd_) != 0) Fail(errno);
        fd_ = -1;
    }
    if (ok() && ::rename(tempPath_.c_str(), target_.c_str()) != 0) Fail(errno);
    if (!ok()) {
        Discard();
        return false;
    }
    committed_ = true;
    return true;
}

void AtomicFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

std::string FileErrorText(int err) {
    char text[256];
    return ::strerror_r(err, text, sizeof text);
}

}  // namespace platform
