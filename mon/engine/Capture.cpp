#include "Capture.h"

#include <cstdlib>
#include <optional>

#include "Engine.h"
#include "platform/text/VbFormat.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

constexpr double kSecond = 1.0 / 86400.0;

std::optional<double> RangeBound(const std::string& text) { return platform::ParseDateTime(text); }

}  // namespace

Capture::Capture(Engine& engine)
    : Trigger(engine.Api),
      Files(engine.Api, engine.Pc, engine.CommittedSettings),
      Display(engine.Api, engine.Pc, engine.CommittedSettings),
      e_(engine) {}

std::string Capture::Command(char onOff) const {
    return std::string(1, e_.Pc.ModelNumber == 1 ? 'S' : 'G') + onOff + "\r\n";
}

void Capture::CaptureStart() {
    std::string command = Command('1');
    if (e_.Api.IsCommCTS() != 1) {
        e_.StatusTextSet("回線を確認して下さい！");
        return;
    }
    e_.Io.RecvClear();
    e_.Io.LineSend(command, e_.Pc.WaitSend);
    e_.EngineState = kStateMonitoring;
    e_.StatusTextSet("モニタ中");
    MonitorView& v = *e_.Monitor;
    v.ToolbarApply({.start = false, .stop = true, .kill = false, .monitor = false, .kyPc = false, .menus = false});
    v.GridClear();
    v.BusyPointer(true);
    v.SizeLock(true);

    Times.MonitorStopTime = 0;
    LastSecond = 0;
    Rec = {};
    TrigUnitNumber = 0;
    e_.LampState = kLampGrey;
    Files.Reset();
    Trigger.Reset(e_.CommittedSettings.Trig[1]);
    Display.Reset(e_.DisplayMode, e_.GridRows, e_.GridCols);
    Files.AppendFlags = kMarkBegan;
    Files.FileNumberFind();
    Files.TmpFileOpen();
    shownCaption_.clear();
    timeBaseSet_ = startTimeSet_ = false;
    fullShownFor_.clear();
    DisplayShow();
}

void Capture::CaptureStopAsk() {
    std::string command = Command('0');
    if (e_.Api.IsCommCTS() == 1) {
        e_.Io.LineSend(command, e_.Pc.WaitSend);
        e_.StatusTextSet("");
        e_.Monitor->ToolbarApply({.stop = false, .kill = true});
    } else {
        e_.StatusTextSet("回線を確認して下さい！");
        e_.Monitor->ToolbarApply({.kill = true});
    }
}

void Capture::CaptureEnd() {
    MonitorView& v = *e_.Monitor;
    v.ToolbarApply({.start = true, .stop = false, .kill = false, .monitor = true, .kyPc = true, .menus = true});
    v.BusyPointer(false);
    v.SizeLock(false);
    e_.ConnectLampSet();
    if (const uint64_t dropped = e_.Io.TakeNoise(true)) NoiseLog(dropped);
    Files.HistoryFileClose(Times);
    CaptionShow();
    e_.Io.RecvClear();
    e_.EngineState = kStateIdle;
}

void Capture::RecordDispatch() {
    if (!RecordSumCheck()) return;
    const auto type = static_cast<uint8_t>(Rec.RecordBytes[1]);
    if (type == 0x80) {
        StartRecordRead();
    } else if (type <= 0x7F) {
        DataRecordRead(type);
    } else if (type == 0xFF) {
        EndRecordRead();
    } else if (type == 0x81) {
        RingRestartRead();
    }
}

bool Capture::RecordSumCheck() {
    const std::string& line = e_.Io.LastLine;
    Rec.RecordBytes.clear();
    if (line.size() <= 5) return false;
    Rec.RecordBytes = line;
    // The library only reads the bytes.
    if (e_.Api.CheckSum(reinterpret_cast<uint8_t*>(Rec.RecordBytes.data()),
                        static_cast<int32_t>(Rec.RecordBytes.size())) == 1) {
        return true;
    }
    e_.LampState = kLampOrange;
    e_.ConnectLampSet();
    Files.SumErrorLog(Rec.RecordBytes, BaseTime);
    return false;
}

bool Capture::ReadUnitTime(size_t at, double& value) const {
    if (Rec.RecordBytes.size() < at + 12) return false;
    const std::string d = Rec.RecordBytes.substr(at, 12);
    if (d.find_first_not_of("0123456789") != std::string::npos) return false;
    auto num = [&d](size_t i) { return std::atoi(d.substr(i, 2).c_str()); };
    const auto date = platform::MakeDate({2000 + num(0), num(2), num(4), num(6), num(8), num(10)});
    if (!date) return false;
    value = *date;
    return true;
}

std::string Capture::LineFormatText(float monitoredBaud, float committedBaud, char lengthDigit,
                                    char parityDigit) {
    std::string text = platform::FormatNumber(monitoredBaud, committedBaud == 134.5f ? "0.0" : "0");
    if (lengthDigit == '0') text += ",7";
    if (lengthDigit == '1') text += ",8";
    if (parityDigit == '0') text += ",N";
    if (parityDigit == '1') text += ",O";
    if (parityDigit == '2') text += ",E";
    return text;
}

void Capture::StartRecordRead() {
    double start = 0;
    if (ReadUnitTime(2, start)) {
        Times.MonitorStartTime = BaseTime = start;
        Times.MonitorStopTime = 0;
        timeBaseSet_ = startTimeSet_ = true;
    }
    const std::string& b = Rec.RecordBytes;
    auto at = [&b](size_t i) { return i < b.size() ? b[i] : '\0'; };
    const float committed = e_.CommittedSettings.BaudRate;
    char lengthDigit = at(19), parityDigit = at(20);
    MonitoredBaud = committed;
    if (e_.Pc.ModelNumber != 1) {
        const std::string digits = b.size() >= 22 ? b.substr(14, 8) : std::string();
        const auto word = static_cast<uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
        MonitoredBaud = static_cast<float>(static_cast<float>(word / 16.0) / 4294967296.0 * 40000000.0);
        lengthDigit = at(22);
        parityDigit = at(23);
    }
    e_.View.PanelTextSet("BaudRate", LineFormatText(MonitoredBaud, committed, lengthDigit, parityDigit));
    e_.LampState = kLampGreen;
    e_.ConnectLampSet();
}

bool Capture::RangeCheck() {
    const MonitorSettings& s = e_.CommittedSettings;
    if (s.RangeDate == 0) return true;
    if (auto from = RangeBound(s.RangeStart); from && RecordTime < *from) return false;
    if (auto to = RangeBound(s.RangeStop); to && RecordTime > *to) {
        CaptureStopAsk();
        return false;
    }
    return true;
}

void Capture::UnitCount() {
    Rec.RecordUnits = Rec.RecordSdUnits = Rec.RecordRdUnits = 0;
    if (e_.CommittedSettings.Trig[1].Active != 0 && Trigger.StartTrigDone == -1) return;
    const std::string& b = Rec.RecordBytes;
    auto at = [&b](size_t i) { return i < b.size() ? static_cast<uint8_t>(b[i]) : uint8_t{0}; };
    for (size_t i = 2; i < b.size() && at(i) >= 0x40; i += 2) {
        if (at(i) < 0x80) continue;  // a time word on its own
        if (at(i) & 0x02) {
            Trigger.RdSearchBytes.push_back(static_cast<char>(at(i + 1)));
            ++Rec.RecordRdUnits;
        } else {
            Trigger.SdSearchBytes.push_back(static_cast<char>(at(i + 1)));
            ++Rec.RecordSdUnits;
        }
        ++Rec.RecordUnits;
        if ((at(i + 2) & 0xC0) == 0x40) i += 2;
    }
}

void Capture::DataRecordRead(int16_t seconds) {
    if (!timeBaseSet_) {
        // A unit that was monitoring already ignored the start command and
        // sent no start record: its clock was set from the PC's at the
        // connect, so the PC's clock stands in for the missing time base.
        BaseTime = platform::WholeSecond(e_.Clock.NowDate() - seconds * kSecond);
        timeBaseSet_ = true;
    }
    if (!startTimeSet_) {
        Times.MonitorStartTime = BaseTime;
        startTimeSet_ = true;
    }
    if (seconds < LastSecond) BaseTime += 128 * kSecond;
    RecordTime = platform::WholeSecond(BaseTime + seconds * kSecond);
    LastSecond = seconds;
    if (!RangeCheck()) return;
    UnitCount();
    if (Rec.RecordUnits < 1) return;
    const TriggerSetting& start = e_.CommittedSettings.Trig[1];
    if (Trigger.TriggerCheck(Rec, start)) CaptureStopAsk();
    if (!Trigger.Recording(start) || Rec.RecordUnits == 0) return;
    if (!Files.RecordWrite(Rec.RecordBytes, Rec.RecordUnits, RecordTime, Times)) {
        e_.StatusTextSet("ディスクＦｕｌｌ！！");
        // The box, which holds the main window while it is up, comes once
        // for each file that fails, so that Stop stays within reach while
        // records flow.
        if (fullShownFor_ != Files.BasePath) {
            fullShownFor_ = Files.BasePath;
            e_.Monitor->NoticeShow("ディスクＦｕｌｌ発生！！", 16);
        }
    }
    if (Rec.RecordUnits == 0) return;
    Display.DspUpdate(Rec.RecordBytes, RecordTime, Files, TrigUnitNumber);
}

void Capture::DisplayShow() {
    CaptionShow();
    if (!Display.Changed) return;
    Display.Changed = false;
    e_.Monitor->GridShow(Display.Page());
    CountersShow();
}

void Capture::CountersShow() {
    e_.View.PanelTextSet("SdCount", CounterText("SD:", Files.FileSdUnits));
    e_.View.PanelTextSet("RdCount", CounterText("RD:", Files.FileRdUnits));
    e_.View.PanelTextSet("DualCount", CounterText("TR:", Files.FileUnits));
}

void Capture::CaptionShow() {
    if (Files.Title == shownCaption_) return;
    shownCaption_ = Files.Title;
    e_.Monitor->CaptionSet(shownCaption_);
}

void Capture::NoiseLog(uint64_t bytes) {
    if (Files.TmpOpen == 0) return;
    Files.EventLog(platform::FormatDateTime(e_.Clock.NowDate()) + " 受信データ破棄（" + std::to_string(bytes) +
                   "バイト）");
}

void Capture::EndRecordRead() {
    double end = 0;
    if (ReadUnitTime(2, end)) Times.MonitorStopTime = end;
    Files.AppendFlags |= kMarkEnded;
    CaptureEnd();
    e_.StatusTextSet("");
    StopEventShow();
}

void Capture::RingRestartRead() {
    LastSecond = 0;
    double restart = 0;
    if (ReadUnitTime(2, restart)) {
        BaseTime = restart;
        timeBaseSet_ = true;
    }
    Files.EventLog(platform::FormatDateTime(BaseTime) + " ＲＩＮＧ（ＲＥＳＴＡＲＴ）");
}

void Capture::StopEventShow() {
    const MonitorSettings& s = e_.CommittedSettings;
    const DisplayEntry* last = Display.Last();
    std::string message;
    if (s.ErrStop != 0 && last && (last->parity || last->over || last->flam)) {
        message = "エラーストップ発生！！";
    } else if (s.Trig[0].Active != 0 && TrigUnitNumber > 0) {
        message = "トリガストップ発生！！";
    } else if (s.Trig[1].Active != 0 && Trigger.StartTrigDone == -1) {
        message = "トリガスタート発生！！";
    } else if (e_.StopByUser == -1) {
        return;
    } else {
        message = "モニタ終了しました";
    }
    e_.Monitor->Beep();
    e_.Monitor->NoticeShow(message, 64);
}

}  // namespace mon
