// The unit's behaviour line by line, with no pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "ClockDigits.h"
#include "LineSplitter.h"
#include "UnitModel.h"
#include "WireTexts.h"

namespace unitsim {
namespace {

using Replies = std::vector<std::string>;
using namespace std::chrono_literals;

constexpr std::string_view kAllLetters = "ABCEFIKLMPTUVWXYZ";

bool EndsWithCrLf(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A steady clock the test moves by hand.
struct ManualClock {
    std::chrono::steady_clock::time_point now {};
    UnitClock::SteadyNow Source() {
        return [this] { return now; };
    }
};

UnitOptions Model(int model) {
    UnitOptions options;
    options.model = model;
    return options;
}

// Sends the lines and returns everything the unit answered to them.
Replies Feed(UnitModel& unit, const std::vector<std::string>& lines) {
    Replies all;
    for (const std::string& line : lines) {
        for (std::string& reply : unit.Receive(line)) all.push_back(std::move(reply));
    }
    return all;
}

TEST(LineSplitterTest, CutsOnlyAtCrLf) {
    LineSplitter splitter;
    EXPECT_EQ(splitter.Feed("v\r\nA1\r"), (Replies {"v"}));
    EXPECT_EQ(splitter.Pending(), "A1\r");
    EXPECT_EQ(splitter.Feed("\nQA\r\n\r\n"), (Replies {"A1", "QA", ""}));
    EXPECT_EQ(splitter.Feed("x\ry\nz\r\r\n"), (Replies {"x\ry\nz\r"}));
    EXPECT_TRUE(splitter.Pending().empty());
}

TEST(ClockDigitsTest, ReadsAndWritesTwelveDigits) {
    using namespace std::chrono;
    const auto time = ParseClockDigits("250131235958");
    ASSERT_TRUE(time.has_value());
    EXPECT_EQ(*time, sys_days {2025y / January / 31} + 23h + 59min + 58s);
    EXPECT_EQ(FormatClockDigits(*time + 3s), "250201000001");
    EXPECT_FALSE(ParseClockDigits("251301000000").has_value());  // month 13
    EXPECT_FALSE(ParseClockDigits("250230000000").has_value());  // 30 February
    EXPECT_FALSE(ParseClockDigits("250101240000").has_value());
    EXPECT_FALSE(ParseClockDigits("2501010000").has_value());
    EXPECT_FALSE(ParseClockDigits("25010100000x").has_value());
}

TEST(UnitModelTest, RejectsUnknownModel) {
    EXPECT_THROW(UnitModel {Model(3)}, std::invalid_argument);
}

TEST(UnitModelTest, Model1BannerIsOneLongLineNamingTheModel) {
    UnitModel unit {Model(1)};
    const Replies replies = unit.Receive("v");
    ASSERT_EQ(replies.size(), 1u);
    const std::string& banner = replies[0];
    EXPECT_GE(banner.size(), 160u);
    EXPECT_TRUE(EndsWithCrLf(banner));
    EXPECT_EQ(banner.find("\r\n"), banner.size() - 2);
    EXPECT_TRUE(Contains(banner, "KY-N4"));
    EXPECT_FALSE(Contains(banner, "N4 Remote"));
    EXPECT_FALSE(unit.IsRemote());
}

TEST(UnitModelTest, Model1BannerCanComeWithoutLineEnd) {
    UnitOptions options = Model(1);
    options.bannerWithoutCrLf = true;
    UnitModel unit {options};
    const Replies replies = unit.Receive("v");
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_GT(replies[0].size(), 160u);
    EXPECT_FALSE(Contains(replies[0], "\r\n"));
    EXPECT_TRUE(Contains(replies[0].substr(0, 160), "KY-N4"));
}

TEST(UnitModelTest, Model2AnswersItsQueryAfterTheEmptyLine) {
    UnitModel unit {Model(2)};
    const Replies replies = Feed(unit, {"", "v"});
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_TRUE(Contains(replies[0], "KY-N5"));
    EXPECT_FALSE(Contains(replies[0], "N5 Remote"));
    EXPECT_TRUE(EndsWithCrLf(replies[0]));
    EXPECT_EQ(unit.ReceivedLines(), (Replies {"", "v"}));
}

TEST(UnitModelTest, UnitAlreadyInRemoteModeSaysSo) {
    UnitOptions options = Model(1);
    options.remote = true;
    UnitModel n4 {options};
    const Replies n4Replies = n4.Receive("v");
    ASSERT_EQ(n4Replies.size(), 1u);
    EXPECT_TRUE(Contains(n4Replies[0], "N4 Remote"));
    EXPECT_GE(n4Replies[0].size(), 160u);
    EXPECT_TRUE(EndsWithCrLf(n4Replies[0]));

    options.model = 2;
    UnitModel n5 {options};
    EXPECT_EQ(Feed(n5, {"", "v"}), (Replies {RemoteBanner(2)}));
    EXPECT_TRUE(Contains(RemoteBanner(2), "N5 Remote"));
    EXPECT_NE(RemoteBanner(2), RemoteStopLine());
}

TEST(UnitModelTest, Model1TakesFirmwareUntilTheNextQuery) {
    UnitModel unit {Model(1)};
    EXPECT_TRUE(Feed(unit, {"Korv", "KY-N4"}).empty());
    EXPECT_TRUE(unit.IsTakingFirmware());
    // Whatever comes before the query is firmware, even lines that look
    // like commands.
    EXPECT_TRUE(Feed(unit, {":10000000", "A1", "r", ""}).empty());
    EXPECT_FALSE(unit.IsRemote());
    EXPECT_EQ(unit.FirmwareLines(), (Replies {":10000000", "A1", "r", ""}));
    EXPECT_FALSE(unit.ParameterLine('A').has_value());

    EXPECT_EQ(unit.Receive("v"), (Replies {RemoteBanner(1)}));
    EXPECT_TRUE(unit.IsRemote());
    EXPECT_EQ(unit.Receive("v"), (Replies {RemoteBanner(1)}));
    EXPECT_EQ(unit.FirmwareLines().size(), 4u);
}

TEST(UnitModelTest, Model1RejectsFirmwareAfterTheConfiguredLine) {
    UnitOptions options = Model(1);
    options.loadingErrorAfterLine = 2;
    UnitModel unit {options};
    EXPECT_TRUE(Feed(unit, {"Korv", "KY-N4", "line 1"}).empty());
    EXPECT_EQ(unit.Receive("line 2"), (Replies {"*** LOADING_ERR !!!***\r\n"}));
    EXPECT_FALSE(unit.IsTakingFirmware());
    EXPECT_FALSE(unit.IsRemote());
    // The rejected unit is back where it started: a new query gets the banner.
    const Replies again = unit.Receive("v");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0], LocalBanner(1, true));
    EXPECT_EQ(unit.FirmwareLines(), (Replies {"line 1", "line 2"}));

    options.loadingErrorAfterLine = 0;
    UnitModel atOnce {options};
    EXPECT_EQ(Feed(atOnce, {"Korv", "KY-N4"}), (Replies {LoadingErrorLine()}));
}

TEST(UnitModelTest, Model2GoesRemoteOnTheRequest) {
    UnitModel unit {Model(2)};
    EXPECT_TRUE(Feed(unit, {"Korv", "KY-N5"}).empty());
    EXPECT_TRUE(unit.IsRemote());
    EXPECT_EQ(Feed(unit, {"", "v"}), (Replies {RemoteBanner(2)}));
    EXPECT_TRUE(unit.FirmwareLines().empty());

    EXPECT_EQ(unit.LeaveRemote(), "*** KY-N5 Remote Mode Stop ***\r\n");
    EXPECT_FALSE(unit.IsRemote());
    EXPECT_EQ(unit.Receive("v"), (Replies {LocalBanner(2, true)}));
}

TEST(UnitModelTest, RemoteRequestNeedsTheUnitsOwnModelName) {
    UnitModel n5 {Model(2)};
    EXPECT_TRUE(Feed(n5, {"Korv", "KY-N4"}).empty());
    EXPECT_FALSE(n5.IsRemote());
    EXPECT_FALSE(n5.ParameterLine('K').has_value());

    UnitModel n4 {Model(1)};
    EXPECT_EQ(Feed(n4, {"Korv", "v"}), (Replies {LocalBanner(1, true)}));
    EXPECT_FALSE(n4.IsTakingFirmware());
}

TEST(UnitModelTest, ClockRunsOnFromTheSetValueWithItsOffset) {
    ManualClock steady;
    UnitOptions options = Model(2);
    options.clockOffsetSeconds = 2;
    UnitModel unit {options, steady.Source()};
    EXPECT_TRUE(unit.LastClockSet().empty());
    EXPECT_TRUE(unit.Receive("t250131235958").empty());
    EXPECT_EQ(unit.LastClockSet(), "250131235958");
    EXPECT_EQ(unit.Receive("r"), (Replies {"R:250201000000\r\n"}));
    steady.now += 1500ms;
    EXPECT_EQ(unit.Receive("r"), (Replies {"R:250201000001\r\n"}));

    // A set that names no time leaves the clock alone.
    EXPECT_TRUE(unit.Receive("t251399000000").empty());
    EXPECT_EQ(unit.LastClockSet(), "250131235958");
}

TEST(UnitModelTest, ClockReplyCarriesTheDigitsInBytes3To14) {
    ManualClock steady;
    UnitModel unit {Model(1), steady.Source()};
    const Replies beforeSet = unit.Receive("r");
    ASSERT_EQ(beforeSet.size(), 1u);
    ASSERT_EQ(beforeSet[0].size(), 16u);
    EXPECT_TRUE(ParseClockDigits(beforeSet[0].substr(2, 12)).has_value());
    EXPECT_TRUE(EndsWithCrLf(beforeSet[0]));

    const Replies afterSet = Feed(unit, {"t991231235959", "r"});
    ASSERT_EQ(afterSet.size(), 1u);
    EXPECT_EQ(afterSet[0].substr(2, 12), "991231235959");
}

TEST(UnitModelTest, EveryParameterIsReadBackAsItWasSet) {
    UnitModel unit {Model(1)};
    for (const char letter : kAllLetters) {
        const std::string set = std::string(1, letter) + "1F0";
        SCOPED_TRACE(set);
        EXPECT_TRUE(unit.Receive(set).empty());
        EXPECT_EQ(unit.Receive(std::string("Q") + letter), (Replies {set + "\r\n"}));
        EXPECT_EQ(unit.ParameterLine(letter), set);
    }
    EXPECT_EQ(unit.ParameterLines().size(), kAllLetters.size());
    EXPECT_TRUE(Feed(unit, {"A2", "A3"}).empty());
    EXPECT_EQ(unit.Receive("QA"), (Replies {"A3\r\n"}));
}

TEST(UnitModelTest, OnlyHexValuesOfKnownLettersAreStored) {
    UnitModel unit {Model(1)};
    EXPECT_TRUE(Feed(unit, {"a1", "D1", "A", "Ax", "Korv", "QD", "Q"}).empty());
    EXPECT_TRUE(unit.ParameterLines().empty());
    // A letter never set is answered with the bare letter, which matches
    // no set command.
    EXPECT_EQ(unit.Receive("QA"), (Replies {"A\r\n"}));
}

TEST(UnitModelTest, WrongReadBackChangesTheLastCharacter) {
    UnitOptions options = Model(2);
    options.wrongReadBack = 'B';
    options.wrongReadBackTimes = 2;
    UnitModel unit {options};
    EXPECT_EQ(Feed(unit, {"B00FBA883", "QB", "QB", "QB"}),
              (Replies {"B00FBA880\r\n", "B00FBA880\r\n", "B00FBA883\r\n"}));
    EXPECT_EQ(unit.WrongReadBacksSent(), 2);
    EXPECT_EQ(Feed(unit, {"A0", "QA"}), (Replies {"A0\r\n"}));

    options.wrongReadBackTimes = -1;
    UnitModel always {options};
    EXPECT_EQ(Feed(always, {"B0", "QB", "QB", "QB"}), (Replies(3, "B1\r\n")));
}

TEST(UnitModelTest, UnknownLinesAreIgnoredButRecorded) {
    UnitModel unit {Model(1)};
    EXPECT_TRUE(Feed(unit, {"hello", "V", "t12", "rr"}).empty());
    EXPECT_EQ(unit.ReceivedLines(), (Replies {"hello", "V", "t12", "rr"}));
    EXPECT_FALSE(unit.IsRemote());
}

}  // namespace
}  // namespace unitsim
