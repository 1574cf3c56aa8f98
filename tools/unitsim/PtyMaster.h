// The master side of a pseudo-terminal: the unit's end of the cable. The
// PC opens the slave side as its serial port.
#pragma once

#include <string>
#include <string_view>

namespace unitsim {

class PtyMaster {
public:
    enum class Input {
        Data,    // bytes were read
        Idle,    // nothing arrived within the wait
        NoPeer,  // no PC has the slave open at present
        Closed,  // the master is closed or failed
    };

    // Opens a master in raw mode; throws std::system_error when none can
    // be had.
    PtyMaster();
    ~PtyMaster();
    PtyMaster(const PtyMaster&) = delete;
    PtyMaster& operator=(const PtyMaster&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    bool IsOpen() const { return fd_ >= 0; }

    // Waits up to waitMs for input and appends what came to out.
    Input Read(std::string& out, int waitMs);
    // Writes all bytes; false when they could not all go out in time.
    bool Write(std::string_view bytes);
    // Writes what the terminal takes within waitMs: the count written, 0
    // when nothing went, -1 when the master is closed or failed.
    long WriteSome(std::string_view bytes, int waitMs);
    // Closing the master is a hang-up for the PC.
    void Close();

private:
    void Open();

    int fd_ = -1;
    std::string slavePath_;
};

}  // namespace unitsim
