#include "UnitModel.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "WireTexts.h"

namespace unitsim {

namespace {

constexpr std::string_view kParameterLetters = "ABCEFIKLMPTUVWXYZ";
constexpr std::size_t kClockSetLength = 13;  // "t" and twelve digits

bool IsValueText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
    });
}

}  // namespace

UnitModel::UnitModel(const UnitOptions& options, UnitClock::SteadyNow now)
    : options_(options),
      mode_(options.remote ? Mode::Remote : Mode::Local),
      clock_(options.clockOffsetSeconds, std::move(now)) {
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
    if (line.size() == kClockSetLength && line[0] == 't') return ClockSet(line);
    if (line.size() == 2 && line[0] == 'Q' && IsParameterLetter(line[1])) {
        return ReadBack(line[1]);
    }
    StoreParameter(line);
    return {};
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

}  // namespace unitsim
