// One block of memory that several arrays are carved from, for arrays
// whose sizes are known, or well estimated, before they are filled. The block is
// taken from the system at a huge-page boundary and asked to be backed by
// huge pages, so that filling millions of records costs a page fault every
// two megabytes instead of every four kilobytes; unused room costs address
// space only. Arrays outgrowing their block continue outside it: a large
// array in a mapping of its own, so that its memory goes back to the
// system when it is freed, whatever thread it grew on. A small block whose
// arena is gone is kept a while for the next one, its pages ready; a large
// one goes back to the system at once.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace store {

class Arena {
public:
    // A block of at least bytes, or null when the system gives none.
    static std::shared_ptr<Arena> Make(size_t bytes);
    ~Arena();
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // The next bytes of the block aligned to a cache line; null when the
    // block has no more room. Threads may take from one arena at once.
    void* Take(size_t bytes);
    bool Holds(const void* p) const {
        const auto at = reinterpret_cast<uintptr_t>(p);
        return at >= reinterpret_cast<uintptr_t>(base_) && at < reinterpret_cast<uintptr_t>(base_) + size_;
    }
    size_t Size() const { return size_; }

    // Whether the pages of large arrays freed inside the block go back to
    // the system at once rather than with the block. For an arena whose
    // arrays may outgrow their room while it is filled: the room they leave
    // would otherwise stay resident as long as the block. Set while no
    // other thread uses the arena.
    void FreedPagesRelease(bool release) { releaseFreed_ = release; }
    bool FreedPagesReleased() const { return releaseFreed_; }

    // Gives the whole pages between from and to back to the system: they
    // read as zeros when next used. For room taken but never to be written.
    static void PagesRelease(const void* from, const void* to);

    // Bytes of all blocks alive in the process, for counting memory held.
    static size_t BytesMapped();
    // Bytes written in the blocks kept for later arenas: memory the process
    // holds with no history open.
    static size_t BytesKept();

    // Arrays of at least this many bytes outside any arena get a mapping of
    // their own (MapOwn): a heap keeps freed memory of such sizes, above
    // all the heaps of worker threads, where nothing reuses it.
    static constexpr size_t kOwnMappingBytes = size_t{256} << 10;
    // A mapping of at least bytes, asked to be backed by huge pages when it
    // is large; null when the system gives none. UnmapOwn takes the same
    // pointer and size back.
    static void* MapOwn(size_t bytes);
    static void UnmapOwn(void* p, size_t bytes);

    // Room for an array of n T, as Take hands it out.
    template <typename T>
    static constexpr size_t Room(size_t n) {
        return (n * sizeof(T) + kAlign - 1) / kAlign * kAlign;
    }

private:
    static constexpr size_t kAlign = 64;
    Arena(char* base, size_t size, size_t usedBefore) : base_(base), size_(size), usedBefore_(usedBefore) {}

    char* base_;
    size_t size_;
    std::atomic<size_t> used_{0};
    size_t usedBefore_;  // what earlier arenas of the same block used
    bool releaseFreed_ = false;
};

// Allocates from an arena while it has room, else from the heap, or for a
// large array from a mapping of its own. A container without an arena, or
// a copy of one, lives outside any.
template <typename T>
class ArenaAllocator {
public:
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_copy_assignment = std::false_type;
    using propagate_on_container_swap = std::true_type;
    using is_always_equal = std::false_type;

    ArenaAllocator() noexcept = default;
    // Copies only: a moved-from allocator must stay equal to its copy.
    ArenaAllocator(const ArenaAllocator&) noexcept = default;
    ArenaAllocator& operator=(const ArenaAllocator&) noexcept = default;
    explicit ArenaAllocator(std::shared_ptr<Arena> arena) noexcept : arena_(std::move(arena)) {}
    template <typename U>
    ArenaAllocator(const ArenaAllocator<U>& other) noexcept : arena_(other.arena_) {}

    T* allocate(size_t n) {
        if (n > std::numeric_limits<size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
        const size_t bytes = n * sizeof(T);
        if (arena_) {
            if (void* p = arena_->Take(bytes)) return static_cast<T*>(p);
        }
        if (bytes < Arena::kOwnMappingBytes) return static_cast<T*>(::operator new(bytes));
        void* p = Arena::MapOwn(bytes);
        if (p == nullptr) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, size_t n) noexcept {
        const size_t bytes = n * sizeof(T);
        if (arena_ && arena_->Holds(p)) {
            // Otherwise given back with the whole block.
            if (arena_->FreedPagesReleased() && bytes >= Arena::kOwnMappingBytes) Arena::PagesRelease(p, p + n);
            return;
        }
        if (bytes >= Arena::kOwnMappingBytes) {
            Arena::UnmapOwn(p, bytes);
            return;
        }
        ::operator delete(p);
    }
    ArenaAllocator select_on_container_copy_construction() const { return ArenaAllocator(); }
    // Whether p lies in this allocator's arena.
    bool Holds(const void* p) const noexcept { return arena_ && arena_->Holds(p); }

    // Elements made without a value are left as they come (a resize does
    // not clear memory about to be overwritten); others as usual.
    template <typename U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const ArenaAllocator<U>& other) const noexcept {
        return arena_ == other.arena_;
    }

private:
    template <typename U>
    friend class ArenaAllocator;
    std::shared_ptr<Arena> arena_;
};

}  // namespace store
