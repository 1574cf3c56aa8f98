// What the unit does with each line from the PC, without any I/O: the
// version query, the remote request with model 1's firmware phase, the
// clock, and the parameter commands with their read-back. Not thread-safe;
// the owner serialises calls.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "UnitClock.h"
#include "UnitOptions.h"

namespace unitsim {

class UnitModel {
public:
    // Throws std::invalid_argument for a model other than 1 or 2.
    explicit UnitModel(const UnitOptions& options,
                       UnitClock::SteadyNow now = std::chrono::steady_clock::now);

    // Takes one line without its CR LF and returns what the unit sends back,
    // in order, each piece the exact bytes with their line end.
    std::vector<std::string> Receive(const std::string& line);
    // The unit leaves remote mode on its own; returns the notice it sends.
    std::string LeaveRemote();

    bool IsRemote() const { return mode_ == Mode::Remote; }
    // True between a remote request and the "v" that ends it (model 1).
    bool IsTakingFirmware() const { return mode_ == Mode::Firmware; }
    const std::vector<std::string>& ReceivedLines() const { return received_; }
    // The lines of the last firmware download, without CR LF.
    const std::vector<std::string>& FirmwareLines() const { return firmware_; }
    // The set command last stored for the letter, e.g. "A1".
    std::optional<std::string> ParameterLine(char letter) const;
    const std::map<char, std::string>& ParameterLines() const { return parameters_; }
    // The digits of the last clock set; empty before the first.
    const std::string& LastClockSet() const { return clock_.LastSet(); }
    std::string ClockNow() const { return clock_.Read(); }
    int WrongReadBacksSent() const { return wrongReadBacks_; }

    static bool IsParameterLetter(char c);

private:
    enum class Mode { Local, Firmware, Remote };
    using Replies = std::vector<std::string>;

    // Monitoring commands join this dispatch when the unit learns them.
    Replies Command(const std::string& line);
    Replies VersionQuery();
    Replies RemoteRequested();
    Replies FirmwareLine(const std::string& line);
    Replies FirmwareRejected();
    Replies ClockSet(const std::string& line);
    Replies ReadBack(char letter);
    void StoreParameter(const std::string& line);
    std::string FalsifiedReadBack(std::string line);

    UnitOptions options_;
    Mode mode_;
    bool modelNameNext_ = false;
    UnitClock clock_;
    std::vector<std::string> received_;
    std::vector<std::string> firmware_;
    std::map<char, std::string> parameters_;
    int wrongReadBacks_ = 0;
};

}  // namespace unitsim
