// A simulated KY unit on the master side of a pseudo-terminal, or on a
// loopback TCP port serving the LAN packet format (options.lanPort). The PC
// opens SlavePath() as its serial port, or connects to LanPort(); a reader
// thread cuts what the PC sends into CR LF lines, hands them to a UnitModel
// and writes the answers back. While the unit monitors, a sender thread takes its records from
// the model and writes each whole, at its time or as fast as the PC reads.
// Every member is safe to call from any thread.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "LanServer.h"
#include "LineSplitter.h"
#include "PtyMaster.h"
#include "Scenario.h"
#include "UnitModel.h"
#include "UnitOptions.h"

namespace unitsim {

class UnitSim {
public:
    using Options = UnitOptions;
    using Condition = std::function<bool(const UnitModel&)>;
    static constexpr std::chrono::milliseconds kDefaultWait {5000};

    // Throws std::invalid_argument for a bad model and std::system_error
    // when no pseudo-terminal or port can be had.
    explicit UnitSim(const Options& options);
    // Stops the reader and closes the master: a hang-up for the PC.
    ~UnitSim();
    UnitSim(const UnitSim&) = delete;
    UnitSim& operator=(const UnitSim&) = delete;

    // Empty on a LAN line.
    const std::string& SlavePath() const { return slavePath_; }
    // The TCP port of a LAN line; 0 on a pseudo-terminal.
    int LanPort() const { return lan_ != nullptr ? lan_->Port() : 0; }

    // Puts the bytes on the line as they are (in data packets on a LAN
    // line); false after a hang-up or when the PC does not take them.
    bool SendBytes(const std::string& bytes);
    // Bytes on the wire past any packet format.
    bool SendRaw(const std::string& bytes);
    // LAN line: reports the modem lines; false with no PC connected or on
    // a pseudo-terminal.
    bool SendLineStatus(const lan::LineStatus& status);
    // LAN line: every packet the PC sent, in order; empty on a pseudo-terminal.
    std::vector<LanPacket> LanPackets() const;
    bool WaitForLanPackets(std::size_t count, std::chrono::milliseconds timeout = kDefaultWait);
    // Sends the text followed by CR LF.
    bool SendLine(const std::string& text);
    bool SendPowerFailure();
    // The unit leaves remote mode and says so.
    bool SendRemoteStop();
    void HangUp();
    bool IsHungUp() const;

    std::vector<std::string> ReceivedLines() const;
    std::vector<std::string> FirmwareLines() const;
    std::optional<std::string> ParameterLine(char letter) const;
    std::map<char, std::string> ParameterLines() const;
    std::string LastClockSet() const;
    bool IsRemote() const;
    // The memory reads, buzzer and downloads so far, as a copy.
    UnitMaintenance Maintenance() const;

    // Monitoring, as UnitModel describes it. Throws std::invalid_argument
    // for a scenario ValidateScenario rejects.
    void SetScenario(const Scenario& scenario);
    // Records at real-time pace, endlessly until a stop; a unitsPerRecord of
    // 0 takes the default for the rate. Throws std::invalid_argument for a
    // rate below 1.
    void SetStream(int unitsPerSecond, int unitsPerRecord = 0);
    // As if the PC had sent the start command; false when monitoring already.
    bool StartMonitoring();
    // The unit ends on its own: it finishes the record in progress and sends
    // the end record. False when it is not monitoring.
    bool EndMonitoring();
    bool IsMonitoring() const;
    // The start time of the last run as yymmddhhnnss; empty before the first.
    std::string MonitorStartTime() const;
    // Scenario records taken for sending in the last run.
    std::size_t ScenarioRecordsSent() const;

    // Waits until the condition holds on the unit's state, at most timeout;
    // returns whether it holds. The state changes as soon as a line is
    // taken, so the replies to that line may still be on their way.
    bool WaitUntil(const Condition& condition, std::chrono::milliseconds timeout = kDefaultWait);
    bool WaitForLines(std::size_t count, std::chrono::milliseconds timeout = kDefaultWait);
    bool WaitForHangUp(std::chrono::milliseconds timeout = kDefaultWait);

private:
    void ReaderLoop();
    // False when the unit hung up on these bytes.
    bool TakeBytes(const std::string& bytes);
    bool TakeLine(const std::string& line);
    bool HangUpDue() const;
    void SendReplies(const std::vector<std::string>& replies);
    // Sleeps unless the reader is asked to stop first; false when asked.
    bool PauseUnlessStopping(std::chrono::milliseconds duration);
    void SenderLoop();
    // Waits until the record is due or a stop asks for it at once; false
    // when the sender is to end.
    bool AwaitDue(std::chrono::steady_clock::time_point due);
    // False when the sender is to end.
    bool WriteRecord(std::string_view bytes);
    bool SenderRest(std::chrono::milliseconds duration);
    void CloseLine();
    void StopThreads();
    void NotifyChange();

    const Options options_;
    std::unique_ptr<UnitLine> line_;
    LanServer* lan_ = nullptr;  // line_ when it is a LAN line
    const std::string slavePath_;
    LineSplitter splitter_;  // reader thread only

    mutable std::mutex modelLock_;
    std::condition_variable changed_;
    UnitModel model_;
    bool hungUp_ = false;

    std::mutex writeLock_;  // writes and the close of the master
    std::atomic<bool> lineClosing_ {false};  // a record being written gives up
    std::atomic<bool> senderStop_ {false};   // set under modelLock_

    std::mutex stopLock_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::mutex hangUpLock_;
    std::thread reader_;
    std::thread sender_;
};

}  // namespace unitsim
