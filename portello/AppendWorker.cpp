#include "AppendWorker.h"

#include <fcntl.h>
#include <pthread.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <system_error>

namespace portello {

namespace {

// Small blocks let a stop take effect at once even in a copy of many
// megabytes; stdio's buffers keep the number of system calls down.
constexpr size_t kBlockBytes = 100;

// The pair is handed over the moment the monitor closes it; on a slow or
// network folder a file may not open at once. Tried for about five seconds.
constexpr auto kOpenRetryEvery = std::chrono::milliseconds(100);
constexpr int kOpenTries = 50;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// The one worker of the library, for the fork handlers, which get no
// argument.
std::atomic<AppendWorker*> forkOwner{nullptr};

// Gives up early once the request is asked to stop: a stopped request
// leaves both files as they are anyway.
File OpenWithRetry(const std::string& path, const char* mode, const std::atomic<bool>& stop) {
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kOpenRetryEvery);
        if (stop) return nullptr;
        if (FILE* f = std::fopen(path.c_str(), mode)) return File(f);
    }
    return nullptr;
}

// True only when every byte of from went to to and no stop came.
bool CopyBlocks(FILE* from, FILE* to, const std::atomic<bool>& stop) {
    char block[kBlockBytes];
    for (;;) {
        const size_t n = std::fread(block, 1, sizeof block, from);
        if (n == 0) return std::ferror(from) == 0;
        if (std::fwrite(block, 1, n, to) != n) return false;
        if (stop) return false;
    }
}

// Puts the file back to its header. What stdio still holds is dropped
// first: closing would otherwise write it out behind the cut.
void CutBack(File ky2, off_t header) {
    ::__fpurge(ky2.get());
    if (::ftruncate(::fileno(ky2.get()), header) != 0) {
        // Nothing more can be done; the .tmp is kept, so nothing is lost.
    }
}

void CutBack(const std::string& path, off_t header) {
    if (::truncate(path.c_str(), header) != 0) {
        // As above: the .tmp is kept.
    }
}

// A file that cannot take synchronisation (EINVAL) has nothing to push.
bool SyncFile(FILE* f) { return ::fsync(::fileno(f)) == 0 || errno == EINVAL; }

// The records must be on the disk before the name says the file is
// complete. Any failure counts as a failed write: back to the header.
bool Commit(File ky2, const std::string& path, off_t header) {
    if (std::fflush(ky2.get()) != 0 || !SyncFile(ky2.get())) {
        CutBack(std::move(ky2), header);
        return false;
    }
    if (std::fclose(ky2.release()) != 0) {
        CutBack(path, header);
        return false;
    }
    return true;
}

// A file already carrying the target name is another capture and is never
// replaced.
bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot refuse a replacing rename; a hard link can.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());  // back to the one old name
    return false;
}

void RunGuarded(AppendRequest* request) noexcept {
    try {
        RunAppend(*request);
    } catch (...) {
        // Nothing in an append is expected to throw. Should it, the .tmp
        // is still there: it is only ever deleted last.
    }
    request->finished = true;
}

}  // namespace

AppendRequest::AppendRequest(const std::string& basePath, int16_t appendFlags)
    : ky2Path(basePath + ".ky2"),
      tmpPath(basePath + ".tmp"),
      finalPath(appendFlags != 0 ? AppendedName(ky2Path, appendFlags) : ky2Path),
      flags(appendFlags) {}

std::string AppendedName(const std::string& ky2Path, int16_t flags) {
    // Only the file name's extension goes: folders may have dots too.
    const size_t nameStart = ky2Path.find_last_of('/') + 1;  // npos + 1 is 0
    const size_t dot = ky2Path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    std::string name = hasExtension ? ky2Path.substr(0, dot) : ky2Path;
    name += '_';
    if (flags & kAppendBegan) name += 'b';
    if (flags & kAppendTrigger) name += 't';
    if (flags & kAppendEnded) name += 'e';
    return name + ".ky2";
}

void RunAppend(AppendRequest& request) {
    // "r+" never creates: a .ky2 that is not there is not ours to make.
    File ky2 = OpenWithRetry(request.ky2Path, "r+be", request.stop);
    if (!ky2 || ::fseeko(ky2.get(), 0, SEEK_END) != 0) return;
    const off_t header = ::ftello(ky2.get());
    if (header < 0) return;
    File tmp = OpenWithRetry(request.tmpPath, "rbe", request.stop);
    if (!tmp) return;

    const bool copied = CopyBlocks(tmp.get(), ky2.get(), request.stop);
    tmp.reset();
    if (!copied) {
        CutBack(std::move(ky2), header);
        return;
    }
    if (!Commit(std::move(ky2), request.ky2Path, header)) return;
    // A file left complete but without its name would be appended twice
    // by a recovery from the kept .tmp; back to the header instead.
    if (request.flags != 0 && !RenameNoReplace(request.ky2Path, request.finalPath)) {
        CutBack(request.ky2Path, header);
        return;
    }
    // The records now live in the .ky2; a .tmp that will not go only costs
    // space.
    ::unlink(request.tmpPath.c_str());
}

AppendWorker::AppendWorker() {
    forkOwner = this;
    static std::once_flag registered;
    std::call_once(registered,
                   [] { ::pthread_atfork(&LockForFork, &UnlockInParent, &ForgetInChild); });
}

AppendWorker::~AppendWorker() {
    std::list<Job> running;
    {
        std::lock_guard lock(lock_);
        running.swap(jobs_);
    }
    for (Job& job : running) job.thread.join();
    AppendWorker* self = this;
    forkOwner.compare_exchange_strong(self, nullptr);
}

void AppendWorker::AppendStart(const char* basePath, int16_t flags) {
    if (basePath == nullptr || *basePath == '\0') return;
    std::lock_guard lock(lock_);
    ReapFinishedLocked();
    Job& job = jobs_.emplace_back(basePath, flags);
    try {
        job.thread = std::thread(&RunGuarded, &job.request);
    } catch (const std::system_error&) {
        // No thread to be had: the pair stays as handed over, its .tmp kept
        // for recovery. Copying here instead would hold up the capture loop.
        jobs_.pop_back();
    }
}

void AppendWorker::AppendStop() {
    std::lock_guard lock(lock_);
    for (Job& job : jobs_) job.request.stop = true;
}

void AppendWorker::ReapFinishedLocked() {
    for (auto it = jobs_.begin(); it != jobs_.end();) {
        if (!it->request.finished) {
            ++it;
            continue;
        }
        it->thread.join();  // past its last step: returns at once
        it = jobs_.erase(it);
    }
}

// A fork copies the job list but none of its threads. The lock is held
// across the fork so the child gets the list in one piece, and finished
// threads are reaped first so the child inherits as few entries as it can.
void AppendWorker::LockForFork() noexcept {
    if (AppendWorker* self = forkOwner) {
        self->lock_.lock();
        self->ReapFinishedLocked();
    }
}

void AppendWorker::UnlockInParent() noexcept {
    if (AppendWorker* self = forkOwner) self->lock_.unlock();
}

// The parent's threads do not exist in the child: joining one would wait
// forever and destroying a joinable std::thread ends the process. Their
// entries are parked where no destructor runs, so the child's unload only
// waits for the child's own appends.
void AppendWorker::ForgetInChild() noexcept {
    AppendWorker* self = forkOwner;
    if (self == nullptr) return;
    static auto* parked = new std::list<Job>;
    parked->splice(parked->end(), self->jobs_);
    self->lock_.unlock();
}

}  // namespace portello
