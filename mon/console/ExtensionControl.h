// What the maintenance window does with the unit, without its widgets: the
// memory read, the buzzer, break, and the S-record download, with the 10 ms
// tick that reads the unit's replies and paces the download's lines.
//
// The main loop does not run while the window is open, so this is the only
// reader of the unit. Lines go out only while CTS is on. Bytes that arrive
// collect in the reply buffer until a tick ends on LF: that ends the reply
// on the memory page (the dump) or, while a download runs, on the download
// page (its result).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ExtensionCommands.h"
#include "LineIo.h"
#include "MemoryDump.h"
#include "PortelloApi.h"

namespace mon {

enum ExtensionPage : int { kPageMemory = 0, kPageBuzzer = 1, kPageBreak = 2, kPageDownload = 3 };

// The message for the unit's download reply: its second character is the
// result, 0 written, 1 failed, 3 checksum error. Any other character gives
// an empty text.
std::string DownloadResultText(const std::string& reply, int memory);

class ExtensionControl {
public:
    // Bytes kept of a reply; noise without a line end cannot grow it beyond.
    static constexpr size_t kReplyLimit = 4096;

    ExtensionControl(PortelloApi& api, LineIo& io, int16_t waitSend);

    // --- memory read ---------------------------------------------------------
    // The address box: a valid one becomes the read address; the box is to
    // show ReadAddressText() afterwards either way.
    void AddressTake(const std::string& text);
    // The length box: two hex digits become the read length, else false and
    // the length stays.
    bool LengthTake(const std::string& text);
    std::string ReadAddressText() const { return HexDigits(readAddress_, 6); }
    std::string ReadLengthText() const { return HexDigits(static_cast<uint32_t>(readLength_), 2); }
    uint32_t ReadAddress() const { return readAddress_; }
    int16_t ReadLength() const { return readLength_; }
    // Drops what the unit sent before (a late reply to an earlier command is
    // no reply to this one), empties the reply and sends the read; false,
    // with nothing sent, while CTS is off or the send fails.
    bool MemoryRead();

    // --- buzzer and break ----------------------------------------------------
    bool Buzzer(int tone, int duration);
    bool Break(bool on);

    // --- download ------------------------------------------------------------
    enum class StartCheck { Started, ExecutionAddressBad, OffsetBad };
    // lines: every line of the file, as it stands. What the unit
    // sends before the download-start line has gone out whole is dropped,
    // never taken for the download's result.
    StartCheck DownloadStart(std::vector<std::string> lines, int memory,
                             const std::string& executionAddress, const std::string& offset);
    // Nothing goes to the unit.
    void DownloadStop();
    bool Downloading() const { return downloading_; }

    // --- the tick ------------------------------------------------------------
    struct Tick {
        std::optional<std::vector<DumpRow>> dump;   // a memory reply ended
        std::optional<std::string> downloadResult;  // a download reply ended the download
        std::optional<std::string> sent;            // a download line went out, CR LF included
    };
    Tick TimerTick(int page);
    bool TimerEnabled() const { return timerEnabled_; }
    const std::string& Reply() const { return reply_; }

private:
    bool SendNow(std::string line);
    void InputDrop();
    void TakeInput(bool* endsOnLf);
    void PendingNext();

    PortelloApi& api_;
    LineIo& io_;
    int16_t waitSend_;
    uint32_t readAddress_ = 0;
    int16_t readLength_ = 0;
    std::string reply_;
    bool timerEnabled_ = true;  // runs from the window's opening

    bool downloading_ = false;
    int memory_ = kFlashRom;
    std::vector<std::string> lines_;
    size_t nextLine_ = 0;
    bool fileOpen_ = false;
    std::string endLine_;
    std::string pendingLine_;  // the line to go out, whole
    std::string pendingRest_;  // what of it is still to send
    bool startSent_ = false;   // the download-start line has gone out whole
};

}  // namespace mon
