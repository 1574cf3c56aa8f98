#include "LanLink.h"


namespace portello {

namespace {

constexpr uint32_t kMaxPort = 65535;

}  // namespace

LanLink::~LanLink() {
    std::vector<std::shared_ptr<LanSession>> all;
    {
        std::lock_guard lock(lanLock_);
        all.swap(retired_);
        if (session_) all.push_back(std::move(session_));
    }
    for (auto& s : all) s->Stop();
    all.clear();  // each session waits for its reader
}

int32_t LanLink::LanCreate() {
    std::lock_guard lock(lanLock_);
    ReapLocked();
    if (session_) return 0;
    auto session = std::make_shared<LanSession>(*this, lostBytes_);
    if (!session->Open()) return 0;
    session_ = std::move(session);
    return 1;
}

int32_t LanLink::LanConnect(const char* address, uint32_t port) {
    if (address == nullptr || address[0] == '\0' || port == 0 || port > kMaxPort) return 0;
    const auto session = Current();
    if (!session) return 0;
    return session->Start(address, static_cast<uint16_t>(port), lineSetupBaud_) ? 1 : 0;
}

// A reader inside a name look-up cannot be cut short; it is stopped now and
// waited for later, so a close never hangs on the resolver.
void LanLink::LanClose() {
    std::shared_ptr<LanSession> session;
    {
        std::lock_guard lock(lanLock_);
        session.swap(session_);
    }
    if (!session) return;
    session->Stop();
    if (!session->MayBeResolving()) {
        session->Join();
        return;
    }
    std::lock_guard lock(lanLock_);
    retired_.push_back(std::move(session));
}

void LanLink::LanRcvChk() {
    if (const auto session = Current()) session->RetryReceive();
}

int32_t LanLink::IsConnect() {
    const auto session = Current();
    return session && session->Connected() ? 1 : 0;
}

// Both are reached through the dispatch exports, so nothing may escape.
int32_t LanLink::LinkSend(const uint8_t* data, int32_t len) {
    try {
        const auto session = Current();
        return session ? session->SendData(data, len) : 0;
    } catch (...) {
        return 0;
    }
}

int32_t LanLink::LinkSetDtr(int32_t on) {
    try {
        const auto session = Current();
        return session ? session->SendDtr(on) : 0;
    } catch (...) {
        return 0;
    }
}

int32_t LanLink::LinkIsCts() {
    const auto session = Current();
    return session && session->Status(lan::kStatusCts) == 1 ? 1 : 0;
}

int32_t LanLink::LinkIsDsr() {
    const auto session = Current();
    return session && session->Status(lan::kStatusDsr) == 1 ? 1 : 0;
}

std::shared_ptr<LanSession> LanLink::Current() {
    std::lock_guard lock(lanLock_);
    return session_;
}

void LanLink::ReapLocked() {
    std::erase_if(retired_, [](const std::shared_ptr<LanSession>& s) { return s->Finished(); });
}

}  // namespace portello
