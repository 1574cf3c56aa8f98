#include "LanConnection.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace portello {

namespace {

// The ring must keep this much room for a receive to go ahead: one receive
// completes at most a packet held in part and the packets it brings itself.
constexpr int32_t kRoomForReceive = 2048;
// How often a reader that holds back looks at the ring again on its own.
constexpr int kRoomPollMs = 1;
// A packet the unit does not take within this time breaks the link.
constexpr auto kSendTimeout = std::chrono::milliseconds(1000);

bool Resolve(const std::string& host, uint16_t port, sockaddr_in* out) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) return false;
    std::memcpy(out, found->ai_addr, sizeof *out);
    ::freeaddrinfo(found);
    out->sin_port = htons(port);
    return true;
}

}  // namespace

LanConnection::LanConnection(ReceiveRing& ring, std::atomic<uint64_t>& lostBytes)
    : ring_(ring), lostBytes_(lostBytes) {}

LanConnection::~LanConnection() {
    Stop();
    Join();
    if (fd_ >= 0) ::close(fd_);
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

bool LanConnection::Open() {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    return fd_ >= 0 && wakeFd_ >= 0;
}

bool LanConnection::Start(const std::string& host, uint16_t port, uint32_t lineSetupBaud) {
    if (fd_ < 0 || started_.exchange(true)) return false;
    resolving_ = true;
    try {
        reader_ = std::thread([this, host, port, lineSetupBaud] { Run(host, port, lineSetupBaud); });
    } catch (...) {
        resolving_ = false;
        finished_ = true;
        return false;
    }
    return true;
}

void LanConnection::Stop() {
    {
        std::lock_guard lock(feedLock_);
        stop_ = true;
        connected_ = false;
    }
    if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
    Wake();
}

void LanConnection::Join() {
    if (reader_.joinable()) reader_.join();
}

uint8_t LanConnection::Status(size_t i) const {
    if (!connected_ || i >= lan::kLineStatusSize) return 0;
    std::lock_guard lock(feedLock_);
    return status_[i];
}

int32_t LanConnection::SendData(const uint8_t* data, int32_t len) {
    if (len < 0 || (len > 0 && data == nullptr)) return 0;
    std::lock_guard lock(sendLock_);
    if (!connected_) return 0;
    size_t left = static_cast<size_t>(len);
    size_t last = 0;
    do {
        const size_t chunk = std::min(left, lan::kMaxPayload);
        const lan::Bytes frame = lan::Frame(lan::kDataOut, data, chunk);
        if (!SendFrameLocked(frame)) return 0;
        data += chunk;
        left -= chunk;
        last = frame.size();
    } while (left > 0);
    return static_cast<int32_t>(last);
}

int32_t LanConnection::SendDtr(int32_t on) {
    std::lock_guard lock(sendLock_);
    if (!connected_) return 0;
    const lan::Bytes frame = lan::ModemControlFrame(on);
    return SendFrameLocked(frame) ? static_cast<int32_t>(frame.size()) : 0;
}

void LanConnection::RetryReceive() {
    if (receivePending_) Wake();
}

void LanConnection::Run(std::string host, uint16_t port, uint32_t baud) {
    if (ConnectTo(host, port)) {
        std::unique_lock send(sendLock_);
        if (!StopAsked() && SendFrameLocked(lan::LineSetupFrame(baud))) {
            {
                std::lock_guard lock(feedLock_);
                connected_ = !stop_;
            }
            send.unlock();
            ReadLoop();
        }
    }
    connected_ = false;
    ClearStatus();
    resolving_ = false;
    finished_ = true;
}

bool LanConnection::ConnectTo(const std::string& host, uint16_t port) {
    sockaddr_in address{};
    const bool found = Resolve(host, port, &address);
    resolving_ = false;
    if (!found || StopAsked()) return false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return true;
    return errno == EINPROGRESS && AwaitConnect();
}

bool LanConnection::AwaitConnect() {
    for (;;) {
        pollfd p[2] = {{fd_, POLLOUT, 0}, {wakeFd_, POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (StopAsked()) return false;
        if (p[0].revents == 0) continue;
        int error = 0;
        socklen_t size = sizeof error;
        return ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
}

void LanConnection::ReadLoop() {
    const LanFrameParser::Sink sink = [this](uint16_t command, const uint8_t* payload, size_t length) {
        TakeFrame(command, payload, length);
    };
    uint8_t buffer[lan::kReceiveChunk];
    for (;;) {
        if (!WaitForRoom()) return;
        pollfd p[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        if (::poll(p, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (StopAsked()) return;
        if (p[0].revents == 0) continue;
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return;  // the unit closed the connection, or it broke
        parser_.Feed(buffer, static_cast<size_t>(n), sink);
    }
}

bool LanConnection::WaitForRoom() {
    while (ring_.RingFreeSpace() <= kRoomForReceive) {
        receivePending_ = true;
        pollfd p{wakeFd_, POLLIN, 0};
        ::poll(&p, 1, kRoomPollMs);
        if (StopAsked()) return false;
    }
    receivePending_ = false;
    return true;
}

void LanConnection::TakeFrame(uint16_t command, const uint8_t* payload, size_t length) {
    std::lock_guard lock(feedLock_);
    if (stop_) return;
    if (command == lan::kLineStatus) {
        // A status too short to hold the modem lines says nothing about them.
        if (length >= lan::kLineStatusSize) std::copy_n(payload, lan::kLineStatusSize, status_.begin());
    } else if (command == lan::kDataIn) {
        if (ring_.RingWrite(payload, static_cast<int32_t>(length)) != 1) lostBytes_ += length;
    }
}

bool LanConnection::SendFrameLocked(const lan::Bytes& frame) {
    if (SendAllLocked(frame.data(), frame.size())) return true;
    {
        std::lock_guard lock(feedLock_);
        connected_ = false;
    }
    ::shutdown(fd_, SHUT_RDWR);
    return false;
}

bool LanConnection::SendAllLocked(const uint8_t* data, size_t size) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + kSendTimeout;
    while (size > 0) {
        const ssize_t n = ::send(fd_, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd_, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    return true;
}

void LanConnection::Wake() {
    if (wakeFd_ < 0) return;
    const uint64_t one = 1;
    // A full counter already wakes the reader.
    if (::write(wakeFd_, &one, sizeof one) < 0) return;
}

bool LanConnection::StopAsked() {
    uint64_t count = 0;
    if (wakeFd_ >= 0 && ::read(wakeFd_, &count, sizeof count) < 0) count = 0;  // nothing to drain
    std::lock_guard lock(feedLock_);
    return stop_;
}

void LanConnection::ClearStatus() {
    std::lock_guard lock(feedLock_);
    status_.fill(0);
}

}  // namespace portello
