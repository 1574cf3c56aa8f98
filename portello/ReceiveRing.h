// The 64 KB receive ring every byte from the unit passes through.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

namespace portello {

class ReceiveRing {
public:
    static constexpr int32_t kSize = 65536;

    ReceiveRing() = default;
    ReceiveRing(const ReceiveRing&) = delete;
    ReceiveRing& operator=(const ReceiveRing&) = delete;
    virtual ~ReceiveRing();

    // 1 when the ring exists afterwards (a second create keeps the ring
    // and its bytes), 0 when memory could not be had.
    int32_t RingCreate();
    // Non-zero when a ring was released, 0 when there was none.
    int32_t RingClose();
    // All or nothing: 1 when every byte was stored, 0 when none were.
    int32_t RingWrite(const uint8_t* data, int32_t len);
    // 1 with the next byte in out, 0 when the ring is empty or missing.
    int32_t RingReadByte(uint8_t* out);
    // Free bytes, reported as 0 below 100 so writers stay clear of a full ring.
    int32_t RingFreeSpace();
    void RingClear();
    bool RingExists();

private:
    // Laid out as the ring block: read index, write index, then the data.
    struct Block {
        int32_t readIndex = 0;
        int32_t writeIndex = 0;
        uint8_t data[kSize] = {};
    };

    std::unique_ptr<Block> block_;
    std::mutex ringLock_;
};

}  // namespace portello
