#include "ExtensionControl.h"

#include <utility>

namespace mon {

namespace {

constexpr char kCrLf[] = "\r\n";

}  // namespace

std::string DownloadResultText(const std::string& reply, int memory) {
    const bool rom = memory == kFlashRom;
    const char code = reply.size() >= 2 ? reply[1] : '\0';
    if (code == '0') return rom ? "Ｆ－ＲＯＭへの書込成功" : "Ｓ－ＲＡＭへの書込成功";
    if (code == '1') return rom ? "Ｆ－ＲＯＭへの書込失敗" : "Ｓ－ＲＡＭへの書込失敗";
    if (code == '3') return "Ｓフォーマットのチェックサムエラー";
    return {};
}

ExtensionControl::ExtensionControl(PortelloApi& api, LineIo& io, int16_t waitSend)
    : api_(api), io_(io), waitSend_(waitSend) {}

void ExtensionControl::AddressTake(const std::string& text) {
    if (const auto address = AddressEntry(text)) readAddress_ = *address;
}

bool ExtensionControl::LengthTake(const std::string& text) {
    const auto length = LengthEntry(text);
    if (!length) return false;
    readLength_ = *length;
    return true;
}

bool ExtensionControl::MemoryRead() {
    InputDrop();
    if (!SendNow(MemoryReadLine(readAddress_, readLength_))) return false;
    timerEnabled_ = true;
    return true;
}

bool ExtensionControl::Buzzer(int tone, int duration) { return SendNow(BuzzerLine(tone, duration)); }

bool ExtensionControl::Break(bool on) { return (on ? api_.SetBreak() : api_.ClearBreak()) != 0; }

bool ExtensionControl::SendNow(std::string line) {
    return api_.IsCommCTS() == 1 && io_.LineSend(line, waitSend_);
}

ExtensionControl::StartCheck ExtensionControl::DownloadStart(std::vector<std::string> lines, int memory,
                                                             const std::string& executionAddress,
                                                             const std::string& offset) {
    if (!SixHexDigits(executionAddress)) return StartCheck::ExecutionAddressBad;
    if (!SixHexDigits(offset)) return StartCheck::OffsetBad;
    reply_.clear();
    lines_ = std::move(lines);
    nextLine_ = 0;
    memory_ = memory;
    fileOpen_ = true;
    endLine_ = DownloadEndLine(executionAddress);
    pendingLine_ = DownloadStartLine(memory, offset);
    pendingRest_ = pendingLine_;
    startSent_ = false;
    downloading_ = true;
    timerEnabled_ = true;
    return StartCheck::Started;
}

void ExtensionControl::DownloadStop() {
    timerEnabled_ = false;
    downloading_ = false;
    fileOpen_ = false;
    lines_.clear();
    pendingLine_.clear();
    pendingRest_.clear();
}

ExtensionControl::Tick ExtensionControl::TimerTick(int page) {
    Tick tick;
    bool endsOnLf = false;
    TakeInput(&endsOnLf);
    if (downloading_ && !startSent_) {
        // The unit has not been told of the download yet: what came is a
        // late reply to an earlier command, not the download's result.
        reply_.clear();
        endsOnLf = false;
    }
    if (endsOnLf) {
        timerEnabled_ = false;
        if (page == kPageMemory) {
            tick.dump = DumpRows(reply_);
        } else if (page == kPageDownload && downloading_) {
            // A line while no download runs belongs to nothing and is let be.
            tick.downloadResult = DownloadResultText(reply_, memory_);
            DownloadStop();
        }
        return tick;
    }
    if (page != kPageDownload || pendingLine_.empty() || api_.IsCommCTS() != 1) return tick;
    // A paced send that failed part way goes on with the rest next time.
    if (!io_.LineSend(pendingRest_, waitSend_)) return tick;
    tick.sent = pendingLine_;
    startSent_ = true;
    PendingNext();
    return tick;
}

void ExtensionControl::InputDrop() {
    bool endsOnLf = false;
    TakeInput(&endsOnLf);
    reply_.clear();
}

void ExtensionControl::TakeInput(bool* endsOnLf) {
    api_.CommRecv();
    uint8_t byte = 0;
    bool any = false;
    while (api_.ReadMap(&byte) == 1) {
        reply_.push_back(static_cast<char>(byte));
        any = true;
        if (reply_.size() > kReplyLimit) reply_.erase(0, reply_.size() - kReplyLimit / 2);
    }
    *endsOnLf = any && byte == '\n';
}

void ExtensionControl::PendingNext() {
    if (!fileOpen_) {
        pendingLine_.clear();
    } else if (nextLine_ < lines_.size()) {
        pendingLine_ = lines_[nextLine_++] + kCrLf;
    } else {
        fileOpen_ = false;
        lines_.clear();
        pendingLine_ = endLine_;
    }
    pendingRest_ = pendingLine_;
}

}  // namespace mon
