// The LAN link through the library's exports, against the simulated unit
// serving the LAN packet format on a loopback TCP port.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "UnitSim.h"
#include "WireTexts.h"
#include "portello.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using unitsim::LanPacket;
using unitsim::UnitSim;
using Bytes = std::vector<uint8_t>;

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s) {
    const auto deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

Bytes WireOf(const LanPacket& packet) { return Bytes(packet.wire.begin(), packet.wire.end()); }

int32_t Send(std::string bytes) {
    return AP_Send(reinterpret_cast<uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size()));
}

class LanLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        AP_SocketClose();
        AP_CloseMap();
        ASSERT_EQ(AP_CreateMap(), 1);
        AP_SetModel(1);
        AP_SetActive(2);
    }
    void TearDown() override {
        AP_SocketClose();
        AP_CloseMap();
        AP_SetActive(1);
    }

    static std::unique_ptr<UnitSim> Unit(int model = 1, bool noise = false) {
        unitsim::UnitOptions options;
        options.model = model;
        options.lanPort = 0;
        options.lanNoise = noise;
        return std::make_unique<UnitSim>(options);
    }

    static bool Connect(UnitSim& unit, const char* address = "127.0.0.1") {
        return AP_SocketCreate() == 1 && AP_SocketConnect(address, static_cast<uint32_t>(unit.LanPort())) == 0 &&
               WaitFor([] { return AP_IsConnect() == 1; });
    }

    // What the ring gives until want bytes came or the wait ran out.
    static std::string Drain(size_t want, std::chrono::milliseconds timeout = 5s) {
        std::string got;
        const auto deadline = Clock::now() + timeout;
        while (got.size() < want && Clock::now() < deadline) {
            uint8_t b = 0;
            bool any = false;
            while (got.size() < want && AP_ReadMap(&b) == 1) {
                got.push_back(static_cast<char>(b));
                any = true;
            }
            if (!any) std::this_thread::sleep_for(1ms);
        }
        return got;
    }

    static std::string Pattern(size_t size) {
        std::string bytes(size, '\0');
        uint32_t x = 12345;
        for (char& c : bytes) {
            x = x * 1103515245u + 12345u;
            c = static_cast<char>(x >> 24);
        }
        return bytes;
    }
};

TEST_F(LanLinkTest, TheLineSetUpGoesOutFirstWithTheModelsBaud) {
    const Bytes model1 = {0, 0, 1, 0, 3, 0, 8, 0, 0x00, 0xC2, 0x01, 0x00, 8, 'N', 1, 1};
    const Bytes model2 = {0, 0, 1, 0, 3, 0, 8, 0, 0x00, 0x60, 0x09, 0x00, 8, 'N', 1, 1};
    for (const int model : {1, 2}) {
        AP_SetModel(static_cast<int16_t>(model));
        auto unit = Unit(model);
        ASSERT_TRUE(Connect(*unit));
        // A send right after the connect lands behind the set-up.
        EXPECT_EQ(Send("v\r\n"), 11);
        ASSERT_TRUE(unit->WaitForLanPackets(2));
        const auto packets = unit->LanPackets();
        EXPECT_EQ(WireOf(packets[0]), model == 1 ? model1 : model2);
        EXPECT_EQ(packets[1].command, 5);
        AP_SocketClose();
        EXPECT_EQ(AP_IsConnect(), 0);
    }
}

TEST_F(LanLinkTest, DtrGoesOutAsOneFourteenBytePacket) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    EXPECT_EQ(AP_SetDTR(0), 14);
    EXPECT_EQ(AP_SetDTR(1), 14);
    ASSERT_TRUE(unit->WaitForLanPackets(3));
    const auto packets = unit->LanPackets();
    EXPECT_EQ(WireOf(packets[1]), (Bytes{0, 0, 1, 0, 4, 0, 6, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(WireOf(packets[2]), (Bytes{0, 0, 1, 0, 4, 0, 6, 0, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(LanLinkTest, ASendIsCutIntoPacketsOfAtMost1024Bytes) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    const std::string data = Pattern(2500);
    EXPECT_EQ(Send(data), 452 + 8);
    EXPECT_EQ(Send(""), 8);
    ASSERT_TRUE(unit->WaitForLanPackets(5));
    const auto packets = unit->LanPackets();
    ASSERT_EQ(packets.size(), 5u);
    std::string joined;
    const size_t sizes[] = {1024, 1024, 452};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(packets[1 + i].command, 5);
        EXPECT_EQ(packets[1 + i].payload.size(), sizes[i]);
        EXPECT_EQ(packets[1 + i].wire.size(), sizes[i] + 8);
        joined += packets[1 + i].payload;
    }
    EXPECT_EQ(joined, data);
    EXPECT_EQ(packets[4].command, 5);
    EXPECT_TRUE(packets[4].payload.empty());
}

TEST_F(LanLinkTest, TheUnitsAnswerArrivesInTheRingByName) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit, "localhost"));
    ASSERT_NE(Send("v\r\n"), 0);
    const std::string banner = unitsim::LocalBanner(1, true);
    EXPECT_EQ(Drain(banner.size()), banner);
    EXPECT_EQ(unit->ReceivedLines(), std::vector<std::string>{"v"});
}

TEST_F(LanLinkTest, LineStatusGivesDsrAndCts) {
    auto unit = Unit();
    EXPECT_EQ(AP_IsCommDSR(), 0) << "no socket yet";
    ASSERT_TRUE(Connect(*unit));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommCTS() == 1 && AP_IsCommDSR() == 1; }));
    ASSERT_TRUE(unit->SendLineStatus({0, 0, 1, 0, 0, 0}));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommCTS() == 0; }));
    EXPECT_EQ(AP_IsCommDSR(), 1);
    // The serial side answers for kind 1, and no port is open there.
    AP_SetActive(1);
    EXPECT_EQ(AP_IsCommDSR(), 0);
    AP_SetActive(2);
    EXPECT_EQ(AP_IsCommDSR(), 1);
}

TEST_F(LanLinkTest, APeerCloseEndsTheConnection) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommDSR() == 1; }));
    unit->HangUp();
    ASSERT_TRUE(WaitFor([] { return AP_IsConnect() == 0; }));
    EXPECT_EQ(AP_IsCommDSR(), 0);
    EXPECT_EQ(AP_IsCommCTS(), 0);
    EXPECT_EQ(Send("v\r\n"), 0);
    EXPECT_EQ(AP_SetDTR(1), 0);
    // A new socket reaches a new unit.
    AP_SocketClose();
    auto next = Unit();
    ASSERT_TRUE(Connect(*next));
    EXPECT_NE(Send("v\r\n"), 0);
    EXPECT_TRUE(next->WaitForLines(1));
}

TEST_F(LanLinkTest, GarbageIsSkippedAndTheStreamResynchronised) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommCTS() == 1; }));
    // Noise, a header of length 0x2000, and the start of a marker that
    // runs into the real packet's.
    const std::string garbage("\x01\x02\x00\x01\x00\x00\x00\x01\x00\x07\x00\x00\x20\x00\x00\x01", 16);
    ASSERT_TRUE(unit->SendRaw(garbage));
    ASSERT_TRUE(unit->SendBytes("hello\r\n"));
    EXPECT_EQ(Drain(7), "hello\r\n");
    uint8_t b = 0;
    EXPECT_EQ(AP_ReadMap(&b), 0) << "nothing of the noise reached the ring";

    // A unit that puts noise before every packet is understood all the same.
    AP_SocketClose();
    auto noisy = Unit(2, true);
    ASSERT_TRUE(Connect(*noisy));
    ASSERT_NE(Send("v\r\n"), 0);
    const std::string banner = unitsim::LocalBanner(2, true);
    EXPECT_EQ(Drain(banner.size() + 1, 500ms), banner);
}

TEST_F(LanLinkTest, AMegabyteReachesTheRingWithNoByteLost) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    const int32_t lostBefore = AP_SocketLost();
    const std::string data = Pattern(1 << 20);
    bool sent = false;
    std::thread sender([&] { sent = unit->SendBytes(data); });
    const std::string got = Drain(data.size(), 60s);
    sender.join();
    EXPECT_TRUE(sent);
    ASSERT_EQ(got.size(), data.size());
    EXPECT_TRUE(got == data) << "bytes differ";
    EXPECT_EQ(AP_SocketLost(), lostBefore);
}

// While the ring is nearly full the link reads nothing: the unit's bytes
// wait in the connection and come in order once the ring has room.
TEST_F(LanLinkTest, ANearlyFullRingHoldsTheUnitBack) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommCTS() == 1; }));
    std::string filler(65535 - 2000, 'f');
    ASSERT_EQ(AP_WriteMap(reinterpret_cast<uint8_t*>(filler.data()), static_cast<int32_t>(filler.size())), 1);
    const int32_t lostBefore = AP_SocketLost();
    const std::string data = Pattern(5000);
    ASSERT_TRUE(unit->SendBytes(data));
    std::this_thread::sleep_for(100ms);
    AP_SocketRcvChk();
    EXPECT_EQ(Drain(filler.size()), filler);
    EXPECT_EQ(Drain(data.size()), data);
    EXPECT_EQ(AP_SocketLost(), lostBefore);
}

// The link checks for room before it reads; a caller that fills the ring
// behind its back makes the ring refuse a packet, which is counted.
TEST_F(LanLinkTest, PayloadTheRingRefusesIsCounted) {
    auto unit = Unit();
    ASSERT_TRUE(Connect(*unit));
    ASSERT_TRUE(WaitFor([] { return AP_IsCommCTS() == 1; }));
    std::this_thread::sleep_for(50ms);  // the reader waits for the next packet
    std::string filler(65535, 'f');
    ASSERT_EQ(AP_WriteMap(reinterpret_cast<uint8_t*>(filler.data()), static_cast<int32_t>(filler.size())), 1);
    const int32_t lostBefore = AP_SocketLost();
    ASSERT_TRUE(unit->SendBytes(std::string(100, 'x')));
    EXPECT_TRUE(WaitFor([&] { return AP_SocketLost() == lostBefore + 100; }));
    EXPECT_EQ(Drain(filler.size()), filler);
    ASSERT_TRUE(unit->SendBytes("next"));
    EXPECT_EQ(Drain(4), "next");
}

TEST_F(LanLinkTest, EveryFailureReturnsZeroAndAConnectThatCannotStartMinusOne) {
    EXPECT_EQ(AP_SocketConnect("127.0.0.1", 7000), -1) << "no socket";
    EXPECT_EQ(Send("v"), 0);
    EXPECT_EQ(AP_SetDTR(1), 0);
    EXPECT_EQ(AP_IsConnect(), 0);
    AP_SocketRcvChk();

    ASSERT_EQ(AP_SocketCreate(), 1);
    EXPECT_EQ(AP_SocketCreate(), 0) << "one socket at a time";
    EXPECT_EQ(AP_SocketConnect(nullptr, 7000), -1);
    EXPECT_EQ(AP_SocketConnect("", 7000), -1);
    EXPECT_EQ(AP_SocketConnect("127.0.0.1", 0), -1);
    EXPECT_EQ(AP_SocketConnect("127.0.0.1", 70000), -1);

    // A port nobody listens on: the connect result is that of a connect
    // under way, which then fails.
    uint32_t deadPort = 0;
    {
        auto gone = Unit();
        deadPort = static_cast<uint32_t>(gone->LanPort());
    }
    EXPECT_EQ(AP_SocketConnect("127.0.0.1", deadPort), 0);
    // A socket connects once: a unit that listens is not reached by a
    // second connect on it.
    auto unit = Unit();
    EXPECT_EQ(AP_SocketConnect("127.0.0.1", static_cast<uint32_t>(unit->LanPort())), -1);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(AP_IsConnect(), 0);
    EXPECT_EQ(unit->LanPackets().size(), 0u);
    EXPECT_EQ(Send("v"), 0);
    AP_SocketClose();
    AP_SocketClose();
}

}  // namespace
