// The arena behind a history's large arrays, and the threads that read a
// history in stretches.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "Arena.h"
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

TEST(Arena, ABlockGivenBackServesTheNextArenaOfItsSize) {
    void* first = nullptr;
    {
        std::shared_ptr<Arena> arena = Arena::Make(3 << 20);
        ASSERT_NE(arena, nullptr);
        first = arena->Take(100);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(first) % (2 << 20), 0U) << "starts on a huge-page boundary";
        EXPECT_EQ(arena->Take(arena->Size()), nullptr) << "no more than it holds";
    }
    std::shared_ptr<Arena> small = Arena::Make(4096);
    EXPECT_FALSE(small->Holds(first)) << "a much smaller need gets a block of its own";
    std::shared_ptr<Arena> again = Arena::Make(3 << 20);
    EXPECT_EQ(again->Take(100), first);
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

}  // namespace
}  // namespace store
