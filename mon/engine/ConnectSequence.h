// Brings the unit into remote mode: opens the port (model 2 pulses DTR),
// waits for DSR and CTS, reads the banner, sends the remote request,
// downloads the firmware to a model-1 unit, waits for the remote
// confirmation, and sets and checks the unit's clock. One step per pass.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace mon {

class Engine;

enum ConnectErrors : int16_t {
    kConnectOk = 0,
    kConnectSendFailed = 1,
    kConnectUnexpectedReply = 3,
    kConnectFirmwareFailed = 4,
    kConnectClockDiffers = 5,
};

class ConnectSequence {
public:
    static constexpr int32_t kStepWaitMs = 1000;
    static constexpr size_t kModel1BannerLength = 160;
    // A step that waits this long for the unit gives up: a unit that hung
    // up or went silent ends the sequence with a code instead of leaving
    // it waiting for ever.
    static constexpr int64_t kStepLimitMs = 30000;

    explicit ConnectSequence(Engine& engine) : e_(engine) {}

    void ConnectStart();
    void ConnectStepRun();
    void ConnectEnd();
    void FirmFileClose();
    std::string FirmwarePath() const;

    int16_t ConnectStep = 0;
    int16_t ConnectError = kConnectOk;
    int16_t DownloadSubState = 1;
    std::string SentClock;  // yyyymmddhhnnss

private:
    bool Model1() const;
    std::string ModelName() const;  // "KY-N4" or "KY-N5"
    std::string RemoteMark() const;  // "N4 Remote" or "N5 Remote"
    void Arm();
    bool TimeUp();
    bool Cts();
    // Sends when CTS is on; false with sent untouched while CTS is off.
    bool SendWhenCts(std::string text, bool& sent);
    void Fail(int16_t error);
    bool StepOverdue();

    void StepOpenPort();
    void StepDtrOff();
    void StepDtrOn();
    void StepDsr();
    void StepCts();
    void StepSettle();
    void StepVersionQuery();
    void StepBanner();
    void StepRemoteRequest();
    void StepBeforeDownload();
    void StepFirmware();
    void StepRemoteWait();
    void StepClockSet();
    void StepClockCheck();

    Engine& e_;
    int16_t lastStep_ = 0;
    int64_t stepSince_ = 0;
    std::ifstream firm_;
    std::string firmLine_;
};

// The unit's clock reply (its bytes 3 to 14, yymmddhhnnss) minus the sent
// PC time (yyyymmddhhnnss), in whole seconds; a reply that is no date
// gives a difference far outside any tolerance.
int64_t ClockDifferenceSeconds(const std::string& sentClock, const std::string& reply);

}  // namespace mon
