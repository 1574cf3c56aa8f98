// One TCP connection of the LAN link, from its socket to its end, with the
// reader thread that owns the packet parser.
//
// The reader looks the unit's name up, connects, sends the line set-up and
// only then counts as connected. It then cuts what arrives into packets:
// line status is kept for the modem-line calls, data goes into the receive
// ring under the ring's lock. While the ring has 2,048 free bytes or fewer
// it reads nothing, so the bytes wait in the socket and the unit is held
// back by TCP. A packet the ring refuses all the same (a caller filled it
// in the meantime) is counted in the lost bytes. When the unit closes the
// connection the link is no longer connected and its modem lines read off.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "LanFrame.h"
#include "ReceiveRing.h"

namespace portello {

class LanConnection {
public:
    // Nothing is created until Open.
    LanConnection(ReceiveRing& ring, std::atomic<uint64_t>& lostBytes);
    // Stops the reader, waits for it and closes the socket.
    ~LanConnection();
    LanConnection(const LanConnection&) = delete;
    LanConnection& operator=(const LanConnection&) = delete;

    // Creates the stream socket; false when the system gives none.
    bool Open();
    // Starts the reader towards host and port; false when a connection was
    // started before or the thread cannot be had.
    bool Start(const std::string& host, uint16_t port, uint32_t lineSetupBaud);
    // Asks the reader to end and cuts the connection. No byte reaches the
    // ring after it returns.
    void Stop();
    // True while the reader may still be inside the name look-up, which
    // cannot be cut short; waiting for it could take the resolver's time.
    bool MayBeResolving() const { return resolving_; }
    bool Finished() const { return finished_; }
    void Join();

    bool Connected() const { return connected_; }
    // Line-status byte i as the unit last reported it; 0 while not connected.
    uint8_t Status(size_t i) const;
    // Sends the data as DataOut packets of at most 1,024 bytes. The byte
    // count of the last packet, 0 on any failure.
    int32_t SendData(const uint8_t* data, int32_t len);
    // The byte count of the packet, 0 on failure.
    int32_t SendDtr(int32_t on);
    // Lets a reader that holds back for lack of ring room look again.
    void RetryReceive();

private:
    void Run(std::string host, uint16_t port, uint32_t baud);
    bool ConnectTo(const std::string& host, uint16_t port);
    bool AwaitConnect();
    void ReadLoop();
    // False when the reader is to end.
    bool WaitForRoom();
    void TakeFrame(uint16_t command, const uint8_t* payload, size_t length);
    // Whole packets only: a packet that went out in part breaks the stream,
    // and the connection is then cut.
    bool SendFrameLocked(const lan::Bytes& frame);
    bool SendAllLocked(const uint8_t* data, size_t size);
    void Wake();
    bool StopAsked();
    void ClearStatus();

    ReceiveRing& ring_;
    std::atomic<uint64_t>& lostBytes_;
    int fd_ = -1;
    int wakeFd_ = -1;
    std::thread reader_;
    LanFrameParser parser_;  // reader thread only

    mutable std::mutex feedLock_;  // the stop flag, the line status, each ring write
    bool stop_ = false;
    std::array<uint8_t, lan::kLineStatusSize> status_{};

    std::mutex sendLock_;
    std::atomic<bool> started_{false};
    std::atomic<bool> resolving_{false};
    std::atomic<bool> connected_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> receivePending_{false};
};

}  // namespace portello
