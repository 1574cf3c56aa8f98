#include "SerialPort.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "PortName.h"
#include "SerialBaud.h"

namespace portello {

namespace {

enum class OpenResult { Ok, Busy, Failed };

// Opens the device for exclusive use. Another holder of the lock, or a
// terminal already opened exclusively, reports Busy.
OpenResult OpenExclusive(const std::string& path, int* fd) {
    *fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (*fd < 0) return errno == EBUSY ? OpenResult::Busy : OpenResult::Failed;
    if (::flock(*fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(*fd);
        *fd = -1;
        return busy ? OpenResult::Busy : OpenResult::Failed;
    }
    ::ioctl(*fd, TIOCEXCL);
    return OpenResult::Ok;
}

}  // namespace

SerialPort::~SerialPort() { PortClose(); }

int32_t SerialPort::PortOpen(const std::string& path) {
    if (fd_ >= 0) return 0;
    int fd = -1;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        const OpenResult r = OpenExclusive(path, &fd);
        if (r == OpenResult::Ok) break;
        if (r == OpenResult::Failed) return 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(kBusyRetryMs));
    }
    if (fd < 0) return 0;

    int status = 0;
    pseudo_ = ::ioctl(fd, TIOCMGET, &status) != 0;
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    serial_icounter_struct ic {};
    haveCounts_ = ::ioctl(fd_, TIOCGICOUNT, &ic) == 0;
    if (haveCounts_) {
        counts_ = {ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun};
    }
    return 1;
}

int32_t SerialPort::PortSetState(uint32_t baud) {
    std::lock_guard lock(serialLock_);
    if (fd_ < 0) return 0;
    termios tio {};
    if (::tcgetattr(fd_, &tio) != 0) return 0;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return 0;
    if (!SetLineSpeed(fd_, baud)) return 0;
    // DTR on; RTS on to tell the unit we can take data.
    SetModemBit(TIOCM_DTR, true);
    SetModemBit(TIOCM_RTS, true);
    return 1;
}

int32_t SerialPort::PortInitialize(const char* portName, uint32_t baud) {
    if (portName == nullptr) return 0;
    {
        std::lock_guard lock(serialLock_);
        if (PortOpen(ResolvePortName(portName)) == 0) return 0;
    }
    if (PortSetState(baud) == 1) return 1;
    PortClose();
    return 0;
}

int32_t SerialPort::PortClose() {
    std::lock_guard lock(serialLock_);
    if (fd_ < 0) return 0;
    SetModemBit(TIOCM_RTS, false);
    const int result = ::close(fd_);
    fd_ = -1;
    pseudo_ = false;
    haveCounts_ = false;
    return result == 0 ? 1 : 0;
}

int32_t SerialPort::ClearCommError(int32_t* queued) {
    int n = 0;
    *queued = ::ioctl(fd_, FIONREAD, &n) == 0 && n > 0 ? n : 0;
    if (!haveCounts_) return 0;
    serial_icounter_struct ic {};
    if (::ioctl(fd_, TIOCGICOUNT, &ic) != 0) return 0;
    int32_t mask = 0;
    if (ic.buf_overrun != counts_.bufOverrun) mask |= kErrRxOver;
    if (ic.overrun != counts_.overrun) mask |= kErrOverrun;
    if (ic.parity != counts_.parity) mask |= kErrParity;
    if (ic.frame != counts_.frame) mask |= kErrFrame;
    if (ic.brk != counts_.brk) mask |= kErrBreak;
    counts_ = {ic.frame, ic.overrun, ic.parity, ic.brk, ic.buf_overrun};
    return mask;
}

int32_t SerialPort::PortRead(uint8_t* buffer, int32_t n) {
    const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(n));
    return got > 0 ? static_cast<int32_t>(got) : 0;
}

int32_t SerialPort::PortToRing() {
    // Asked before the serial lock: the ring's own lock comes second.
    const int32_t free = RingFreeSpace();
    std::lock_guard lock(serialLock_);
    if (fd_ < 0) return 0;
    int32_t queued = 0;
    const int32_t mask = ClearCommError(&queued);
    if (queued == 0) return mask;
    if (queued >= free) return 0;  // leave the bytes queued at the port

    uint8_t transfer[kTransferSize];
    const int32_t got = PortRead(transfer, queued < kTransferSize ? queued : kTransferSize);
    return RingWrite(transfer, got);
}

int32_t SerialPort::PortWrite(const uint8_t* data, int32_t count) {
    std::lock_guard lock(serialLock_);
    if (fd_ < 0 || count < 0 || (count > 0 && data == nullptr)) return 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    int32_t written = 0;
    while (written < count) {
        const ssize_t n = ::write(fd_, data + written, static_cast<size_t>(count - written));
        if (n > 0) {
            written += static_cast<int32_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p {fd_, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    return written == count ? 1 : 0;
}

bool SerialPort::PeerOpen() const {
    pollfd p {fd_, 0, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

int32_t SerialPort::ModemLine(int flag) {
    std::lock_guard lock(serialLock_);
    if (fd_ < 0) return 0;
    if (pseudo_) return PeerOpen() ? 1 : 0;
    int status = 0;
    if (::ioctl(fd_, TIOCMGET, &status) != 0) return 0;
    return (status & flag) != 0 ? 1 : 0;
}

int32_t SerialPort::PortIsCts() { return ModemLine(TIOCM_CTS); }
int32_t SerialPort::PortIsDsr() { return ModemLine(TIOCM_DSR); }

// Callers hold the serial lock.
int32_t SerialPort::SetModemBit(int flag, bool on) {
    if (fd_ < 0) return 0;
    if (pseudo_) return 1;
    return ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &flag) == 0 ? 1 : 0;
}

int32_t SerialPort::PortSetDtr(int32_t on) {
    std::lock_guard lock(serialLock_);
    return SetModemBit(TIOCM_DTR, on != 0);
}

int32_t SerialPort::BreakControl(unsigned long request) {
    std::lock_guard lock(serialLock_);
    if (fd_ < 0) return 0;
    if (pseudo_) return 1;
    return ::ioctl(fd_, request) == 0 ? 1 : 0;
}

int32_t SerialPort::PortSetBreak() { return BreakControl(TIOCSBRK); }
int32_t SerialPort::PortClearBreak() { return BreakControl(TIOCCBRK); }

}  // namespace portello
