// The LAN side of the link. No socket exists yet, so the link behaves as
// one that is not connected: sends and DTR changes fail, CTS and DSR read 0.
#pragma once

#include <array>
#include <cstdint>

#include "SerialPort.h"

namespace portello {

class LanLink : public SerialPort {
public:
    ~LanLink() override = default;

    int32_t LinkSend(const uint8_t* data, int32_t len);
    int32_t LinkSetDtr(int32_t on);
    int32_t LinkIsCts() const { return lineStatus_[3] == 1 ? 1 : 0; }
    int32_t LinkIsDsr() const { return lineStatus_[2] == 1 ? 1 : 0; }

    void SetLineSetupBaud(uint32_t baud) { lineSetupBaud_ = baud; }
    uint32_t LineSetupBaud() const { return lineSetupBaud_; }

private:
    uint32_t lineSetupBaud_ = 0;
    std::array<uint8_t, 6> lineStatus_{};
    bool connected_ = false;
};

}  // namespace portello
