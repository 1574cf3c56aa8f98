#include "UnitModel.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "ClockDigits.h"
#include "WireTexts.h"

namespace unitsim {

namespace {

constexpr std::string_view kParameterLetters = "ABCEFIKLMPTUVWXYZ";
constexpr std::size_t kClockSetLength = 13;  // "t" and twelve digits
constexpr char kMonitorStart = '1';
constexpr char kMonitorStop = '0';
// Sent at once, whatever the pacing.
constexpr std::chrono::steady_clock::time_point kAtOnce {};

bool IsValueText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
}

}  // namespace

UnitModel::UnitModel(const UnitOptions& options, UnitClock::SteadyNow now)
    : options_(options),
      mode_(options.remote ? Mode::Remote : Mode::Local),
      clock_(options.clockOffsetSeconds, now),
      maintenance_(options.maintenance),
      now_(std::move(now)) {
    if (options.model != 1 && options.model != 2) {
        throw std::invalid_argument("unit model must be 1 or 2");
    }
}

bool UnitModel::IsParameterLetter(char c) {
    return c != '\0' && kParameterLetters.find(c) != std::string_view::npos;
}

std::optional<std::string> UnitModel::ParameterLine(char letter) const {
    const auto it = parameters_.find(letter);
    if (it == parameters_.end()) return std::nullopt;
    return it->second;
}

std::vector<std::string> UnitModel::Receive(const std::string& line) {
    received_.push_back(line);
    if (mode_ == Mode::Firmware) return FirmwareLine(line);
    if (maintenance_.Takes(line)) return maintenance_.Receive(line);
    if (modelNameNext_) {
        modelNameNext_ = false;
        if (line == ModelName(options_.model)) return RemoteRequested();
    }
    return Command(line);
}

std::string UnitModel::LeaveRemote() {
    mode_ = Mode::Local;
    return RemoteStopLine();
}

UnitModel::Replies UnitModel::Command(const std::string& line) {
    if (line == "v") return VersionQuery();
    if (line == "Korv") {
        modelNameNext_ = true;
        return {};
    }
    if (line == "r") return {ClockReply(clock_.Read())};
    if (IsMonitorCommand(line, kMonitorStart)) {
        StartMonitoring();
        return {};
    }
    if (IsMonitorCommand(line, kMonitorStop)) {
        EndMonitoring();
        return {};
    }
    if (line.size() == kClockSetLength && line[0] == 't') return ClockSet(line);
    if (line.size() == 2 && line[0] == 'Q' && IsParameterLetter(line[1])) {
        return ReadBack(line[1]);
    }
    StoreParameter(line);
    return {};
}

// "S" for model 1, "G" for model 2, then the state digit.
bool UnitModel::IsMonitorCommand(const std::string& line, char state) const {
    const char letter = options_.model == 2 ? 'G' : 'S';
    return line.size() == 2 && line[0] == letter && line[1] == state;
}

UnitModel::Replies UnitModel::VersionQuery() {
    if (mode_ == Mode::Remote) return {RemoteBanner(options_.model)};
    const bool crLf = options_.model != 1 || !options_.bannerWithoutCrLf;
    return {LocalBanner(options_.model, crLf)};
}

UnitModel::Replies UnitModel::RemoteRequested() {
    if (options_.model == 2) {
        mode_ = Mode::Remote;
        return {};
    }
    mode_ = Mode::Firmware;
    firmware_.clear();
    if (options_.loadingErrorAfterLine == 0) return FirmwareRejected();
    return {};
}

// Everything up to the next "v" is firmware; the "v" asks whether the
// unit came up in remote mode with it.
UnitModel::Replies UnitModel::FirmwareLine(const std::string& line) {
    if (line == "v") {
        mode_ = Mode::Remote;
        return {RemoteBanner(options_.model)};
    }
    firmware_.push_back(line);
    if (static_cast<int>(firmware_.size()) == options_.loadingErrorAfterLine) {
        return FirmwareRejected();
    }
    return {};
}

// A rejected download leaves the unit as it was before the request, so
// the PC can start over with the version query.
UnitModel::Replies UnitModel::FirmwareRejected() {
    mode_ = Mode::Local;
    return {LoadingErrorLine()};
}

UnitModel::Replies UnitModel::ClockSet(const std::string& line) {
    clock_.Set(std::string_view(line).substr(1));
    return {};
}

UnitModel::Replies UnitModel::ReadBack(char letter) {
    const auto stored = ParameterLine(letter);
    // Never silent: a PC waiting for the read-back must get a line even for
    // a letter that was never set, and that line can match no set command.
    if (!stored) return {std::string(1, letter) + std::string(kCrLf)};
    std::string reply = letter == options_.wrongReadBack ? FalsifiedReadBack(*stored) : *stored;
    return {reply + std::string(kCrLf)};
}

std::string UnitModel::FalsifiedReadBack(std::string line) {
    const bool allFalse = options_.wrongReadBackTimes < 0;
    if (!allFalse && wrongReadBacks_ >= options_.wrongReadBackTimes) return line;
    ++wrongReadBacks_;
    char& last = line.back();
    last = last == '0' ? '1' : '0';
    return line;
}

// Values are upper-case hex digits, which also keeps "Korv" and the model
// names from reading as K commands.
void UnitModel::StoreParameter(const std::string& line) {
    if (line.empty() || !IsParameterLetter(line[0])) return;
    if (!IsValueText(std::string_view(line).substr(1))) return;
    parameters_[line[0]] = line;
}

void UnitModel::SetScenario(const Scenario& scenario) {
    ValidateScenario(scenario);
    scenario_ = scenario;
    streamPlan_.reset();
}

void UnitModel::SetStream(int unitsPerSecond, int unitsPerRecord) {
    if (unitsPerRecord == 0) unitsPerRecord = UnitStream::DefaultUnitsPerRecord(unitsPerSecond);
    streamPlan_.emplace(unitsPerSecond, unitsPerRecord);
    if (IsMonitoring()) BeginStream();
}

// The start time is the unit's clock at the command unless the scenario
// names one; so is the line the start record reports.
bool UnitModel::StartMonitoring() {
    if (IsMonitoring()) return false;
    runScenario_ = scenario_;
    const std::string digits =
        runScenario_.startTime.empty() ? clock_.Read() : runScenario_.startTime;
    run_.emplace(options_.model, *ParseClockDigits(digits), StartLine());
    startDigits_ = digits;
    monitor_ = Monitor::Starting;
    endAsked_ = false;
    nextRecord_ = 0;
    recordsSent_ = 0;
    runStartedAt_ = now_();
    runStream_.reset();
    if (streamPlan_) BeginStream();
    return true;
}

bool UnitModel::EndMonitoring() {
    if (!IsMonitoring()) return false;
    endAsked_ = true;
    return true;
}

bool UnitModel::HasRecordReady() const {
    if (!IsMonitoring()) return false;
    if (monitor_ == Monitor::Starting || endAsked_ || runStream_) return true;
    return nextRecord_ < runScenario_.records.size() || runScenario_.endByItself;
}

std::optional<UnitModel::OutgoingRecord> UnitModel::NextRecord() {
    if (!IsMonitoring()) return std::nullopt;
    if (monitor_ == Monitor::Starting) {
        monitor_ = Monitor::Running;
        return Outgoing(run_->StartRecord(), kAtOnce);
    }
    if (endAsked_) return Finish();
    if (runStream_) return NextStreamRecord();
    if (nextRecord_ < runScenario_.records.size()) return NextScenarioRecord();
    if (runScenario_.endByItself) return Finish();
    return std::nullopt;
}

// A streaming unit reports the line the PC set; a stored value is hex
// digits, so the digits stay digits where the PC sent what it should.
LineSettings UnitModel::StartLine() const {
    LineSettings line = ScenarioLine(scenario_);
    if (!streamPlan_) return line;
    const auto value = [this](char letter, std::size_t length) -> std::optional<std::string> {
        const auto stored = ParameterLine(letter);
        if (!stored || stored->size() != length + 1) return std::nullopt;
        return stored->substr(1);
    };
    if (const auto baud = value('B', line.ddsWord.size()); baud && options_.model == 2) {
        line.ddsWord = *baud;
    }
    if (const auto length = value('C', 1)) line.dataLengthDigit = (*length)[0];
    if (const auto parity = value('P', 1)) line.parityDigit = (*parity)[0];
    return line;
}

// A stream that takes over in the middle of a run goes on from the later
// of the last record's second and the seconds the run has lasted.
void UnitModel::BeginStream() {
    runStream_ = *streamPlan_;
    streamStartedAt_ = now_();
    const auto lasted =
        std::chrono::duration_cast<std::chrono::seconds>(streamStartedAt_ - runStartedAt_);
    streamFirstSecond_ = std::max(run_->LastSecond(), static_cast<int>(lasted.count()));
}

UnitModel::OutgoingRecord UnitModel::Outgoing(std::string bytes, TimePoint due) {
    ++recordsSent_;
    return {std::move(bytes), due};
}

UnitModel::OutgoingRecord UnitModel::NextScenarioRecord() {
    const ScenarioRecord& record = runScenario_.records[nextRecord_++];
    const int second = record.secondsFromStart;
    std::string bytes = record.ringRestart ? run_->RingRestart(second, record.badChecksum)
                                           : run_->DataRecord(second, record.units, record.badChecksum);
    TimePoint due = kAtOnce;
    if (runScenario_.recordsPerSecond > 0.0) {
        const std::chrono::duration<double> offset(static_cast<double>(nextRecord_) /
                                                   runScenario_.recordsPerSecond);
        due = runStartedAt_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(offset);
    }
    return Outgoing(std::move(bytes), due);
}

UnitModel::OutgoingRecord UnitModel::NextStreamRecord() {
    UnitStream::Chunk chunk = runStream_->Next();
    std::string bytes = run_->DataRecord(streamFirstSecond_ + chunk.secondsFromStart, chunk.units);
    return Outgoing(std::move(bytes), streamStartedAt_ + chunk.due);
}

UnitModel::OutgoingRecord UnitModel::Finish() {
    monitor_ = Monitor::Off;
    endAsked_ = false;
    runStream_.reset();
    return Outgoing(run_->EndRecord(), kAtOnce);
}

}  // namespace unitsim
