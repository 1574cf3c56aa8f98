#include "Arena.h"

#include <sys/mman.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace store {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kPage = 4096;

std::atomic<size_t> gMapped{0};

// Blocks whose arenas are gone, kept for the next read: pages already
// faulted in cost nothing to use again, where new ones cost a fault each.
// Only a few, holding a few megabytes of written pages in all: enough for
// the reads of ordinary histories, and little for a process to hold with
// no history open. A block larger than that goes back at once, and the
// oldest go first.
class BlockCache {
public:
    struct Block {
        char* Base;
        size_t Size;
        size_t Used;  // the most bytes handed out in any of its arenas
    };

    // A kept block of at least size bytes and not much more; Base null when none.
    Block Take(size_t size) {
        std::lock_guard<std::mutex> hold(lock_);
        size_t best = kept_.size();
        for (size_t i = 0; i < kept_.size(); ++i) {
            const size_t s = kept_[i].Size;
            if (s >= size && s <= size * 2 + kHugePage && (best == kept_.size() || s < kept_[best].Size)) best = i;
        }
        if (best == kept_.size()) return {nullptr, 0, 0};
        const Block b = kept_[best];
        used_ -= b.Used;
        kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(best));
        return b;
    }

    void Keep(Block b) {
        if (b.Used > kMostBytes) {
            ::munmap(b.Base, b.Size);
            return;
        }
        std::lock_guard<std::mutex> hold(lock_);
        kept_.push_back(b);
        used_ += b.Used;
        while (kept_.size() > kMostBlocks || used_ > kMostBytes) {
            ::munmap(kept_.front().Base, kept_.front().Size);
            used_ -= kept_.front().Used;
            kept_.erase(kept_.begin());
        }
    }

    void Clear() {
        std::lock_guard<std::mutex> hold(lock_);
        for (const Block& b : kept_) ::munmap(b.Base, b.Size);
        kept_.clear();
        used_ = 0;
    }

    size_t Used() {
        std::lock_guard<std::mutex> hold(lock_);
        return used_;
    }

private:
    static constexpr size_t kMostBlocks = 8;
    static constexpr size_t kMostBytes = size_t{16} << 20;
    size_t used_ = 0;  // bytes the kept blocks had handed out
    std::mutex lock_;
    std::vector<Block> kept_;
};

BlockCache& Cache() {
    static auto* cache = new BlockCache;  // lives as long as any arena may
    return *cache;
}

size_t PagesRound(size_t bytes) { return (bytes + kPage - 1) / kPage * kPage; }

BlockCache::Block BlockMap(size_t size) {
    // Taken a huge page larger, then trimmed to start on a huge-page boundary.
    const size_t asked = size + kHugePage;
    void* got = ::mmap(nullptr, asked, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (got == MAP_FAILED) return {nullptr, 0, 0};
    const auto start = reinterpret_cast<uintptr_t>(got);
    const uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
    if (aligned > start) ::munmap(got, aligned - start);
    const uintptr_t end = aligned + size;
    if (start + asked > end) ::munmap(reinterpret_cast<void*>(end), start + asked - end);
    auto* base = reinterpret_cast<char*>(aligned);
    // Only a hint: without huge pages the block works as well, more slowly.
    ::madvise(base, size, MADV_HUGEPAGE);
    return {base, size, 0};
}

}  // namespace

std::shared_ptr<Arena> Arena::Make(size_t bytes) {
    const size_t size = PagesRound(bytes);
    if (size == 0) return nullptr;
    BlockCache::Block block = Cache().Take(size);
    if (block.Base == nullptr) {
        // A read the kept blocks do not fit is of another size: they would
        // only add to what it holds.
        Cache().Clear();
        block = BlockMap(size);
    }
    if (block.Base == nullptr) return nullptr;
    gMapped += block.Size;
    try {
        return std::shared_ptr<Arena>(new Arena(block.Base, block.Size, block.Used));
    } catch (...) {
        gMapped -= block.Size;
        Cache().Keep(block);
        throw;
    }
}

Arena::~Arena() {
    gMapped -= size_;
    Cache().Keep({base_, size_, std::max(used_.load(), usedBefore_)});
}

void* Arena::Take(size_t bytes) {
    const size_t room = bytes == 0 ? kAlign : (bytes + kAlign - 1) / kAlign * kAlign;
    size_t at = used_.load(std::memory_order_relaxed);
    do {
        if (room > size_ - at) return nullptr;
    } while (!used_.compare_exchange_weak(at, at + room, std::memory_order_relaxed));
    return base_ + at;
}

void* Arena::MapOwn(size_t bytes) {
    const size_t size = PagesRound(bytes);
    // Smaller than a huge page: huge-page alignment would gain nothing.
    if (size < kHugePage) {
        void* got = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        return got == MAP_FAILED ? nullptr : got;
    }
    return BlockMap(size).Base;
}

void Arena::UnmapOwn(void* p, size_t bytes) { ::munmap(p, PagesRound(bytes)); }

void Arena::PagesRelease(const void* from, const void* to) {
    const uintptr_t first = (reinterpret_cast<uintptr_t>(from) + kPage - 1) & ~(kPage - 1);
    const uintptr_t last = reinterpret_cast<uintptr_t>(to) & ~(kPage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
}

size_t Arena::BytesMapped() { return gMapped.load(); }

size_t Arena::BytesKept() { return Cache().Used(); }

}  // namespace store
