#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "PseudoTerminal.h"
#include "portello.h"

namespace {

using Clock = std::chrono::steady_clock;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(far_.ok());
        AP_CommClose();
        AP_CloseMap();
        ASSERT_EQ(AP_CreateMap(), 1);
        AP_SetActive(1);
    }
    void TearDown() override {
        AP_CommClose();
        AP_CloseMap();
    }

    // Moves what the port has into the ring until want bytes came out.
    static std::vector<uint8_t> ReceiveAll(size_t want) {
        std::vector<uint8_t> got;
        // Far above any normal wait: only a fault reaches it.
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (got.size() < want && Clock::now() < deadline) {
            AP_CommRecv();
            uint8_t b = 0;
            while (AP_ReadMap(&b) == 1) got.push_back(b);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return got;
    }

    PseudoTerminal far_;
};

TEST_F(SerialPortTest, ComNamesMapToTheDeviceInTheEnvironment) {
    ::setenv("PORTELLO_COM7", far_.slavePath().c_str(), 1);
    EXPECT_EQ(AP_CommInitialize("\\\\.\\COM7", 115200), 1);
    // A second open fails and leaves the open port working.
    EXPECT_EQ(AP_CommInitialize("\\\\.\\COM7", 9600), 0);
    uint8_t text[] = {'t', 'x'};
    EXPECT_EQ(AP_Send(text, 2), 1);
    const auto got = far_.read(2);
    EXPECT_EQ(std::string(got.begin(), got.end()), "tx");
    EXPECT_EQ(AP_CommClose(), 1);
    EXPECT_EQ(AP_CommClose(), 0);

    EXPECT_EQ(AP_CommInitialize("com7", 19200), 1);
    EXPECT_EQ(AP_CommClose(), 1);
    ::unsetenv("PORTELLO_COM7");
}

TEST_F(SerialPortTest, MissingDeviceFailsAtOnceWithoutRetrying) {
    const auto start = Clock::now();
    EXPECT_EQ(AP_CommInitialize("/dev/no-such-port-here", 115200), 0);
    // A retry would take about five seconds; a busy machine far less.
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(AP_CommInitialize(nullptr, 115200), 0);
    EXPECT_EQ(AP_CommClose(), 0);
}

TEST_F(SerialPortTest, AFileThatIsNoTerminalIsRefusedAndLeftClosed) {
    char path[] = "/tmp/portello-notatty-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(AP_CommInitialize(path, 115200), 0);
    EXPECT_EQ(AP_CommClose(), 0);
    ::close(fd);
    ::unlink(path);
}

TEST_F(SerialPortTest, SendsAndReceivesRawBytesAtEveryPcRate) {
    for (uint32_t baud : {19200u, 38400u, 57600u, 115200u, 230400u, 460800u}) {
        ASSERT_EQ(AP_CommInitialize(far_.slavePath().c_str(), baud), 1) << baud;
        EXPECT_EQ(AP_SetCommState(baud), 1);
        std::vector<uint8_t> all(256);
        for (int i = 0; i < 256; ++i) all[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
        EXPECT_EQ(AP_Send(all.data(), 256), 1);
        EXPECT_EQ(far_.read(256), all) << "output must pass unchanged at " << baud;

        far_.write(all);
        EXPECT_EQ(ReceiveAll(256), all) << "input must pass unchanged at " << baud;
        EXPECT_EQ(AP_CommRecv(), 0) << "nothing queued and no error";
        EXPECT_EQ(AP_CommClose(), 1);
    }
}

TEST_F(SerialPortTest, ModemLinesOfAPseudoTerminalFollowTheFarEnd) {
    ASSERT_EQ(AP_CommInitialize(far_.slavePath().c_str(), 115200), 1);
    EXPECT_EQ(AP_IsCommCTS(), 1);
    EXPECT_EQ(AP_IsCommDSR(), 1);
    EXPECT_NE(AP_SetDTR(2), 0);
    EXPECT_NE(AP_SetDTR(0), 0);
    EXPECT_NE(AP_SetBreak(), 0);
    EXPECT_NE(AP_ClearBreak(), 0);

    far_.hangUp();
    EXPECT_EQ(AP_IsCommCTS(), 0);
    EXPECT_EQ(AP_IsCommDSR(), 0);
    uint8_t text[] = {'x'};
    EXPECT_EQ(AP_Send(text, 1), 0) << "a cut line must not report a send";
    EXPECT_EQ(AP_CommClose(), 1);
}

TEST_F(SerialPortTest, EveryPortCallFailsWhileNoPortIsOpen) {
    uint8_t text[] = {'x'};
    EXPECT_EQ(AP_Send(text, 1), 0);
    EXPECT_EQ(AP_IsCommCTS(), 0);
    EXPECT_EQ(AP_IsCommDSR(), 0);
    EXPECT_EQ(AP_SetDTR(1), 0);
    EXPECT_EQ(AP_SetBreak(), 0);
    EXPECT_EQ(AP_ClearBreak(), 0);
    EXPECT_EQ(AP_SetCommState(9600), 0);
    EXPECT_EQ(AP_CommRecv(), 0);
    EXPECT_EQ(AP_CommClose(), 0);
}

TEST_F(SerialPortTest, BytesStayQueuedAtThePortUntilTheRingHasRoom) {
    ASSERT_EQ(AP_CommInitialize(far_.slavePath().c_str(), 115200), 1);
    std::vector<uint8_t> filler(65450, 0xEE);
    ASSERT_EQ(AP_WriteMap(filler.data(), 65450), 1);  // 86 free: reported as 0

    std::vector<uint8_t> line(50);
    for (size_t i = 0; i < line.size(); ++i) line[i] = static_cast<uint8_t>('A' + i % 26);
    far_.write(line);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(AP_CommRecv(), 0);

    uint8_t b = 0;
    for (int i = 0; i < 14; ++i) ASSERT_EQ(AP_ReadMap(&b), 1);  // 100 free now
    int32_t moved = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (moved != 1 && Clock::now() < deadline) moved = AP_CommRecv();
    EXPECT_EQ(moved, 1);

    std::vector<uint8_t> got;
    while (AP_ReadMap(&b) == 1) got.push_back(b);
    ASSERT_EQ(got.size(), 65436u + 50u);
    EXPECT_EQ(std::vector<uint8_t>(got.end() - 50, got.end()), line);
}

TEST_F(SerialPortTest, APortHeldByAnotherProgramIsRetriedThenRefused) {
    const int holder = ::open(far_.slavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

    const auto start = Clock::now();
    EXPECT_EQ(AP_CommInitialize(far_.slavePath().c_str(), 115200), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(4500)) << "ten attempts, 500 ms apart";

    // Released before the attempts run out, the port is taken.
    std::thread release([holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        ::close(holder);
    });
    EXPECT_EQ(AP_CommInitialize(far_.slavePath().c_str(), 115200), 1);
    release.join();
    EXPECT_EQ(AP_CommClose(), 1);
}

}  // namespace
