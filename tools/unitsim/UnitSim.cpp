#include "UnitSim.h"

#include "WireTexts.h"

namespace unitsim {

namespace {

// How long one wait for input lasts before the reader looks at its stop
// flag again, and how long it rests while no PC has the port open.
constexpr int kReadWaitMs = 20;
constexpr std::chrono::milliseconds kNoPeerRest {20};
// A record that the PC does not take yet is tried again this often; a
// master with no PC on the slave turns down every write at once.
constexpr int kRecordWriteWaitMs = 20;
constexpr std::chrono::milliseconds kRecordWriteRest {5};

std::unique_ptr<UnitLine> OpenLine(const UnitOptions& options) {
    if (options.lanPort < 0) return std::make_unique<PtyMaster>();
    return std::make_unique<LanServer>(
        LanServer::Options{options.lanPort, options.lanStatus, options.lanNoise});
}

std::string PathOf(const UnitLine& line) {
    const auto* pty = dynamic_cast<const PtyMaster*>(&line);
    return pty != nullptr ? pty->SlavePath() : std::string();
}

}  // namespace

UnitSim::UnitSim(const Options& options)
    : options_(options),
      line_(OpenLine(options)),
      lan_(dynamic_cast<LanServer*>(line_.get())),
      slavePath_(PathOf(*line_)),
      model_(options) {
    reader_ = std::thread([this] { ReaderLoop(); });
    sender_ = std::thread([this] { SenderLoop(); });
}

UnitSim::~UnitSim() { HangUp(); }

bool UnitSim::SendBytes(const std::string& bytes) {
    std::lock_guard lock(writeLock_);
    return line_->Write(bytes);
}

bool UnitSim::SendRaw(const std::string& bytes) {
    std::lock_guard lock(writeLock_);
    return line_->WriteRaw(bytes);
}

bool UnitSim::SendLineStatus(const lan::LineStatus& status) {
    std::lock_guard lock(writeLock_);
    return lan_ != nullptr && lan_->SendLineStatus(status);
}

std::vector<LanPacket> UnitSim::LanPackets() const {
    return lan_ != nullptr ? lan_->Packets() : std::vector<LanPacket>();
}

bool UnitSim::WaitForLanPackets(std::size_t count, std::chrono::milliseconds timeout) {
    return lan_ != nullptr && lan_->WaitForPackets(count, timeout);
}

bool UnitSim::SendLine(const std::string& text) { return SendBytes(text + std::string(kCrLf)); }

bool UnitSim::SendPowerFailure() { return SendBytes(PowerFailureLine()); }

bool UnitSim::SendRemoteStop() {
    std::string notice;
    {
        std::lock_guard lock(modelLock_);
        notice = model_.LeaveRemote();
    }
    NotifyChange();
    return SendBytes(notice);
}

void UnitSim::HangUp() {
    std::lock_guard lock(hangUpLock_);
    StopThreads();
    CloseLine();
}

bool UnitSim::IsHungUp() const {
    std::lock_guard lock(modelLock_);
    return hungUp_;
}

std::vector<std::string> UnitSim::ReceivedLines() const {
    std::lock_guard lock(modelLock_);
    return model_.ReceivedLines();
}

std::vector<std::string> UnitSim::FirmwareLines() const {
    std::lock_guard lock(modelLock_);
    return model_.FirmwareLines();
}

std::optional<std::string> UnitSim::ParameterLine(char letter) const {
    std::lock_guard lock(modelLock_);
    return model_.ParameterLine(letter);
}

std::map<char, std::string> UnitSim::ParameterLines() const {
    std::lock_guard lock(modelLock_);
    return model_.ParameterLines();
}

std::string UnitSim::LastClockSet() const {
    std::lock_guard lock(modelLock_);
    return model_.LastClockSet();
}

bool UnitSim::IsRemote() const {
    std::lock_guard lock(modelLock_);
    return model_.IsRemote();
}

UnitMaintenance UnitSim::Maintenance() const {
    std::lock_guard lock(modelLock_);
    return model_.Maintenance();
}

void UnitSim::SetScenario(const Scenario& scenario) {
    {
        std::lock_guard lock(modelLock_);
        model_.SetScenario(scenario);
    }
    NotifyChange();
}

void UnitSim::SetStream(int unitsPerSecond, int unitsPerRecord) {
    {
        std::lock_guard lock(modelLock_);
        model_.SetStream(unitsPerSecond, unitsPerRecord);
    }
    NotifyChange();
}

bool UnitSim::StartMonitoring() {
    bool started = false;
    {
        std::lock_guard lock(modelLock_);
        started = model_.StartMonitoring();
    }
    NotifyChange();
    return started;
}

bool UnitSim::EndMonitoring() {
    bool ending = false;
    {
        std::lock_guard lock(modelLock_);
        ending = model_.EndMonitoring();
    }
    NotifyChange();
    return ending;
}

bool UnitSim::IsMonitoring() const {
    std::lock_guard lock(modelLock_);
    return model_.IsMonitoring();
}

std::string UnitSim::MonitorStartTime() const {
    std::lock_guard lock(modelLock_);
    return model_.MonitorStartTime();
}

std::size_t UnitSim::ScenarioRecordsSent() const {
    std::lock_guard lock(modelLock_);
    return model_.ScenarioRecordsSent();
}

bool UnitSim::WaitUntil(const Condition& condition, std::chrono::milliseconds timeout) {
    std::unique_lock lock(modelLock_);
    return changed_.wait_for(lock, timeout, [&] { return condition(model_); });
}

bool UnitSim::WaitForLines(std::size_t count, std::chrono::milliseconds timeout) {
    return WaitUntil([count](const UnitModel& m) { return m.ReceivedLines().size() >= count; },
                     timeout);
}

bool UnitSim::WaitForHangUp(std::chrono::milliseconds timeout) {
    std::unique_lock lock(modelLock_);
    return changed_.wait_for(lock, timeout, [this] { return hungUp_; });
}

void UnitSim::ReaderLoop() {
    for (;;) {
        std::string bytes;
        switch (line_->Read(bytes, kReadWaitMs)) {
        case UnitLine::Input::Data:
            if (!TakeBytes(bytes)) return;
            break;
        case UnitLine::Input::NoPeer:
            if (!PauseUnlessStopping(kNoPeerRest)) return;
            break;
        case UnitLine::Input::Idle:
            break;
        case UnitLine::Input::Closed:
            return;
        }
        std::lock_guard lock(stopLock_);
        if (stopping_) return;
    }
}

bool UnitSim::TakeBytes(const std::string& bytes) {
    for (const std::string& line : splitter_.Feed(bytes)) {
        if (!TakeLine(line)) return false;
    }
    return true;
}

// The line that reaches the hang-up count is taken but never answered:
// the unit drops off in the middle of the exchange.
bool UnitSim::TakeLine(const std::string& line) {
    std::vector<std::string> replies;
    bool hangUpNow = false;
    {
        std::lock_guard lock(modelLock_);
        replies = model_.Receive(line);
        hangUpNow = HangUpDue();
    }
    NotifyChange();
    if (hangUpNow) {
        CloseLine();
        return false;
    }
    SendReplies(replies);
    return true;
}

// Callers hold the model lock.
bool UnitSim::HangUpDue() const {
    const int limit = options_.hangUpAfterLines;
    return limit >= 0 && model_.ReceivedLines().size() >= static_cast<std::size_t>(limit);
}

void UnitSim::SendReplies(const std::vector<std::string>& replies) {
    if (replies.empty()) return;
    if (!PauseUnlessStopping(std::chrono::milliseconds(options_.replyDelayMs))) return;
    for (const std::string& reply : replies) SendBytes(reply);
}

bool UnitSim::PauseUnlessStopping(std::chrono::milliseconds duration) {
    std::unique_lock lock(stopLock_);
    if (duration.count() <= 0) return !stopping_;
    return !stopSignal_.wait_for(lock, duration, [this] { return stopping_; });
}

void UnitSim::SenderLoop() {
    for (;;) {
        std::optional<UnitModel::OutgoingRecord> record;
        {
            std::unique_lock lock(modelLock_);
            changed_.wait(lock, [this] { return senderStop_ || model_.HasRecordReady(); });
            if (senderStop_) return;
            record = model_.NextRecord();
        }
        NotifyChange();
        if (!record) continue;
        if (!AwaitDue(record->due) || !WriteRecord(record->bytes)) return;
    }
}

// The record in progress goes out at once when a stop comes in.
bool UnitSim::AwaitDue(std::chrono::steady_clock::time_point due) {
    std::unique_lock lock(modelLock_);
    changed_.wait_until(lock, due, [this] { return senderStop_ || model_.IsEnding(); });
    return !senderStop_;
}

// The write lock is held for the whole record, so that no reply lands in
// the middle of it. A record the line cannot take is lost, as on a cut
// cable; a hang-up cuts the record being written.
bool UnitSim::WriteRecord(std::string_view bytes) {
    std::lock_guard lock(writeLock_);
    while (!bytes.empty()) {
        if (senderStop_) return false;
        if (lineClosing_) return true;
        const long written = line_->WriteSome(bytes, kRecordWriteWaitMs);
        if (written < 0) return true;
        if (written == 0 && !SenderRest(kRecordWriteRest)) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool UnitSim::SenderRest(std::chrono::milliseconds duration) {
    std::unique_lock lock(modelLock_);
    return !changed_.wait_for(lock, duration, [this] { return senderStop_.load(); });
}

void UnitSim::CloseLine() {
    lineClosing_ = true;
    {
        std::lock_guard lock(writeLock_);
        line_->Close();
    }
    {
        std::lock_guard lock(modelLock_);
        hungUp_ = true;
    }
    NotifyChange();
}

// The reader may have ended on its own after a hang-up it made itself.
void UnitSim::StopThreads() {
    {
        std::lock_guard lock(stopLock_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    {
        std::lock_guard lock(modelLock_);
        senderStop_ = true;
    }
    changed_.notify_all();
    if (reader_.joinable()) reader_.join();
    if (sender_.joinable()) sender_.join();
}

void UnitSim::NotifyChange() {
    // Taking the lock orders the notice after the change a waiter checks.
    { std::lock_guard lock(modelLock_); }
    changed_.notify_all();
}

}  // namespace unitsim
