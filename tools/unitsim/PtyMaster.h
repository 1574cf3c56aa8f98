// The master side of a pseudo-terminal: the unit's end of the cable. The
// PC opens the slave side as its serial port.
#pragma once

#include <string>
#include <string_view>

#include "UnitLine.h"

namespace unitsim {

// Read reports NoPeer while no PC has the slave open.
class PtyMaster : public UnitLine {
public:
    // Opens a master in raw mode; throws std::system_error when none can
    // be had.
    PtyMaster();
    ~PtyMaster() override;
    PtyMaster(const PtyMaster&) = delete;
    PtyMaster& operator=(const PtyMaster&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    bool IsOpen() const { return fd_ >= 0; }

    Input Read(std::string& out, int waitMs) override;
    bool Write(std::string_view bytes) override;
    long WriteSome(std::string_view bytes, int waitMs) override;
    void Close() override;

private:
    void Open();

    int fd_ = -1;
    std::string slavePath_;
};

}  // namespace unitsim
