#include "ReceiveRing.h"

#include <cstring>
#include <new>

namespace portello {

ReceiveRing::~ReceiveRing() { RingClose(); }

int32_t ReceiveRing::RingCreate() {
    std::lock_guard lock(ringLock_);
    if (block_) return 1;
    block_.reset(new (std::nothrow) Block());
    return block_ ? 1 : 0;
}

int32_t ReceiveRing::RingClose() {
    std::lock_guard lock(ringLock_);
    if (!block_) return 0;
    block_.reset();
    return 1;
}

int32_t ReceiveRing::RingWrite(const uint8_t* data, int32_t len) {
    std::lock_guard lock(ringLock_);
    if (!block_ || len < 0 || (len > 0 && data == nullptr)) return 0;
    Block& b = *block_;
    int32_t held = b.writeIndex - b.readIndex;
    if (held < 0) held += kSize;
    if (len > kSize - 1 - held) return 0;
    // Nothing to store; data may be null then, which no copy may see.
    if (len == 0) return 1;

    const int32_t tail = kSize - b.writeIndex;
    if (len <= tail) {
        std::memcpy(b.data + b.writeIndex, data, static_cast<size_t>(len));
        b.writeIndex += len;
        if (b.writeIndex == kSize) b.writeIndex = 0;
    } else {
        std::memcpy(b.data + b.writeIndex, data, static_cast<size_t>(tail));
        std::memcpy(b.data, data + tail, static_cast<size_t>(len - tail));
        b.writeIndex = len - tail;
    }
    return 1;
}

int32_t ReceiveRing::RingReadByte(uint8_t* out) {
    std::lock_guard lock(ringLock_);
    if (!block_ || out == nullptr) return 0;
    Block& b = *block_;
    if (b.readIndex == b.writeIndex) return 0;
    *out = b.data[b.readIndex];
    b.readIndex = (b.readIndex + 1) % kSize;
    return 1;
}

int32_t ReceiveRing::RingFreeSpace() {
    std::lock_guard lock(ringLock_);
    if (!block_) return 0;
    const Block& b = *block_;
    int32_t free = b.readIndex - b.writeIndex;
    if (b.readIndex <= b.writeIndex) free += kSize;
    return free < 100 ? 0 : free;
}

void ReceiveRing::RingClear() {
    std::lock_guard lock(ringLock_);
    if (!block_) return;
    block_->readIndex = 0;
    block_->writeIndex = 0;
}

bool ReceiveRing::RingExists() {
    std::lock_guard lock(ringLock_);
    return block_ != nullptr;
}

}  // namespace portello
