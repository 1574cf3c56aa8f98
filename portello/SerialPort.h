// One PC serial port: open, line state, input into the ring, output,
// modem lines and break.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "ReceiveRing.h"

namespace portello {

class SerialPort : public ReceiveRing {
public:
    // Error mask bits reported by PortToRing when nothing is queued.
    static constexpr int32_t kErrRxOver = 0x01;
    static constexpr int32_t kErrOverrun = 0x02;
    static constexpr int32_t kErrParity = 0x04;
    static constexpr int32_t kErrFrame = 0x08;
    static constexpr int32_t kErrBreak = 0x10;

    ~SerialPort() override;

    int32_t PortInitialize(const char* portName, uint32_t baud);
    int32_t PortSetState(uint32_t baud);
    int32_t PortClose();
    int32_t PortToRing();
    int32_t PortWrite(const uint8_t* data, int32_t count);
    int32_t PortIsCts();
    int32_t PortIsDsr();
    int32_t PortSetDtr(int32_t on);
    int32_t PortSetBreak();
    int32_t PortClearBreak();

private:
    static constexpr int kOpenAttempts = 10;
    static constexpr int kBusyRetryMs = 500;
    static constexpr int kWriteTimeoutMs = 1000;
    static constexpr int kTransferSize = 4096;

    int32_t PortOpen(const std::string& path);
    int32_t PortRead(uint8_t* buffer, int32_t n);
    // The port's error mask since the last call, and the bytes queued.
    int32_t ClearCommError(int32_t* queued);
    int32_t ModemLine(int flag);
    int32_t SetModemBit(int flag, bool on);
    int32_t BreakControl(unsigned long request);
    bool PeerOpen() const;

    int fd_ = -1;
    // A pseudo-terminal has no modem lines: its CTS and DSR follow whether
    // the other end is open, and DTR and break do nothing.
    bool pseudo_ = false;
    struct ErrorCounts {
        int frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
    } counts_;
    bool haveCounts_ = false;
    std::mutex serialLock_;
};

}  // namespace portello
