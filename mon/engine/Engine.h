// The monitor's engine: its state, the start-up and exit steps, and one
// pass of the polling loop that takes a line from the unit, handles the
// unit's unsolicited lines, watches DSR for a cut line and runs the handler
// of the current state. The program runs passes from a timer; tests call
// Pass() themselves.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Capture.h"
#include "ConnectSequence.h"
#include "EngineClock.h"
#include "EngineView.h"
#include "LineIo.h"
#include "MonitorView.h"
#include "ParamDownload.h"
#include "PortelloApi.h"
#include "Settings.h"

namespace mon {

enum EngineStates : int16_t {
    kStateIdle = 0,
    kStateConnecting = 1,
    kStateMonitoring = 2,
    kStateParamDownload = 3,
};

enum LampStates : int16_t { kLampGrey = 0, kLampGreen = 1, kLampRed = 2, kLampOrange = 3 };

// The lamp colour of a lamp state (0x00BBGGRR); false for an unknown state.
bool LampColor(int16_t lampState, uint32_t& bgr);
// The texts of the settings panels for the committed settings, by key.
std::vector<std::pair<std::string, std::string>> SettingsPanelTexts(const MonitorSettings& s);

class Engine {
public:
    Engine(PortelloApi& api, EngineView& view, EngineClock& clock, std::string programDir);

    // --- life cycle -------------------------------------------------------
    // Binds the library (model 1), resets the engine, reads Capturo.ini,
    // shows the settings, creates the ring and sets the link kind.
    void Startup(const std::string& appTitle, bool secondInstance);
    void EngineInit(const std::string& appTitle);
    // One pass; true when it took a line, so more may be waiting.
    bool Pass();
    // After the passes of one tick: the live display shows what they left.
    void TickEnd();
    // Closes the port and frees the ring; running appends finish.
    void Shutdown();

    // --- operations the windows start -------------------------------------
    void ConnectStart() { Connect.ConnectStart(); }
    void ParamSetStart() { Param.ParamSetStart(); }
    void CaptureStart() { Cap.CaptureStart(); }
    void CaptureStopAsk() { Cap.CaptureStopAsk(); }
    // Ends monitoring on the PC (closing the history file) and leaves the
    // engine idle, whatever it was doing.
    void CaptureEnd();
    // The step window's button and its closing.
    void StepMessageButton();
    void StepMessageClosed();

    // --- display ------------------------------------------------------------
    void MessageShow(const std::string& text, int16_t kind);
    void StatusTextSet(const std::string& text);
    void ConnectLampSet();
    void SettingsStatusShow();
    void DataColorSet();

    // --- settings file ----------------------------------------------------
    std::string IniPath() const { return ProgramDir + "/Capturo.ini"; }
    bool IniFileWrite();

    // --- state ------------------------------------------------------------
    int16_t EngineState = kStateIdle;
    int16_t ExitRequested = 0;
    int16_t SecondInstance = 0;
    int32_t DsrState = 0;
    int16_t LampState = kLampGrey;
    int16_t PcDialogShown = 0;
    int16_t MonitorDialogShown = 0;
    int16_t MessageShown = 0;
    int16_t DisplayMode = 2;
    int16_t StopByUser = 0;
    int16_t GridRows = 1;  // the live grid as the main window last laid it out
    int16_t GridCols = 1;
    PcSettings Pc;
    MonitorSettings CommittedSettings;
    MonitorSettings WorkingSettings;
    std::string ProgramDir;

    PortelloApi& Api;
    EngineView& View;
    EngineClock& Clock;
    LineIo Io;
    ConnectSequence Connect;
    ParamDownload Param;
    Capture Cap;
    // The main window's monitoring side; a silent stand-in until one is set.
    MonitorView* Monitor;

private:
    // True when the line was the unit's own notice and is taken care of.
    bool UnitNoticeCheck(const std::string& line);
    void NoiseCheck();
    void LineCutCheck();
};

}  // namespace mon
