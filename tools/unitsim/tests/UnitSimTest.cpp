// The simulated unit on its pseudo-terminal, driven through the device
// library the way Capturo drives a real unit.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ClockDigits.h"
#include "PcPort.h"
#include "UnitSim.h"
#include "WireTexts.h"
#include "portello.h"

namespace unitsim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

UnitOptions Model(int model) {
    UnitOptions options;
    options.model = model;
    return options;
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::string PcClockDigits() {
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return FormatClockDigits(std::chrono::sys_seconds {now.time_since_epoch()});
}

TEST(UnitSimTest, AnswersTheVersionQueryOfBothModels) {
    UnitSim n4 {Model(1)};
    {
        PcPort pc {n4.SlavePath()};
        ASSERT_TRUE(pc.IsOpen());
        ASSERT_TRUE(pc.Send("v\r\n"));
        EXPECT_EQ(pc.ReadLine(), LocalBanner(1, true));
    }
    UnitSim n5 {Model(2)};
    PcPort pc {n5.SlavePath()};
    ASSERT_TRUE(pc.IsOpen());
    ASSERT_TRUE(pc.Send("\r\nv\r\n"));
    const auto banner = pc.ReadLine();
    ASSERT_TRUE(banner.has_value());
    EXPECT_NE(banner->find("KY-N5"), std::string::npos);
    EXPECT_EQ(n5.ReceivedLines(), (std::vector<std::string> {"", "v"}));
}

TEST(UnitSimTest, Model1BannerWithoutLineEndGivesTheFirst160Bytes) {
    UnitOptions options = Model(1);
    options.bannerWithoutCrLf = true;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("v\r\n"));
    const auto first = pc.ReadBytes(160);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("KY-N4"), std::string::npos);
    EXPECT_EQ(first->find("\r\n"), std::string::npos);
}

TEST(UnitSimTest, ConnectsModel1WithFirmwareAndClock) {
    UnitOptions options = Model(1);
    options.clockOffsetSeconds = 5;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("v\r\n"));
    ASSERT_EQ(pc.ReadLine(), LocalBanner(1, true));

    ASSERT_TRUE(pc.Send(Lines({"Korv", "KY-N4", "fw one", "fw two", "fw three", "v"})));
    const auto confirmation = pc.ReadLine();
    ASSERT_TRUE(confirmation.has_value());
    EXPECT_NE(confirmation->find("N4 Remote"), std::string::npos);
    EXPECT_EQ(sim.FirmwareLines(), (std::vector<std::string> {"fw one", "fw two", "fw three"}));
    EXPECT_TRUE(sim.IsRemote());

    const std::string sent = PcClockDigits();
    ASSERT_TRUE(pc.Send(Lines({"t" + sent, "r"})));
    const auto reply = pc.ReadLine();
    ASSERT_TRUE(reply.has_value());
    ASSERT_EQ(reply->size(), 16u);
    const auto unitTime = ParseClockDigits(reply->substr(2, 12));
    ASSERT_TRUE(unitTime.has_value());
    // The unit runs five seconds ahead; a second boundary may pass between
    // the set and the read.
    const auto ahead = *unitTime - *ParseClockDigits(sent);
    EXPECT_GE(ahead, 5s);
    EXPECT_LE(ahead, 6s);
    EXPECT_EQ(sim.LastClockSet(), sent);
}

TEST(UnitSimTest, RejectsFirmwareAndStaysLocal) {
    UnitOptions options = Model(1);
    options.loadingErrorAfterLine = 3;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send(Lines({"Korv", "KY-N4", "fw 1", "fw 2", "fw 3"})));
    EXPECT_EQ(pc.ReadLine(), "*** LOADING_ERR !!!***\r\n");
    EXPECT_FALSE(sim.IsRemote());
    ASSERT_TRUE(pc.Send("v\r\n"));
    EXPECT_EQ(pc.ReadLine(), LocalBanner(1, true));
}

TEST(UnitSimTest, Model2InRemoteModeAndLeavingIt) {
    UnitOptions options = Model(2);
    options.remote = true;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("\r\nv\r\n"));
    EXPECT_EQ(pc.ReadLine(), "*** KY-N5 Remote Mode Start ***\r\n");

    ASSERT_TRUE(sim.SendRemoteStop());
    EXPECT_EQ(pc.ReadLine(), "*** KY-N5 Remote Mode Stop ***\r\n");
    EXPECT_FALSE(sim.IsRemote());
    ASSERT_TRUE(sim.SendPowerFailure());
    EXPECT_EQ(pc.ReadLine(), "e\r\n");
    ASSERT_TRUE(sim.SendLine("any text"));
    EXPECT_EQ(pc.ReadLine(), "any text\r\n");

    ASSERT_TRUE(pc.Send(Lines({"Korv", "KY-N5", "", "v"})));
    EXPECT_EQ(pc.ReadLine(), "*** KY-N5 Remote Mode Start ***\r\n");
}

TEST(UnitSimTest, ParametersAreReadBackOneLetterAtATime) {
    UnitOptions options = Model(1);
    options.wrongReadBack = 'X';
    options.wrongReadBackTimes = 1;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    for (const char letter : std::string("ABCEFIKLMPTUVWXYZ")) {
        const std::string set = std::string(1, letter) + "0A1";
        ASSERT_TRUE(pc.Send(Lines({set, std::string("Q") + letter})));
        const auto reply = pc.ReadLine();
        if (letter == 'X') {
            EXPECT_EQ(reply, "X0A0\r\n");
            ASSERT_TRUE(pc.Send(Lines({set, "QX"})));
            EXPECT_EQ(pc.ReadLine(), set + "\r\n");
        } else {
            EXPECT_EQ(reply, set + "\r\n");
        }
    }
    EXPECT_EQ(sim.ParameterLines().size(), 17u);
    EXPECT_EQ(sim.ParameterLine('Z'), "Z0A1");
}

TEST(UnitSimTest, LateAnswersKeepTheirOrder) {
    UnitOptions options = Model(2);
    options.replyDelayMs = 200;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    const auto sentAt = Clock::now();
    // The second letter goes out before the first is answered, as when the
    // PC gives up on a slow unit and sends again.
    ASSERT_TRUE(pc.Send(Lines({"A1", "QA"})));
    ASSERT_TRUE(pc.Send(Lines({"B00FBA883", "QB"})));
    EXPECT_EQ(pc.ReadLine(), "A1\r\n");
    // The delay is a floor the unit keeps, so this bound cannot fail by
    // chance.
    EXPECT_GE(Clock::now() - sentAt, 200ms);
    EXPECT_EQ(pc.ReadLine(), "B00FBA883\r\n");
}

TEST(UnitSimTest, HangUpIsSeenAsDsrOff) {
    auto sim = std::make_unique<UnitSim>(Model(1));
    PcPort pc {sim->SlavePath()};
    ASSERT_TRUE(pc.IsOpen());
    EXPECT_EQ(AP_IsCommDSR(), 1);
    EXPECT_EQ(AP_IsCommCTS(), 1);
    sim->HangUp();
    EXPECT_TRUE(sim->IsHungUp());
    EXPECT_TRUE(pc.WaitForDsr(0));
    EXPECT_FALSE(sim->SendLine("v"));
    sim.reset();  // a second hang-up by the destructor is harmless
}

TEST(UnitSimTest, DestroyingTheUnitHangsUp) {
    auto sim = std::make_unique<UnitSim>(Model(2));
    PcPort pc {sim->SlavePath()};
    ASSERT_TRUE(pc.WaitForDsr(1));
    sim.reset();
    EXPECT_TRUE(pc.WaitForDsr(0));
}

TEST(UnitSimTest, HangsUpOnTheConfiguredLineWithoutAnswering) {
    UnitOptions options = Model(1);
    options.hangUpAfterLines = 2;
    UnitSim sim {options};
    PcPort pc {sim.SlavePath()};
    ASSERT_TRUE(pc.Send("v\r\n"));
    EXPECT_EQ(pc.ReadLine(), LocalBanner(1, true));
    ASSERT_TRUE(pc.Send("v\r\n"));
    EXPECT_TRUE(sim.WaitForHangUp());
    EXPECT_TRUE(pc.WaitForDsr(0));
    EXPECT_EQ(sim.ReceivedLines().size(), 2u);
}

TEST(UnitSimTest, ServesAPcThatClosesAndReopensThePort) {
    UnitSim sim {Model(2)};
    {
        PcPort first {sim.SlavePath()};
        ASSERT_TRUE(first.Send(Lines({"A1"})));
        ASSERT_TRUE(sim.WaitForLines(1));
    }
    PcPort second {sim.SlavePath()};
    ASSERT_TRUE(second.IsOpen());
    ASSERT_TRUE(second.Send(Lines({"QA"})));
    EXPECT_EQ(second.ReadLine(), "A1\r\n");
    EXPECT_TRUE(sim.WaitUntil([](const UnitModel& m) { return m.ParameterLine('A') == "A1"; }));
}

}  // namespace
}  // namespace unitsim
