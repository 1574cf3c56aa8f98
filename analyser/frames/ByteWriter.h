// Builds the bytes of a binary file field by field, little-endian, with
// no padding.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace frames {

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    void U8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void U16(uint16_t v) { Put(v, 2); }
    void I16(int16_t v) { Put(static_cast<uint16_t>(v), 2); }
    void U32(uint32_t v) { Put(v, 4); }
    void I32(int32_t v) { Put(static_cast<uint32_t>(v), 4); }
    void F64(double v) {
        uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        Put(bits, 8);
    }
    void Bytes(std::string_view bytes) { out_.append(bytes); }
    // A 16-bit byte count and the bytes. False, writing nothing, when the
    // text is too long for its count.
    bool Text(std::string_view bytes) {
        if (bytes.size() > 0xFFFF) return false;
        U16(static_cast<uint16_t>(bytes.size()));
        Bytes(bytes);
        return true;
    }

private:
    void Put(uint64_t v, int size) {
        for (int i = 0; i < size; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }

    std::string& out_;
};

}  // namespace frames
