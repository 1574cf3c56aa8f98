// The history-append worker.
//
// The monitor writes a history file in two pieces while it captures: the
// KY2 text header as base.ky2 and the captured records as base.tmp. When it
// closes the file it hands the pair over here, and a thread of its own puts
// the records behind the header, deletes the .tmp and renames the .ky2 by
// where in the monitoring run the file lies, so that readers find the chain
// of files. The capture loop never waits for the copy.
//
// Whatever goes wrong, nothing captured is lost: a copy that fails or is
// stopped cuts the .ky2 back to its header and keeps the .tmp whole.
#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <mutex>
#include <string>
#include <thread>

namespace portello {

// Where in the monitoring run a history file lies; a request's flags are a
// combination of these. Each flag adds one letter to the file name.
enum AppendFlags : int16_t {
    kAppendBegan = 1,    // monitoring began in this file: "b"
    kAppendEnded = 2,    // monitoring ended in this file: "e"
    kAppendTrigger = 4,  // the file holds the trigger point: "t"
};

// One hand-over. Everything a worker touches is its own copy, so two files
// closed in quick succession never rename or delete each other's files.
struct AppendRequest {
    AppendRequest(const std::string& basePath, int16_t appendFlags);

    const std::string ky2Path;
    const std::string tmpPath;
    const std::string finalPath;  // the .ky2's name once complete
    const int16_t flags;
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
};

// The name the .ky2 file takes once complete: "_" and the flag letters in
// the order b, t, e go before the extension of the file name.
std::string AppendedName(const std::string& ky2Path, int16_t flags);

// Runs one request to its end on the calling thread.
void RunAppend(AppendRequest& request);

// Starts and tracks the worker threads. Destroying it waits for every
// running append, so a program that quits right after closing a file
// still finds its file complete, or, if that append was stopped, its .tmp
// whole.
class AppendWorker {
public:
    AppendWorker();
    ~AppendWorker();
    AppendWorker(const AppendWorker&) = delete;
    AppendWorker& operator=(const AppendWorker&) = delete;

    // Starts a worker for basePath + ".ky2" and basePath + ".tmp" and
    // returns at once. A null or empty path does nothing.
    void AppendStart(const char* basePath, int16_t flags);
    // Asks the appends running now to stop; later requests are unaffected.
    void AppendStop();

private:
    struct Job {
        Job(const std::string& basePath, int16_t flags) : request(basePath, flags) {}
        AppendRequest request;
        std::thread thread;
    };

    void ReapFinishedLocked();

    // Called by fork(), which cannot take an exception.
    static void LockForFork() noexcept;
    static void UnlockInParent() noexcept;
    static void ForgetInChild() noexcept;

    std::mutex lock_;
    std::list<Job> jobs_;  // a list: a running thread holds its job's address
};

}  // namespace portello
