// Reads a file forward as CR LF lines of bytes, in large blocks.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace store {

class LineReader {
public:
    explicit LineReader(const std::string& path);
    // Reads only the bytes from offset begin up to offset end; Position()
    // counts from the start of the file, and Length() is end.
    LineReader(const std::string& path, int64_t begin, int64_t end);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    int64_t Length() const { return length_; }
    // Bytes handed out so far.
    int64_t Position() const { return position_; }
    bool AtEnd();
    // A read error stops the reader; it then reports the end.
    bool Failed() const { return failed_; }

    // The next line with its CR LF, or what is left at the end of the file.
    // False when the file had ended already.
    bool NextLine(std::string& line);
    // The same without a copy: the line stays readable until the next call.
    bool NextLine(std::string_view& line);
    // Gives back the tail of a line so that the next NextLine starts with it.
    void PutBack(std::string tail);

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    int64_t length_ = 0;
    int64_t position_ = 0;
    int64_t left_ = -1;  // bytes the file may still give; -1 up to its end
    bool failed_ = false;
    std::unique_ptr<char[]> block_;
    size_t blockSize_ = 0;
    size_t filled_ = 0;  // bytes of the block read
    size_t next_ = 0;
    std::string pending_;
    std::string carry_;  // a line that spans blocks, as far as it is read
};

}  // namespace store
