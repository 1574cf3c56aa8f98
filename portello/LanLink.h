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

    // No socket exists, so nothing can be sent.
    int32_t LinkSend(const uint8_t* /*data*/, int32_t /*len*/) { return 0; }
    int32_t LinkSetDtr(int32_t /*on*/) { return 0; }
    int32_t LinkIsCts() const { return lineStatus_[3] == 1 ? 1 : 0; }
    int32_t LinkIsDsr() const { return lineStatus_[2] == 1 ? 1 : 0; }

    void SetLineSetupBaud(uint32_t baud) { lineSetupBaud_ = baud; }
    uint32_t LineSetupBaud() const { return lineSetupBaud_; }

private:
    uint32_t lineSetupBaud_ = 0;
    std::array<uint8_t, 6> lineStatus_{};  // as the unit last reported them
};

}  // namespace portello
