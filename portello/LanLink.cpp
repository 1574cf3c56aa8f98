#include "LanLink.h"

namespace portello {

namespace {

constexpr uint32_t kMaxPort = 65535;

}  // namespace

LanLink::~LanLink() {
    std::vector<std::shared_ptr<LanConnection>> all;
    {
        std::lock_guard lock(lanLock_);
        all.swap(retired_);
        if (connection_) all.push_back(std::move(connection_));
    }
    for (auto& s : all) s->Stop();
    all.clear();  // each connection waits for its reader
}

int32_t LanLink::LanCreate() {
    std::lock_guard lock(lanLock_);
    ReapLocked();
    if (connection_) return 0;
    auto connection = std::make_shared<LanConnection>(*this, lostBytes_);
    if (!connection->Open()) return 0;
    connection_ = std::move(connection);
    return 1;
}

// The connection is made on the reader's thread, after the name look-up,
// so a connect that gets under way answers 0 and tells its outcome later
// through IsConnect. A connect that cannot start at all (no socket, a bad
// address or port, a socket used before) answers -1, as a socket's connect
// does for such a call, so that it is never taken for one under way.
int32_t LanLink::LanConnect(const char* address, uint32_t port) {
    constexpr int32_t kSocketError = -1;
    if (address == nullptr || address[0] == '\0' || port == 0 || port > kMaxPort) return kSocketError;
    // Started under the lock, so that a close on another thread finds the
    // reader either not yet there or started, never half made.
    std::lock_guard lock(lanLock_);
    if (!connection_ || !connection_->Start(address, static_cast<uint16_t>(port), lineSetupBaud_)) {
        return kSocketError;
    }
    return 0;
}

// A reader inside a name look-up cannot be cut short; it is stopped now and
// waited for later, so a close never hangs on the resolver.
void LanLink::LanClose() {
    std::shared_ptr<LanConnection> connection;
    {
        std::lock_guard lock(lanLock_);
        connection.swap(connection_);
    }
    if (!connection) return;
    connection->Stop();
    if (!connection->MayBeResolving()) {
        connection->Join();
        return;
    }
    std::lock_guard lock(lanLock_);
    retired_.push_back(std::move(connection));
}

void LanLink::LanRcvChk() {
    if (const auto connection = Current()) connection->RetryReceive();
}

int32_t LanLink::IsConnect() {
    const auto connection = Current();
    return connection && connection->Connected() ? 1 : 0;
}

// Both are reached through the dispatch exports, so nothing may escape.
int32_t LanLink::LinkSend(const uint8_t* data, int32_t len) {
    try {
        const auto connection = Current();
        return connection ? connection->SendData(data, len) : 0;
    } catch (...) {
        return 0;
    }
}

int32_t LanLink::LinkSetDtr(int32_t on) {
    try {
        const auto connection = Current();
        return connection ? connection->SendDtr(on) : 0;
    } catch (...) {
        return 0;
    }
}

int32_t LanLink::LinkIsCts() {
    const auto connection = Current();
    return connection && connection->Status(lan::kStatusCts) == 1 ? 1 : 0;
}

int32_t LanLink::LinkIsDsr() {
    const auto connection = Current();
    return connection && connection->Status(lan::kStatusDsr) == 1 ? 1 : 0;
}

std::shared_ptr<LanConnection> LanLink::Current() {
    std::lock_guard lock(lanLock_);
    return connection_;
}

void LanLink::ReapLocked() {
    std::erase_if(retired_, [](const std::shared_ptr<LanConnection>& s) { return s->Finished(); });
}

}  // namespace portello
