#include "ConnectSequence.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <cstdlib>

#include "Engine.h"
#include "IniFile.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

bool Contains(const std::string& cp932, const std::string& text) {
    return platform::Cp932ToUtf8(cp932).find(text) != std::string::npos;
}

// "yyyymmddhhnnss" of a date value.
std::string ClockDigits(double date) {
    const platform::DateParts p = platform::SplitDate(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return text;
}

std::optional<double> DigitsDate(const std::string& d, int year) {
    for (char c : d) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    auto num = [&d](size_t at) { return std::atoi(d.substr(at, 2).c_str()); };
    return platform::MakeDate({year, num(0), num(2), num(4), num(6), num(8)});
}

constexpr int64_t kFarApart = 1'000'000'000;

}  // namespace

int64_t ClockDifferenceSeconds(const std::string& sentClock, const std::string& reply) {
    if (sentClock.size() != 14 || reply.size() < 14) return kFarApart;
    const int pcYear = std::atoi(sentClock.substr(0, 4).c_str());
    const auto pc = DigitsDate(sentClock.substr(4), pcYear);
    const std::string unitDigits = platform::Cp932ToUtf8(reply.substr(2, 12));
    if (!pc || unitDigits.size() != 12) return kFarApart;
    // The unit keeps a two-digit year: take the century that brings it
    // nearest the PC's year.
    const int yy = std::atoi(unitDigits.substr(0, 2).c_str());
    int year = pcYear / 100 * 100 + yy;
    if (year - pcYear > 50) year -= 100;
    if (pcYear - year > 50) year += 100;
    const auto unit = DigitsDate(unitDigits.substr(2), year);
    if (!unit || unitDigits.substr(0, 2).find_first_not_of("0123456789") != std::string::npos) {
        return kFarApart;
    }
    return std::llround((*unit - *pc) * 86400.0);
}

bool ConnectSequence::Model1() const { return e_.Pc.ModelNumber == 1; }
std::string ConnectSequence::ModelName() const { return Model1() ? "KY-N4" : "KY-N5"; }
std::string ConnectSequence::RemoteMark() const { return Model1() ? "N4 Remote" : "N5 Remote"; }
std::string ConnectSequence::FirmwarePath() const { return e_.ProgramDir + "/kypcn4x._ky"; }

void ConnectSequence::Arm() { e_.Io.StepTimerStart(kStepWaitMs); }
bool ConnectSequence::TimeUp() { return e_.Io.StepTimeUp() == -1; }
bool ConnectSequence::Cts() { return e_.Api.IsCommCTS() == 1; }

bool ConnectSequence::SendWhenCts(std::string text, bool& sent) {
    if (!Cts()) return false;
    sent = e_.Io.LineSend(text, e_.Pc.WaitSend);
    return true;
}

void ConnectSequence::Fail(int16_t error) {
    ConnectError = error;
    ConnectEnd();
}

void ConnectSequence::ConnectStart() {
    ConnectStep = Model1() ? 5 : 1;
    lastStep_ = 0;
    ConnectError = kConnectOk;
    DownloadSubState = 1;
    e_.LampState = kLampGrey;
    e_.MessageShow(Model1() ? "ＫＹ－Ｎ４接続中" : "ＫＹ－Ｎ５接続中", 1);
    e_.Io.RecvClear();
    e_.StatusTextSet("");
    e_.ConnectLampSet();
}

bool ConnectSequence::StepOverdue() {
    const int64_t now = e_.Clock.NowMs();
    if (ConnectStep != lastStep_) {
        lastStep_ = ConnectStep;
        stepSince_ = now;
        return false;
    }
    if (now - stepSince_ <= kStepLimitMs) return false;
    switch (ConnectStep) {
        case 8: case 12: case 14: Fail(kConnectUnexpectedReply); break;  // no reply
        case 11: Fail(kConnectFirmwareFailed); break;
        default: Fail(kConnectSendFailed); break;  // no DSR or CTS to send with
    }
    return true;
}

void ConnectSequence::ConnectStepRun() {
    if (StepOverdue()) return;
    switch (ConnectStep) {
        case 1: StepOpenPort(); break;
        case 2: StepDtrOff(); break;
        case 3: StepDtrOn(); break;
        case 4: StepDsr(); break;
        case 5: StepCts(); break;
        case 6: StepSettle(); break;
        case 7: StepVersionQuery(); break;
        case 8: StepBanner(); break;
        case 9: StepRemoteRequest(); break;
        case 10: StepBeforeDownload(); break;
        case 11: StepFirmware(); break;
        case 12: StepRemoteWait(); break;
        case 13: StepClockSet(); break;
        case 14: StepClockCheck(); break;
        default: break;
    }
}

void ConnectSequence::StepOpenPort() {
    e_.Api.CommClose();
    const std::string name = "\\\\.\\" + PortParamName(e_.Pc);
    e_.Api.CommInitialize(name.c_str(), PcBaudRate(e_.Pc.PcBaudIndex));
    Arm();
    ConnectStep = 2;
}

void ConnectSequence::StepDtrOff() {
    if (!TimeUp()) return;
    e_.Api.SetDTR(0);
    Arm();
    ConnectStep = 3;
}

void ConnectSequence::StepDtrOn() {
    if (!TimeUp()) return;
    e_.Api.SetDTR(1);
    ConnectStep = 4;
}

void ConnectSequence::StepDsr() {
    if (e_.Api.IsCommDSR() == 1) ConnectStep = 5;
}

void ConnectSequence::StepCts() {
    if (!Cts()) return;
    Arm();
    ConnectStep = 6;
}

void ConnectSequence::StepSettle() {
    if (TimeUp()) ConnectStep = 7;
}

void ConnectSequence::StepVersionQuery() {
    bool sent = false;
    if (!SendWhenCts(Model1() ? "v\r\n" : "\r\nv\r\n", sent)) return;
    if (!sent) return Fail(kConnectSendFailed);
    ConnectStep = 8;
}

void ConnectSequence::StepBanner() {
    std::string banner;
    std::string& last = e_.Io.LastLine;
    if (Model1()) {
        std::string& pending = e_.Io.PendingText;
        if (last.empty()) {
            if (pending.size() < kModel1BannerLength) return;
            banner = pending.substr(0, kModel1BannerLength);
            pending.erase(0, kModel1BannerLength);
            e_.Api.WaitTimeUp(10);
        } else if (last.size() < kModel1BannerLength) {
            last.clear();
            return;
        } else {
            banner = last;
        }
    } else {
        if (last.empty()) return;
        banner = last;
    }
    if (Contains(banner, RemoteMark())) {
        ConnectStep = 13;
    } else if (Contains(banner, ModelName())) {
        ConnectStep = 9;
    } else {
        Fail(kConnectUnexpectedReply);
    }
}

void ConnectSequence::StepRemoteRequest() {
    bool sent = false;
    if (!SendWhenCts("Korv\r\n" + ModelName() + "\r\n", sent)) return;
    if (!sent) return Fail(kConnectSendFailed);
    Arm();
    ConnectStep = Model1() ? 10 : 12;
}

void ConnectSequence::StepBeforeDownload() {
    if (!TimeUp()) return;
    DownloadSubState = 1;
    ConnectStep = 11;
}

void ConnectSequence::StepFirmware() {
    std::string& last = e_.Io.LastLine;
    if (!last.empty()) {
        const bool loadingError = Contains(last, "*** LOADING_ERR !!!***");
        last.clear();
        if (loadingError) return Fail(kConnectFirmwareFailed);
    }
    if (DownloadSubState == 1) {
        firm_.open(FirmwarePath(), std::ios::binary);
        if (!firm_.is_open()) return Fail(kConnectFirmwareFailed);
        DownloadSubState = 2;
        firmLine_.clear();
        e_.MessageShow("ＫＹ－Ｎ４ダウンロード中", 1);
    } else if (DownloadSubState == 2) {
        if (firmLine_.empty() && firm_.peek() == std::char_traits<char>::eof()) {
            DownloadSubState = 3;
            return;
        }
        if (firmLine_.empty()) {
            std::getline(firm_, firmLine_);
            if (!firmLine_.empty() && firmLine_.back() == '\r') firmLine_.pop_back();
            firmLine_ += "\r\n";
        }
        if (!Cts()) return;
        std::string text = firmLine_;
        if (e_.Io.LineSend(text, e_.Pc.WaitSend)) {
            firmLine_.clear();
        } else if (e_.Pc.WaitSend == 1) {
            firmLine_ = text;  // only the rest that was not sent
        }
    } else {
        FirmFileClose();
        Arm();
        ConnectStep = 12;
    }
}

void ConnectSequence::StepRemoteWait() {
    if (TimeUp()) {
        bool sent = false;
        SendWhenCts("v\r\n", sent);
        Arm();
    }
    std::string& last = e_.Io.LastLine;
    if (last.empty()) return;
    e_.Io.StepTimerStop();
    if (Contains(last, RemoteMark())) {
        ConnectStep = 13;
    } else {
        Fail(kConnectUnexpectedReply);
    }
}

void ConnectSequence::StepClockSet() {
    if (!Cts()) return;
    e_.Io.RecvClear();
    SentClock = ClockDigits(e_.Clock.NowDate());
    std::string command = "t" + SentClock.substr(2) + "\r\nr\r\n";
    e_.Io.LineSend(command, e_.Pc.WaitSend);
    ConnectStep = 14;
}

void ConnectSequence::StepClockCheck() {
    const std::string& last = e_.Io.LastLine;
    if (last.size() <= 2) return;
    const int64_t diff = ClockDifferenceSeconds(SentClock, last);
    ConnectError = diff >= -1 && diff <= 1 ? kConnectOk : kConnectClockDiffers;
    e_.DsrState = e_.Api.IsCommDSR() == 1 ? 1 : 0;
    ConnectEnd();
}

void ConnectSequence::ConnectEnd() {
    e_.LampState = ConnectError == kConnectOk ? kLampGreen : kLampRed;
    FirmFileClose();
    e_.Io.StepTimerStop();
    e_.ConnectLampSet();
    e_.EngineState = kStateIdle;
    if (ConnectError != kConnectOk) {
        e_.MessageShow((Model1() ? "ＫＹ－Ｎ４との接続に失敗しました("
                                 : "ＫＹ－Ｎ５との接続に失敗しました(") +
                           std::to_string(ConnectError) + ")",
                       0);
        return;
    }
    e_.WorkingSettings = e_.CommittedSettings;
    e_.EngineState = kStateParamDownload;
    e_.ParamSetStart();
}

void ConnectSequence::FirmFileClose() {
    if (firm_.is_open()) firm_.close();
    firm_.clear();
}

}  // namespace mon
