#include "Engine.h"

#include <string_view>

#include "IniFile.h"
#include "TextUtil.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

class SilentMonitorView final : public MonitorView {
public:
    void ToolbarApply(const ToolbarState&) override {}
    void CaptionSet(const std::string&) override {}
    void BusyPointer(bool) override {}
    void SizeLock(bool) override {}
    void GridClear() override {}
    void GridShow(const GridPage&) override {}
    void NoticeShow(const std::string&, int16_t) override {}
    void Beep() override {}
};

SilentMonitorView silentMonitor;

// Plain ASCII, which code page 932 leaves as it is: the received bytes are
// compared as they came.
constexpr std::string_view kPowerFailureLine = "e\r\n";
constexpr std::string_view kRemoteStopLine = "*** KY-N5 Remote Mode Stop ***\r\n";

std::string RangeText(const std::string& stamp) {
    if (auto d = platform::ParseDateTime(stamp)) return platform::FormatDateTime(*d);
    return stamp;
}

}  // namespace

bool LampColor(int16_t lampState, uint32_t& bgr) {
    static constexpr uint32_t kColors[] = {0xC0C0C0, 0x00FF00, 0x0000FF, 0x0080FF};
    if (lampState < 0 || lampState > 3) return false;
    bgr = kColors[lampState];
    return true;
}

std::vector<std::pair<std::string, std::string>> SettingsPanelTexts(const MonitorSettings& s) {
    static constexpr const char* kCodes[] = {"HEX", "ASCII", "JIS7", "JIS7", "JIS8", "EBCDIC"};
    static constexpr const char* kModes[] = {"RESTART", "STOP", "FIX"};
    static constexpr const char* kLines[] = {"DUAL", "SD", "RD"};
    std::vector<std::pair<std::string, std::string>> panels;
    panels.emplace_back("RangeStart", s.RangeDate != 0 ? RangeText(s.RangeStart) : "-");
    panels.emplace_back("RangeStop", s.RangeDate != 0 ? RangeText(s.RangeStop) : "-");
    panels.emplace_back("Trig", s.Trig[0].Active != 0   ? "Trig Stop"
                                : s.Trig[1].Active != 0 ? "Trig Start"
                                                        : "-");
    panels.emplace_back("ErrStop", s.ErrStop != 0 ? "Error ON" : "-");
    if (s.Code >= 0 && s.Code <= 5) panels.emplace_back("Code", kCodes[s.Code]);
    if (s.MemoryMode >= 0 && s.MemoryMode <= 2) panels.emplace_back("MemoryMode", kModes[s.MemoryMode]);
    if (s.Direction >= 0 && s.Direction <= 2) panels.emplace_back("Direction", kLines[s.Direction]);
    return panels;
}

Engine::Engine(PortelloApi& api, EngineView& view, EngineClock& clock, std::string programDir)
    : ProgramDir(std::move(programDir)),
      Api(api),
      View(view),
      Clock(clock),
      Io(api, clock),
      Connect(*this),
      Param(*this),
      Cap(*this),
      Monitor(&silentMonitor) {}

void Engine::Startup(const std::string& appTitle, bool secondInstance) {
    SecondInstance = secondInstance ? -1 : 0;
    Api.SetModel(1);
    EngineInit(appTitle);
    IniFileRead(IniPath(), Pc, CommittedSettings, SecondInstance != 0, Clock.NowDate());
    SettingsStatusShow();
    DataColorSet();
    Api.CreateMap();
    Api.CommClose();
    Api.SetActive(Pc.LinkKind);
    DsrState = Api.IsCommDSR() == 1 ? 1 : 0;
}

void Engine::EngineInit(const std::string& appTitle) {
    ExitRequested = 0;
    PcDialogShown = MonitorDialogShown = MessageShown = 0;
    StopByUser = 0;
    Io.StepTimerStop();
    DsrState = 0;
    EngineState = kStateIdle;
    Io.PendingText.clear();
    Io.LastLine.clear();
    LampState = kLampGrey;
    SettingsDefaultSet(Pc, CommittedSettings, appTitle, ProgramDir, Clock.NowDate());
    WorkingSettings = CommittedSettings;
    CodeTableBuild();
    DisplayMode = 2;
}

bool Engine::Pass() {
    const std::string& line = Io.LineRecv();
    const bool taken = !line.empty();
    NoiseCheck();
    // A notice of the unit is neither a record nor a reply.
    const bool notice = UnitNoticeCheck(line);
    LineCutCheck();
    if (notice) return taken;
    switch (EngineState) {
        case kStateConnecting: Connect.ConnectStepRun(); break;
        case kStateMonitoring: Cap.RecordDispatch(); break;
        case kStateParamDownload: Param.ParamStepRun(); break;
        default: break;
    }
    return taken;
}

void Engine::TickEnd() { Cap.DisplayShow(); }

void Engine::NoiseCheck() {
    const uint64_t dropped = Io.TakeNoise();
    if (dropped != 0 && EngineState == kStateMonitoring) Cap.NoiseLog(dropped);
}

void Engine::Shutdown() {
    // Running appends are not stopped: the library lets them finish before
    // it unloads, so a file closed just before quitting is complete (a copy
    // takes milliseconds), instead of being left as a header and its .tmp.
    Api.CommClose();
    Api.CloseMap();
}

bool Engine::UnitNoticeCheck(const std::string& line) {
    if (line == kPowerFailureLine) {
        StatusTextSet("電源異常発生");
        MessageShow("ＫＹ本体の電源が異常です！確認して下さい。", 0);
        LampState = kLampRed;
        ConnectLampSet();
        CaptureEnd();
        return true;
    }
    if (line == kRemoteStopLine) {
        StatusTextSet("リモート解除");
        MessageShow("ＫＹ本体のリモートモードが解除されました。", 0);
        LampState = kLampGreen;
        ConnectLampSet();
        return true;
    }
    return false;
}

void Engine::LineCutCheck() {
    if (EngineState == kStateConnecting) return;
    const int32_t d = Api.IsCommDSR() == 1 ? 1 : 0;
    if (d == DsrState) return;
    DsrState = d;
    if (d != 0) return;
    View.SettingsDialogsUnload();
    StatusTextSet("回線切断！");
    MessageShow("ＫＹ本体の電源または接続ケーブルをご確認下さい", 0);
    LampState = kLampRed;
    ConnectLampSet();
    CaptureEnd();
}

void Engine::CaptureEnd() {
    Io.StepTimerStop();
    Connect.FirmFileClose();
    Cap.CaptureEnd();
}

void Engine::StepMessageButton() {
    if (EngineState == kStateConnecting) Connect.FirmFileClose();
    Io.StepTimerStop();
    EngineState = kStateIdle;
}

void Engine::StepMessageClosed() { MessageShown = 0; }

void Engine::MessageShow(const std::string& text, int16_t kind) {
    MessageShown = -1;
    View.StepMessageShow(text, kind == 1 ? "ｷｬﾝｾﾙ" : "OK");
}

void Engine::StatusTextSet(const std::string& text) { View.PanelTextSet("Status", text); }

void Engine::ConnectLampSet() {
    uint32_t bgr = 0;
    if (LampColor(LampState, bgr)) View.LampColorSet(bgr);
}

void Engine::SettingsStatusShow() {
    for (const auto& [key, text] : SettingsPanelTexts(CommittedSettings)) View.PanelTextSet(key, text);
}

void Engine::DataColorSet() { View.DataColorsSet(Pc.SdForeColor, Pc.RdForeColor); }

bool Engine::IniFileWrite() {
    return mon::IniFileWrite(IniPath(), Pc, CommittedSettings, SecondInstance != 0, Clock.NowDate());
}

}  // namespace mon
