// The arena behind a history's large arrays, and the threads that read a
// history in stretches.
#include <gtest/gtest.h>

#include <sched.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "Arena.h"
#include "bench/PeakMeter.h"
#include "WorkerPool.h"

namespace store {
namespace {

TEST(Arena, ArraysFillTheirBlockThenGoOnOnTheHeap) {
    const size_t before = Arena::BytesMapped();
    {
        std::shared_ptr<Arena> arena = Arena::Make(10000);
        ASSERT_NE(arena, nullptr);
        EXPECT_GE(arena->Size(), 10000U);
        EXPECT_EQ(Arena::BytesMapped(), before + arena->Size()) << "held memory counts the block";

        std::vector<uint32_t, ArenaAllocator<uint32_t>> a{ArenaAllocator<uint32_t>(arena)};
        std::vector<uint32_t, ArenaAllocator<uint32_t>> b{ArenaAllocator<uint32_t>(arena)};
        a.reserve(1000);
        b.reserve(1000);
        EXPECT_TRUE(arena->Holds(a.data()));
        EXPECT_TRUE(arena->Holds(b.data()));
        EXPECT_GE(reinterpret_cast<uintptr_t>(b.data()), reinterpret_cast<uintptr_t>(a.data() + 1000))
            << "the arrays do not overlap";
        EXPECT_EQ(reinterpret_cast<uintptr_t>(a.data()) % 64, 0U);

        for (uint32_t i = 0; i < 5000; ++i) a.push_back(i * 3);
        EXPECT_FALSE(arena->Holds(a.data())) << "too large for what is left: on the heap";
        for (uint32_t i = 0; i < 5000; ++i) ASSERT_EQ(a[i], i * 3);

        // A copy lives on the heap; a moved array takes its arena along.
        const auto copy = a;
        EXPECT_EQ(copy, a);
        auto moved = std::move(b);
        EXPECT_TRUE(arena->Holds(moved.data()));
    }
    EXPECT_EQ(Arena::BytesMapped(), before) << "given back with its last array";
}

TEST(Arena, ASmallBlockGivenBackServesTheNextArenaOfItsSizeOnly) {
    void* first = nullptr;
    {
        std::shared_ptr<Arena> arena = Arena::Make(3 << 20);
        ASSERT_NE(arena, nullptr);
        first = arena->Take(100);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(first) % (2 << 20), 0U) << "starts on a huge-page boundary";
        EXPECT_EQ(arena->Take(arena->Size()), nullptr) << "no more than it holds";
    }
    EXPECT_GT(Arena::BytesKept(), 0U);
    {
        std::shared_ptr<Arena> again = Arena::Make(3 << 20);
        EXPECT_EQ(again->Take(100), first) << "the kept block, its pages ready";
    }
    // A need of another size sends the kept blocks back: they would only
    // add to what the process holds.
    std::shared_ptr<Arena> small = Arena::Make(4096);
    EXPECT_FALSE(small->Holds(first));
    EXPECT_EQ(Arena::BytesKept(), 0U);
    small.reset();

    // A block whose written pages are many goes back at once.
    {
        std::shared_ptr<Arena> large = Arena::Make(40 << 20);
        ASSERT_NE(large->Take(20 << 20), nullptr);
    }
    EXPECT_LE(Arena::BytesKept(), size_t{16} << 20);
    EXPECT_EQ(Arena::BytesMapped(), 0U);
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

double ResidentMegabytes() { return ResidentBytes() / (1024.0 * 1024.0); }

// An array grown to 32 MB in doubling steps, every byte written, as a
// record store grows.
template <typename Array>
void GrowTo32Megabytes(Array& a) {
    for (size_t n = 512; n <= (size_t{4} << 20); n *= 2) {
        const size_t old = a.size();
        a.resize(n);
        std::memset(a.data() + old, 0x5A, (n - old) * sizeof(a[0]));
    }
}

TEST(Arena, LargeArraysGiveTheirMemoryBackOnceFreed) {
    if (kSanitized) GTEST_SKIP() << "a sanitizer keeps freed memory back on purpose";
    using Array = std::vector<uint64_t, ArenaAllocator<uint64_t>>;
    const double before = ResidentMegabytes();
    // Outside any arena, grown and freed on a thread of its own, as on a
    // worker: no heap of that thread keeps it.
    std::thread([] {
        Array a;
        GrowTo32Megabytes(a);
    }).join();
    EXPECT_LT(ResidentMegabytes() - before, 8.0);

    // In an arena that gives freed pages back: the room an array leaves as
    // it grows, and the array itself once freed.
    std::shared_ptr<Arena> arena = Arena::Make(size_t{128} << 20);
    arena->FreedPagesRelease(true);
    {
        Array a{ArenaAllocator<uint64_t>(arena)};
        GrowTo32Megabytes(a);
        EXPECT_TRUE(arena->Holds(a.data()));
        EXPECT_LT(ResidentMegabytes() - before, 32.0 + 20.0) << "what it grew out of is gone";
    }
    EXPECT_LT(ResidentMegabytes() - before, 8.0);
    arena.reset();

    // In any other arena the pages stay with the block until it goes.
    arena = Arena::Make(size_t{128} << 20);
    {
        Array a{ArenaAllocator<uint64_t>(arena)};
        GrowTo32Megabytes(a);
    }
    EXPECT_GT(ResidentMegabytes() - before, 32.0);
    arena.reset();
    EXPECT_LT(ResidentMegabytes() - before, 8.0);
}

TEST(Arena, ThreadsTakeFromOneArenaWithoutOverlap) {
    std::shared_ptr<Arena> arena = Arena::Make(8 << 20);
    std::vector<std::vector<char*>> taken(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < taken.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 1000; ++i) {
                if (char* p = static_cast<char*>(arena->Take(1000))) taken[t].push_back(p);
            }
        });
    }
    for (std::thread& t : threads) t.join();
    std::set<char*> all;
    for (const auto& list : taken) all.insert(list.begin(), list.end());
    ASSERT_EQ(all.size(), 4000U) << "every take got room of its own";
    char* last = nullptr;
    for (char* p : all) {
        if (last != nullptr) EXPECT_GE(p - last, 1000);
        last = p;
    }
}

TEST(WorkerPool, RunsEveryTaskOnItsOwnThreads) {
    std::atomic<int> ran{0};
    std::mutex lock;
    std::set<std::thread::id> threads;
    {
        WorkerPool pool(3);
        ASSERT_EQ(pool.Size(), 3U);
        for (int i = 0; i < 200; ++i) {
            pool.Post([&] {
                ++ran;
                std::lock_guard<std::mutex> hold(lock);
                threads.insert(std::this_thread::get_id());
            });
        }
    }  // closing waits for every queued task
    EXPECT_EQ(ran.load(), 200);
    EXPECT_LE(threads.size(), 3U);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0U);

    WorkerPool none(0);
    EXPECT_EQ(none.Size(), 0U);
    const std::thread::id me = std::this_thread::get_id();
    bool here = false;
    none.Post([&] { here = std::this_thread::get_id() == me; });
    EXPECT_TRUE(here) << "without threads a task runs before Post returns";
}

TEST(WorkerPool, CountsOnlyTheProcessorsItMayRunOn) {
    cpu_set_t all;
    ASSERT_EQ(::sched_getaffinity(0, sizeof all, &all), 0);
    EXPECT_EQ(WorkerPool::ProcessorsUsable(), static_cast<unsigned>(CPU_COUNT(&all)));
    // Run on one processor only, as under a task set of one.
    std::thread([&all] {
        cpu_set_t one;
        CPU_ZERO(&one);
        for (int c = 0; c < CPU_SETSIZE; ++c) {
            if (CPU_ISSET(c, &all)) {
                CPU_SET(c, &one);
                break;
            }
        }
        ASSERT_EQ(::sched_setaffinity(0, sizeof one, &one), 0);
        EXPECT_EQ(WorkerPool::ProcessorsUsable(), 1U);
    }).join();
}

}  // namespace
}  // namespace store
