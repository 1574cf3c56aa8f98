#include "Ky1ProcessSource.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <utility>

extern char** environ;

namespace store {

namespace {

// How often the window system gets a turn while the reader is silent.
constexpr int kSliceMs = 50;
constexpr size_t kBlock = 1 << 16;
// The reader's stream arrives on this descriptor.
constexpr int kStreamFd = 3;

void CloseQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

// Moves a descriptor above the ones the reader is handed, so that giving
// it the stream cannot clash with either end of the pipe.
int AboveStandard(int fd) {
    if (fd > kStreamFd) return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, kStreamFd + 1);
    ::close(fd);
    return moved;
}

}  // namespace

// The read end of the reader's stream, with the silence limit and the
// window system's turns while it waits.
class Ky1ProcessSource::Pipe final : public Ky1StreamInput {
public:
    Pipe(int fd, const Options& options) : fd_(fd), options_(options) {}
    ~Pipe() override { CloseQuietly(fd_); }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool Read(char* into, size_t n) override {
        while (n > 0) {
            if (next_ == buffer_.size() && !Fill()) return false;
            const size_t take = std::min(n, buffer_.size() - next_);
            std::memcpy(into, buffer_.data() + next_, take);
            next_ += take;
            into += take;
            n -= take;
        }
        return true;
    }

    // Reads and drops what the reader still sends until it closes its end,
    // for at most the silence limit in all; true when it closed it.
    bool DrainToEnd() {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(options_.silenceLimitMs);
        while (Clock::now() < until) {
            pollfd p{fd_, POLLIN, 0};
            const int ready = ::poll(&p, 1, kSliceMs);
            if (ready < 0 && errno != EINTR) return false;
            if (ready <= 0) continue;
            char sink[4096];
            const ssize_t got = ::read(fd_, sink, sizeof sink);
            if (got == 0) return true;
            if (got < 0 && errno != EINTR && errno != EAGAIN) return false;
        }
        return false;
    }

    // Set while rows are read: then the progress window's Cancel ends the
    // wait, and cancelled tells why it ended.
    bool cancellable = false;
    bool cancelled = false;

private:
    bool Fill() {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point silentSince = Clock::now();
        for (;;) {
            pollfd p{fd_, POLLIN, 0};
            const int ready = ::poll(&p, 1, kSliceMs);
            if (ready < 0 && errno != EINTR) return false;
            if (ready > 0) {
                buffer_.resize(kBlock);
                const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
                if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
                if (got <= 0) return false;  // the reader has ended
                buffer_.resize(static_cast<size_t>(got));
                next_ = 0;
                return true;
            }
            if (options_.progress != nullptr) {
                options_.progress->Yield();
                if (cancellable && options_.progress->Cancel()) {
                    cancelled = true;
                    return false;
                }
            }
            const auto silent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - silentSince);
            if (silent.count() > options_.silenceLimitMs) return false;
        }
    }

    int fd_;
    const Options& options_;
    std::string buffer_;
    size_t next_ = 0;
};

Ky1ProcessSource::Ky1ProcessSource(Options options) : options_(std::move(options)) {}

Ky1ProcessSource::~Ky1ProcessSource() { Close(); }

bool Ky1ProcessSource::Spawn(const std::string& path) {
    if (options_.command.empty()) return false;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    fds[0] = AboveStandard(fds[0]);
    fds[1] = AboveStandard(fds[1]);
    if (fds[0] < 0 || fds[1] < 0) {
        CloseQuietly(fds[0]);
        CloseQuietly(fds[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (options_.quiet) posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], kStreamFd);

    std::vector<std::string> args = options_.command;
    args.push_back(path);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return false;
    }
    pid_ = pid;
    pipe_ = std::make_unique<Pipe>(fds[0], options_);
    return true;
}

bool Ky1ProcessSource::Open(const std::string& path) {
    Close();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || ec) return false;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || !Spawn(path)) return false;
    stream_ = std::make_unique<Ky1StreamSource>(*pipe_, static_cast<int64_t>(size) / kMinRowBytes);
    return stream_->Open(path);
}

bool Ky1ProcessSource::AwaitExit(int& status) {
    // The reader that sent its whole stream is left to finish on its own,
    // however long a busy machine makes that; one that goes silent for the
    // silence limit is ended below like any other.
    if (!pipe_->DrainToEnd()) return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.silenceLimitMs);
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) return true;
        if (done < 0 && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= until) return false;
        ::usleep(1000);
    }
}

void Ky1ProcessSource::Close() {
    const bool whole = stream_ && stream_->Ended();
    stream_.reset();
    if (pid_ <= 0) {
        pipe_.reset();
        return;
    }
    int status = 0;
    if (!(whole && pipe_ && AwaitExit(status))) {
        // Cancelled, failed, hung or talking on after its end: it ends here.
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }
    pipe_.reset();
    status_ = status;
    pid_ = -1;
}

std::optional<int64_t> Ky1ProcessSource::MstCount() {
    if (!stream_) return std::nullopt;
    return stream_->MstCount();
}

std::optional<Ky1Inf> Ky1ProcessSource::InfRead() {
    if (!stream_) return std::nullopt;
    return stream_->InfRead();
}

std::optional<std::array<Ky1Trg, 2>> Ky1ProcessSource::TrgRead() {
    if (!stream_) return std::nullopt;
    return stream_->TrgRead();
}

bool Ky1ProcessSource::MstBegin() { return stream_ && stream_->MstBegin(); }

Ky1Source::Step Ky1ProcessSource::MstNext(Ky1Mst& row) {
    if (!stream_) return Step::Failed;
    pipe_->cancellable = true;
    const Step step = stream_->MstNext(row);
    pipe_->cancellable = false;
    // A cancel while the reader was silent ends the rows; the converter
    // then takes the cancel as it takes one between rows.
    if (step == Step::Failed && pipe_->cancelled) return Step::End;
    return step;
}

}  // namespace store
