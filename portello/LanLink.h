// The LAN side of the link: the unit's line carried in packets over TCP.
// With a link kind other than serial, sends, DTR and the modem lines come
// here. The socket has exports of its own; until it is created and
// connected, sends and DTR changes fail and CTS and DSR read 0.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "LanConnection.h"
#include "SerialPort.h"

namespace portello {

class LanLink : public SerialPort {
public:
    // Closes the socket and waits for every reader thread, the ones still
    // inside a name look-up included.
    ~LanLink() override;

    // 1 when a socket was created; 0 when one exists already or none can
    // be had.
    int32_t LanCreate();
    // Starts connecting to the dotted address or host name (nothing with
    // no socket, a connection started before, or a bad address or port).
    // Returns the socket's connect result: 0, the connect being under way
    // or not started. Whether it came about, IsConnect tells.
    int32_t LanConnect(const char* address, uint32_t port);
    void LanClose();
    // Lets a receive held back for lack of ring room go ahead at once.
    void LanRcvChk();
    // 1 from the line set-up until the connection ends, else 0.
    int32_t IsConnect();

    int32_t LinkSend(const uint8_t* data, int32_t len);
    int32_t LinkSetDtr(int32_t on);
    int32_t LinkIsCts();
    int32_t LinkIsDsr();

    void SetLineSetupBaud(uint32_t baud) { lineSetupBaud_ = baud; }
    uint32_t LineSetupBaud() const { return lineSetupBaud_; }
    // Payload bytes from the unit the ring refused since the library loaded.
    uint64_t LostBytes() const { return lostBytes_; }

private:
    std::shared_ptr<LanConnection> Current();
    void ReapLocked();

    std::atomic<uint32_t> lineSetupBaud_{0};
    std::atomic<uint64_t> lostBytes_{0};
    std::mutex lanLock_;  // the two members below
    std::shared_ptr<LanConnection> connection_;
    // Closed connections whose reader was still in a name look-up.
    std::vector<std::shared_ptr<LanConnection>> retired_;
};

}  // namespace portello
