// The unit's maintenance lines, without any I/O: the memory read "mr"
// (address as 6 hex digits, length as 2, "00" for 256), the buzzer "z" with
// a tone and a duration digit, and the S-record download that "d" with a
// memory digit (0 F-ROM, 1 S-RAM) and three offset characters opens and
// "d9" with three execution-address characters closes. The download's one
// reply is "D" and the result: 0 written, 1 failed, 3 an S-record checksum
// error. Not thread-safe; the owner serialises calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace unitsim {

struct MaintenanceFaults {
    int downloadResult = -1;   // the download's result digit; -1 by the lines' checksums
    int memoryReplyBytes = -1;  // the memory reply stops after this many bytes; -1 all
};

class UnitMaintenance {
public:
    explicit UnitMaintenance(const MaintenanceFaults& faults) : faults_(faults) {}

    // Whether the line is one of these commands, or a download is open.
    bool Takes(const std::string& line) const;
    // The reply lines, each with CR LF.
    std::vector<std::string> Receive(const std::string& line);

    // The unit's memory: the same bytes on every run.
    static uint8_t MemoryByte(uint32_t address);

    bool Downloading() const { return downloading_; }
    // The last download's opening and closing lines, and the lines between.
    const std::string& DownloadOpened() const { return opened_; }
    const std::string& DownloadClosed() const { return closed_; }
    const std::vector<std::string>& DownloadLines() const { return lines_; }
    int DownloadsDone() const { return done_; }
    // The last buzzer line; empty before the first.
    const std::string& LastBuzzer() const { return buzzer_; }

private:
    std::vector<std::string> MemoryRead(const std::string& line) const;
    std::vector<std::string> DownloadLine(const std::string& line);
    char Result() const;

    MaintenanceFaults faults_;
    bool downloading_ = false;
    bool checksumBad_ = false;
    std::string opened_;
    std::string closed_;
    std::vector<std::string> lines_;
    int done_ = 0;
    std::string buzzer_;
};

// The S-record line's checksum holds: the bytes from the count on add up
// to 0xFF. False for a line that is no S-record line at all.
bool SRecordChecksumGood(const std::string& line);

}  // namespace unitsim
