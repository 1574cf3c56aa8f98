#include "PtyMaster.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

namespace unitsim {

namespace {

// A PC that stops reading must not stall the unit for good.
constexpr int kWriteTimeoutMs = 2000;
constexpr std::size_t kReadChunk = 4096;

[[noreturn]] void Fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

PtyMaster::PtyMaster() {
    try {
        Open();
    } catch (...) {
        Close();
        throw;
    }
}

PtyMaster::~PtyMaster() { Close(); }

void PtyMaster::Open() {
    fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) Fail("posix_openpt");
    if (::grantpt(fd_) != 0) Fail("grantpt");
    if (::unlockpt(fd_) != 0) Fail("unlockpt");
    char name[128];
    if (::ptsname_r(fd_, name, sizeof name) != 0) Fail("ptsname_r");
    slavePath_ = name;
    // The terminal settings of a pty pair are shared, so the slave is raw
    // too until the PC sets its own: no echo, no CR or LF translation.
    termios tio {};
    if (::tcgetattr(fd_, &tio) != 0) Fail("tcgetattr");
    ::cfmakeraw(&tio);
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) Fail("tcsetattr");
}

PtyMaster::Input PtyMaster::Read(std::string& out, int waitMs) {
    if (fd_ < 0) return Input::Closed;
    pollfd p {fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, waitMs);
    if (ready < 0) return errno == EINTR ? Input::Idle : Input::Closed;
    if (ready == 0) return Input::Idle;
    char buffer[kReadChunk];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) {
        out.append(buffer, static_cast<std::size_t>(n));
        return Input::Data;
    }
    // Once the last holder of the slave closes it, reads fail with EIO and
    // the master polls as hung up until the slave is opened again.
    if (n < 0 && errno == EIO) return Input::NoPeer;
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return Input::Idle;
    return Input::Closed;
}

bool PtyMaster::Write(std::string_view bytes) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    while (fd_ >= 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p {fd_, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    return bytes.empty();
}

long PtyMaster::WriteSome(std::string_view bytes, int waitMs) {
    if (fd_ < 0) return -1;
    if (bytes.empty()) return 0;
    ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n >= 0) return static_cast<long>(n);
    if (errno != EAGAIN && errno != EINTR) return -1;
    pollfd p {fd_, POLLOUT, 0};
    if (::poll(&p, 1, waitMs) <= 0 || (p.revents & POLLOUT) == 0) return 0;
    n = ::write(fd_, bytes.data(), bytes.size());
    if (n >= 0) return static_cast<long>(n);
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

void PtyMaster::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace unitsim
