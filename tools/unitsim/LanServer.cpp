#include "LanServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace unitsim {

namespace {

// A PC that stops reading must not stall the unit for good.
constexpr auto kWriteTimeout = std::chrono::milliseconds(2000);
constexpr std::size_t kReadChunk = 4096;

[[noreturn]] void Fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// A header of length 0x7FFF, then the first three bytes of a marker: the
// false header is to be dropped, the marker's start to run into the real one.
constexpr std::string_view kNoise {"\x55\x00\x00\x01\x00\xFF\x00\xFF\x7F\xAA\x00\x00\x01", 13};

}  // namespace

LanServer::LanServer(const Options& options) : options_(options) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0) Fail("socket");
    const int yes = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(options.port));
    socklen_t size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener_, 1) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        const int error = errno;
        ::close(listener_);
        errno = error;
        Fail("bind");
    }
    port_ = ntohs(address.sin_port);
}

LanServer::~LanServer() { Close(); }

UnitLine::Input LanServer::Read(std::string& out, int waitMs) {
    if (listener_ < 0) return Input::Closed;
    return client_ < 0 ? Accept(waitMs) : Receive(out, waitMs);
}

UnitLine::Input LanServer::Accept(int waitMs) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, waitMs) <= 0) return Input::NoPeer;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return Input::NoPeer;
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    reader_.Reset();
    std::lock_guard lock(sendLock_);
    client_ = fd;
    const std::string lines(options_.status.begin(), options_.status.end());
    SendLocked(EncodePacket(lan::kLineStatus, lines) + EncodePacket(lan::kNotice, "KY"));
    return Input::Idle;
}

UnitLine::Input LanServer::Receive(std::string& out, int waitMs) {
    pollfd p{client_, POLLIN, 0};
    const int ready = ::poll(&p, 1, waitMs);
    if (ready < 0) return errno == EINTR ? Input::Idle : Input::Closed;
    if (ready == 0) return Input::Idle;
    char buffer[kReadChunk];
    const ssize_t n = ::recv(client_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return Input::Idle;
    if (n <= 0) {
        DropPeer();
        return Input::NoPeer;
    }
    std::vector<LanPacket> packets = reader_.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
    const std::size_t before = out.size();
    for (const LanPacket& packet : packets) {
        if (packet.command == lan::kDataOut) out += packet.payload;
    }
    {
        std::lock_guard lock(packetLock_);
        for (LanPacket& packet : packets) packets_.push_back(std::move(packet));
    }
    packetAdded_.notify_all();
    return out.size() > before ? Input::Data : Input::Idle;
}

void LanServer::DropPeer() {
    std::lock_guard lock(sendLock_);
    if (client_ >= 0) ::close(client_);
    client_ = -1;
}

bool LanServer::Write(std::string_view bytes) {
    std::lock_guard lock(sendLock_);
    if (client_ < 0) return false;
    do {
        const std::string_view piece = bytes.substr(0, lan::kMaxPayload);
        if (!SendLocked(DataPacket(piece))) return false;
        bytes.remove_prefix(piece.size());
    } while (!bytes.empty());
    return true;
}

long LanServer::WriteSome(std::string_view bytes, int waitMs) {
    std::lock_guard lock(sendLock_);
    if (client_ < 0) return -1;
    if (bytes.empty()) return 0;
    pollfd p{client_, POLLOUT, 0};
    if (::poll(&p, 1, waitMs) <= 0 || (p.revents & POLLOUT) == 0) return 0;
    const std::string_view piece = bytes.substr(0, lan::kMaxPayload);
    return SendLocked(DataPacket(piece)) ? static_cast<long>(piece.size()) : -1;
}

bool LanServer::WriteRaw(std::string_view bytes) {
    std::lock_guard lock(sendLock_);
    return client_ >= 0 && SendLocked(bytes);
}

void LanServer::Close() {
    std::lock_guard lock(sendLock_);
    if (client_ >= 0) ::close(client_);
    client_ = -1;
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
}

bool LanServer::SendLineStatus(const lan::LineStatus& status) {
    std::lock_guard lock(sendLock_);
    options_.status = status;
    if (client_ < 0) return false;
    return SendLocked(EncodePacket(lan::kLineStatus, std::string(status.begin(), status.end())));
}

std::vector<LanPacket> LanServer::Packets() const {
    std::lock_guard lock(packetLock_);
    return packets_;
}

bool LanServer::WaitForPackets(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(packetLock_);
    return packetAdded_.wait_for(lock, timeout, [&] { return packets_.size() >= count; });
}

std::string LanServer::DataPacket(std::string_view bytes) const {
    std::string packet = options_.noise ? std::string(kNoise) : std::string();
    return packet + EncodePacket(lan::kDataIn, bytes);
}

bool LanServer::SendLocked(std::string_view bytes) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + kWriteTimeout;
    while (!bytes.empty()) {
        const ssize_t n = ::send(client_, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        pollfd p{client_, POLLOUT, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
    return true;
}

}  // namespace unitsim
