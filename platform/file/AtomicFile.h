// Writes a file so that it either appears whole under its name or not at
// all: the bytes go to a temporary file in the same folder, which replaces
// the target only once everything is written and synced. A failure keeps
// the old file and removes the temporary one.
//
// The replacement respects what stands at the target, as writing into it
// would: a file that the process may not write refuses the save (EACCES,
// EROFS, ...) before anything is made; a symbolic link is followed, so the
// file it finally names is replaced and the link stays; and the new file
// takes the old one's permission bits, and its owner and group as far as
// the process may set them. What is not a regular file (a pipe, a device
// node) is refused with kNotRegularFile and left as it is.
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The error of a save onto something that is not a regular file.
inline constexpr int kNotRegularFile = ENOTSUP;

class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();  // discards everything unless Commit succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False once any step has failed; later writes are ignored.
    bool ok() const { return error_ == 0; }
    // The errno of the first failure, 0 while all is well.
    int error() const { return error_; }

    void Write(const void* data, size_t size);
    void Write(std::string_view bytes) { Write(bytes.data(), bytes.size()); }

    // Flushes, syncs and renames over the target. True when the target now
    // holds exactly what was written.
    bool Commit();

private:
    void Fail(int err);
    void Flush();
    void Discard();

    std::string target_;
    std::string final_;  // the file the bytes replace: target_ with links followed
    std::string tempPath_;
    int fd_ = -1;
    int error_ = 0;
    bool committed_ = false;
    std::string buffer_;
};

}  // namespace platform
