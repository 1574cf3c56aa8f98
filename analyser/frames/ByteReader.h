// Reads a file front to back in large blocks and hands out little-endian
// fields, length-prefixed texts and CR LF lines, never past the file's
// end. Every read says whether it got all it asked for, so a reader can
// refuse a file cut short instead of making up the missing bytes; nothing
// is allocated for a length the file cannot hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace frames {

class ByteReader {
public:
    explicit ByteReader(const std::string& path);
    ~ByteReader();
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    int64_t Length() const { return length_; }
    int64_t Position() const { return bufferStart_ + static_cast<int64_t>(next_); }
    // Bytes left before the end. A read error ends the file where it
    // happened.
    int64_t Remaining() const { return failed_ ? 0 : length_ - Position(); }

    // All or nothing: false, with nothing taken, when fewer than size
    // bytes are left.
    bool Read(void* out, size_t size);
    bool U8(uint8_t& v) { return Read(&v, 1); }
    bool U16(uint16_t& v);
    bool I16(int16_t& v);
    bool U32(uint32_t& v);
    bool I32(int32_t& v);
    bool F64(double& v);
    // A 16-bit byte count and that many bytes. False when the file ends
    // before them.
    bool Text(std::string& out);
    // Up to count bytes, fewer at the end of the file.
    void Take(std::string& out, size_t count);

    // The bytes up to the first CR directly followed by LF (both dropped),
    // or up to the end of the file. False when the file had ended already.
    bool Line(std::string& out);

private:
    // Moves what is left of the block to its front and reads more behind
    // it. False when nothing more could be read.
    bool Fill();
    size_t Buffered() const { return end_ - next_; }

    std::FILE* file_ = nullptr;
    int64_t length_ = 0;
    bool failed_ = false;
    std::vector<char> buffer_;
    int64_t bufferStart_ = 0;  // file offset of buffer_[0]
    size_t next_ = 0;
    size_t end_ = 0;
};

}  // namespace frames
