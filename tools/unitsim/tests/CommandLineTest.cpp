// The options of the unitsim program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"

namespace unitsim {
namespace {

std::optional<CommandLine> Parse(const std::vector<std::string>& args, std::string* error = nullptr) {
    return ParseCommandLine(args, error);
}

TEST(CommandLineTest, DefaultsToAModel1UnitWithNoFaults) {
    const auto line = Parse({});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->options.model, 1);
    EXPECT_FALSE(line->options.remote);
    EXPECT_EQ(line->options.hangUpAfterLines, -1);
    EXPECT_EQ(line->options.wrongReadBack, '\0');
    EXPECT_TRUE(line->linkPath.empty());
    EXPECT_FALSE(line->ignoreStdin);
    EXPECT_EQ(line->streamUnitsPerSecond, 0);
}

TEST(CommandLineTest, TakesEveryOption) {
    const auto line = Parse({"--model", "2", "--remote", "--clock-offset", "-3", "--loading-error-after",
                             "4", "--wrong-read-back", "B:2", "--reply-delay", "150", "--hang-up-after",
                             "9", "--banner-without-crlf", "--link", "/tmp/ky", "--ignore-stdin",
                             "--stream", "500:20"});
    ASSERT_TRUE(line.has_value());
    const UnitOptions& o = line->options;
    EXPECT_EQ(o.model, 2);
    EXPECT_TRUE(o.remote);
    EXPECT_EQ(o.clockOffsetSeconds, -3);
    EXPECT_EQ(o.loadingErrorAfterLine, 4);
    EXPECT_EQ(o.wrongReadBack, 'B');
    EXPECT_EQ(o.wrongReadBackTimes, 2);
    EXPECT_EQ(o.replyDelayMs, 150);
    EXPECT_EQ(o.hangUpAfterLines, 9);
    EXPECT_TRUE(o.bannerWithoutCrLf);
    EXPECT_EQ(line->linkPath, "/tmp/ky");
    EXPECT_TRUE(line->ignoreStdin);
    EXPECT_EQ(line->streamUnitsPerSecond, 500);
    EXPECT_EQ(line->streamUnitsPerRecord, 20);

    const auto rateOnly = Parse({"--stream", "300"});
    ASSERT_TRUE(rateOnly.has_value());
    EXPECT_EQ(rateOnly->streamUnitsPerSecond, 300);
    EXPECT_EQ(rateOnly->streamUnitsPerRecord, 0);

    const auto always = Parse({"--wrong-read-back", "Z"});
    ASSERT_TRUE(always.has_value());
    EXPECT_EQ(always->options.wrongReadBackTimes, -1);
}

TEST(CommandLineTest, TakesTheMaintenanceFaults) {
    const auto line = Parse({"--download-result", "3", "--short-memory-reply", "5"});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->options.maintenance.downloadResult, 3);
    EXPECT_EQ(line->options.maintenance.memoryReplyBytes, 5);
    EXPECT_EQ(Parse({})->options.maintenance.downloadResult, -1);
}

TEST(CommandLineTest, TakesTheLanLineAndItsFaults) {
    const auto line = Parse({"--lan", "0", "--lan-status", "0,0,1,0,0,255", "--lan-noise"});
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->options.lanPort, 0);
    EXPECT_EQ(line->options.lanStatus, (lan::LineStatus {0, 0, 1, 0, 0, 255}));
    EXPECT_TRUE(line->options.lanNoise);
    const auto serial = Parse({});
    ASSERT_TRUE(serial.has_value());
    EXPECT_EQ(serial->options.lanPort, -1);
    EXPECT_EQ(serial->options.lanStatus, lan::kLinesOn);
}

TEST(CommandLineTest, RejectsBadLinesWithAReason) {
    const std::vector<std::vector<std::string>> bad {
        {"--model", "3"}, {"--model"}, {"--clock-offset", "x"}, {"--wrong-read-back", "D"},
        {"--wrong-read-back", "B2"}, {"--wrong-read-back", "B:x"}, {"--fast"},
        {"--stream", "0"}, {"--stream", "x"}, {"--stream", "500:"}, {"--stream", "500:0"},
        {"--stream"}, {"--lan", "65536"}, {"--lan", "-2"}, {"--lan-status", "0,0,1,0,0"},
        {"--lan-status", "0,0,1,0,0,0,0"}, {"--lan-status", "0,0,256,0,0,0"}, {"--lan-status", "0,,1,0,0,0"},
        {"--lan", "0", "--link", "/tmp/ky"}, {"--download-result", "10"}, {"--download-result", "x"},
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(Parse(args, &error).has_value()) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

}  // namespace
}  // namespace unitsim
