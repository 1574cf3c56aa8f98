// The unit's end of a LAN link: a TCP port on the loopback address that
// serves the LAN packet format. One PC at a time is served; when it goes,
// the next may connect. What the unit sends goes out as data packets of at
// most 1,024 bytes; the PC's data packets come in as the line's bytes, and
// every packet the PC sent is kept for tests to look at.
//
// When a PC connects it gets the line status first (the modem lines as
// set), then a packet of a command it is to ignore.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "LanPackets.h"
#include "UnitLine.h"

namespace unitsim {

class LanServer : public UnitLine {
public:
    struct Options {
        int port = 0;  // 0: any free port
        lan::LineStatus status = lan::kLinesOn;
        // Every data packet follows a run of noise: a false header of a
        // length no packet can have, and the start of a marker.
        bool noise = false;
    };

    // Listens at once; throws std::system_error when the port cannot be had.
    explicit LanServer(const Options& options);
    ~LanServer() override;
    LanServer(const LanServer&) = delete;
    LanServer& operator=(const LanServer&) = delete;

    int Port() const { return port_; }

    // Accepts a waiting PC, else reads from the one connected. Reports
    // NoPeer while no PC is connected.
    Input Read(std::string& out, int waitMs) override;
    bool Write(std::string_view bytes) override;
    // Sends at most one data packet.
    long WriteSome(std::string_view bytes, int waitMs) override;
    bool WriteRaw(std::string_view bytes) override;
    void Close() override;

    // Sends a line-status packet now and to every PC that connects later.
    bool SendLineStatus(const lan::LineStatus& status);
    std::vector<LanPacket> Packets() const;
    bool WaitForPackets(std::size_t count, std::chrono::milliseconds timeout);

private:
    Input Accept(int waitMs);
    Input Receive(std::string& out, int waitMs);
    void DropPeer();
    std::string DataPacket(std::string_view bytes) const;
    bool SendLocked(std::string_view bytes);

    Options options_;
    int listener_ = -1;
    int port_ = 0;
    // Changed only by the reader and by Close, under sendLock_.
    std::atomic<int> client_{-1};
    std::mutex sendLock_;
    LanPacketReader reader_;  // reader thread only

    mutable std::mutex packetLock_;
    std::condition_variable packetAdded_;
    std::vector<LanPacket> packets_;
};

}  // namespace unitsim
