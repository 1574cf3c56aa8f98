#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
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

// The mode a new file gets.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

constexpr int kMaxLinks = 40;  // as many as the system follows in one path

// Follows symbolic links from path to the name that writing into path
// would reach. Sets exists, and st to that file's status, when a file
// stands there. Returns 0 or an errno.
int FollowLinks(const std::string& path, std::string& resolved, struct stat& st, bool& exists) {
    std::string at = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        if (::lstat(at.c_str(), &st) != 0) {
            if (errno != ENOENT) return errno;
            resolved = at;  // a new file, or what a dangling link names
            exists = false;
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            resolved = at;
            exists = true;
            return 0;
        }
        char link[4096];
        const ssize_t n = ::readlink(at.c_str(), link, sizeof link);
        if (n < 0) return errno;
        if (static_cast<size_t>(n) >= sizeof link) return ENAMETOOLONG;
        const std::string to(link, static_cast<size_t>(n));
        at = !to.empty() && to[0] == '/' ? to : FolderOf(at) + "/" + to;
    }
    return ELOOP;
}

// 0 when the process may write into the existing file, by the same rules
// that an open for writing would meet (permission bits, access lists,
// read-only mounts); otherwise that open's errno. What is not a regular
// file (a pipe, a device, a socket) is never replaced by one: writing into
// it is another thing than saving, and may block or reach a device.
int WriteRefusal(const std::string& path, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return kNotRegularFile;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    return 0;
}

// The temporary file's name pattern: hidden, beside the target and named
// after it, as long as the folder allows. A long name is cut so that the
// temporary one fits wherever the target's fits, never inside a UTF-8
// character.
std::string TemporaryName(const std::string& folder, const std::string& name) {
    constexpr std::string_view kSuffix = ".XXXXXX";
    long most = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (most <= 0) most = NAME_MAX;
    const size_t room = static_cast<size_t>(most) - 1 - kSuffix.size();
    size_t keep = std::min(name.size(), room);
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    return "." + name.substr(0, keep) + std::string(kSuffix);
}

// The replacement takes over the old file's owner and group where the
// process may set them (a plain user can give a file only a group of its
// own), then its permission bits; the order matters, since a change of
// owner clears the set-id bits.
void TakeOver(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    ::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)) {
    if (target_.empty()) {
        Fail(ENOENT);
        return;
    }
    struct stat old {};
    bool exists = false;
    if (const int err = FollowLinks(target_, final_, old, exists); err != 0) {
        Fail(err);
        return;
    }
    if (exists) {
        if (const int err = WriteRefusal(final_, old); err != 0) {
            Fail(err);
            return;
        }
    }
    std::string pattern = FolderOf(final_) + "/" + TemporaryName(FolderOf(final_), NameOf(final_));
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        Fail(errno);
        return;
    }
    tempPath_ = name.data();
    if (exists) {
        TakeOver(fd_, old);
    } else {
        ::fchmod(fd_, NewFileMode());
    }
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
    if (ok() && ::rename(tempPath_.c_str(), final_.c_str()) != 0) Fail(errno);
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

}  // namespace platform
