// Reads a file forward as CR LF lines of bytes, in large blocks, through
// the descriptor it opened.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace store {

class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The open file, for reading it elsewhere with pread: whatever happens
    // to its name meanwhile, it stays the file this reader opened.
    int Fd() const { return fd_; }
    int64_t Length() const { return length_; }
    // Bytes handed out so far.
    int64_t Position() const { return position_; }
    bool AtEnd();
    // A read error, or the end of the file before Length(), stops the
    // reader; it then reports the end.
    bool Failed() const { return failed_; }
    // The file is shorter now than it was when it was opened (or can no
    // longer be asked): whatever was read of it may be cut.
    bool Shrunk() const;

    // The next line with its CR LF, or what is left at the end of the file.
    // False when the file had ended already.
    bool NextLine(std::string& line);
    // The bytes not handed out yet, as many as the reader holds (at most a
    // block): they stay readable until the next call. False at the end.
    bool NextBytes(std::string_view& bytes);
    // Gives back the tail of a line so that the next NextLine starts with it.
    void PutBack(std::string tail);

private:
    bool Fill();

    int fd_ = -1;
    int64_t length_ = 0;
    int64_t position_ = 0;
    int64_t offset_ = 0;  // where the next block is read from
    bool failed_ = false;
    std::unique_ptr<char[]> block_;
    size_t blockSize_ = 0;
    size_t filled_ = 0;  // bytes of the block read
    size_t next_ = 0;
    std::string pending_;
    std::string given_;  // a line given back, as NextBytes handed it out
};

// Reads up to size bytes at offset, retrying what a signal interrupted or
// cut short; the bytes read, or -1 on an error.
int64_t PreadFull(int fd, char* to, size_t size, int64_t offset);

}  // namespace store
