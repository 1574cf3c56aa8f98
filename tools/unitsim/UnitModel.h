// What the unit does with each line from the PC, without any I/O: the
// version query, the remote request with model 1's firmware phase, the
// clock, the parameter commands with their read-back, and monitoring.
// Not thread-safe; the owner serialises calls.
//
// Monitoring: the start command is "S1" (model 1) or "G1" (model 2), the
// stop command the same letter with "0"; neither gets a reply line. After
// a start the unit sends a start record, then the records of its scenario
// or its stream, which the owner takes one by one with NextRecord. After a
// stop it finishes the record in progress and sends the end record. A
// scenario that runs out leaves the unit waiting for the stop, unless it
// ends by itself.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "MonitorRun.h"
#include "Scenario.h"
#include "UnitClock.h"
#include "UnitOptions.h"
#include "UnitMaintenance.h"
#include "UnitStream.h"

namespace unitsim {

class UnitModel {
public:
    // A record to send, and the earliest time to send it.
    struct OutgoingRecord {
        std::string bytes;
        std::chrono::steady_clock::time_point due;
    };

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
    // The memory read, the buzzer and the download.
    const UnitMaintenance& Maintenance() const { return maintenance_; }

    static bool IsParameterLetter(char c);

    // The unit plays the scenario from the next start on; throws
    // std::invalid_argument for one ValidateScenario rejects.
    void SetScenario(const Scenario& scenario);
    // The unit streams instead, taking over at once when it is monitoring.
    // A unitsPerRecord of 0 takes UnitStream's default for the rate. The
    // start record then reports the baud (model 2), data length and parity
    // the PC set, where it set them, and the scenario's settings otherwise.
    // Throws std::invalid_argument for a rate below 1.
    void SetStream(int unitsPerSecond, int unitsPerRecord = 0);
    // As the start command: false when the unit is monitoring already.
    bool StartMonitoring();
    // As the stop command, also for a unit that ends on its own: false when
    // the unit is not monitoring.
    bool EndMonitoring();
    // From the start command until the end record is taken.
    bool IsMonitoring() const { return monitor_ != Monitor::Off; }
    // A stop is pending: the record in progress is to go out at once.
    bool IsEnding() const { return IsMonitoring() && endAsked_; }
    // True when NextRecord has a record to give.
    bool HasRecordReady() const;
    // The next record to send; nothing while the unit waits.
    std::optional<OutgoingRecord> NextRecord();
    // The start time of the last run as yymmddhhnnss; empty before the first.
    const std::string& MonitorStartTime() const { return startDigits_; }
    // Scenario records taken in the last run, ring restarts included.
    std::size_t ScenarioRecordsSent() const { return nextRecord_; }
    // Records taken in the last run, start and end records included.
    int RecordsSent() const { return recordsSent_; }

private:
    enum class Mode { Local, Firmware, Remote };
    enum class Monitor { Off, Starting, Running };
    using Replies = std::vector<std::string>;
    using TimePoint = std::chrono::steady_clock::time_point;

    Replies Command(const std::string& line);
    bool IsMonitorCommand(const std::string& line, char state) const;
    Replies VersionQuery();
    Replies RemoteRequested();
    Replies FirmwareLine(const std::string& line);
    Replies FirmwareRejected();
    Replies ClockSet(const std::string& line);
    Replies ReadBack(char letter);
    void StoreParameter(const std::string& line);
    std::string FalsifiedReadBack(std::string line);
    LineSettings StartLine() const;
    void BeginStream();
    OutgoingRecord Outgoing(std::string bytes, TimePoint due);
    OutgoingRecord NextScenarioRecord();
    OutgoingRecord NextStreamRecord();
    OutgoingRecord Finish();

    UnitOptions options_;
    Mode mode_;
    bool modelNameNext_ = false;
    UnitClock clock_;
    std::vector<std::string> received_;
    std::vector<std::string> firmware_;
    std::map<char, std::string> parameters_;
    int wrongReadBacks_ = 0;
    UnitMaintenance maintenance_;

    UnitClock::SteadyNow now_;
    Scenario scenario_;                    // for the next start
    std::optional<UnitStream> streamPlan_;  // streams from the next start when set
    Monitor monitor_ = Monitor::Off;
    bool endAsked_ = false;
    std::optional<MonitorRun> run_;
    Scenario runScenario_;  // the scenario of the run in progress
    std::size_t nextRecord_ = 0;
    std::optional<UnitStream> runStream_;
    TimePoint runStartedAt_ {};
    TimePoint streamStartedAt_ {};
    int streamFirstSecond_ = 0;
    std::string startDigits_;
    int recordsSent_ = 0;
};

}  // namespace unitsim
