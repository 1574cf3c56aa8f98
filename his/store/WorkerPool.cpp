#include "WorkerPool.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <new>
#include <system_error>

namespace store {

unsigned WorkerPool::ProcessorsUsable() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof(set), &set) == 0) return static_cast<unsigned>(CPU_COUNT(&set));
    return std::thread::hardware_concurrency();
}

WorkerPool& WorkerPool::Shared() {
    static WorkerPool pool(std::clamp(ProcessorsUsable(), 1U, 16U));
    return pool;
}

WorkerPool::WorkerPool(unsigned threads) : owner_(::getpid()) {
    for (unsigned i = 0; i < threads; ++i) {
        try {
            threads_.emplace_back([this] { Serve(); });
        } catch (const std::system_error&) {
            break;  // the threads started so far will do
        }
    }
}

WorkerPool::~WorkerPool() {
    if (::getpid() != owner_) {
        for (std::thread& t : threads_) t.detach();  // they do not exist here
        return;
    }
    {
        std::lock_guard<std::mutex> hold(lock_);
        closing_ = true;
    }
    work_.notify_all();
    for (std::thread& t : threads_) t.join();
}

size_t WorkerPool::Size() const { return ::getpid() == owner_ ? threads_.size() : 0; }

void WorkerPool::Post(std::function<void()> task) {
    if (Size() == 0) {
        task();
        return;
    }
    {
        std::lock_guard<std::mutex> hold(lock_);
        tasks_.push_back(std::move(task));
    }
    work_.notify_one();
}

void WorkerPool::Run(size_t count, const std::function<void(size_t)>& task) {
    std::mutex lock;
    std::condition_variable finished;
    size_t running = count;
    for (size_t i = 0; i < count; ++i) {
        try {
            Post([&, i] {
                task(i);
                std::lock_guard<std::mutex> hold(lock);
                --running;
                finished.notify_one();
            });
        } catch (const std::bad_alloc&) {
            task(i);
            std::lock_guard<std::mutex> hold(lock);
            --running;
        }
    }
    std::unique_lock<std::mutex> hold(lock);
    finished.wait(hold, [&] { return running == 0; });
}

void WorkerPool::Serve() {
    std::unique_lock<std::mutex> hold(lock_);
    while (true) {
        work_.wait(hold, [this] { return closing_ || !tasks_.empty(); });
        if (tasks_.empty()) return;  // closing, nothing left
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        hold.unlock();
        task();
        hold.lock();
    }
}

}  // namespace store
