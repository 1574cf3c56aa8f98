// A few threads kept for the whole run, for work cut into pieces that run
// side by side: starting a thread costs far more than handing it a task.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace store {

class WorkerPool {
public:
    // The process's pool: one thread per processor the process may run
    // on, at most 16, started when first asked for.
    static WorkerPool& Shared();
    // The processors the calling thread may run on, which a task set or a
    // container can make far fewer than the machine has.
    static unsigned ProcessorsUsable();

    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Threads that run posted tasks; 0 when none could be started, and in
    // a child process forked from the one that started them.
    size_t Size() const;
    // Queues a task for the next free thread. A task must not throw. With
    // no thread at all the task runs here, before Post returns.
    void Post(std::function<void()> task);
    // Runs task(0) to task(count - 1) on the pool's threads and returns
    // when all are done; with no thread, or no room to queue one, here.
    // Not for a task of the pool itself, which could wait for its own.
    void Run(size_t count, const std::function<void(size_t)>& task);

private:
    void Serve();

    std::mutex lock_;
    std::condition_variable work_;
    std::deque<std::function<void()>> tasks_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
    int owner_;  // the process whose threads they are
};

}  // namespace store
