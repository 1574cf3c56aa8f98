#include <gtest/gtest.h>

#include "FakePortello.h"
#include "LineIo.h"

namespace mon {
namespace {

class LineIoTest : public ::testing::Test {
protected:
    test::FakePortello api_;
    test::FakeClock clock_;
    LineIo io_{api_, clock_};
};

TEST_F(LineIoTest, ALineEndsAtTheFirstLfRightAfterACrEvenAcrossPasses) {
    api_.Queue("AB\r");
    EXPECT_EQ(io_.LineRecv(), "");
    api_.Queue("\nCD");
    EXPECT_EQ(io_.LineRecv(), "AB\r\n");
    EXPECT_EQ(io_.PendingText, "");
    EXPECT_EQ(io_.LineRecv(), "") << "a pass without a line end leaves LastLine empty";
    EXPECT_EQ(io_.LastLine, "");
    EXPECT_EQ(io_.PendingText, "CD");

    io_.RecvClear();
    api_.Queue(std::string("A\r\r\n") + "A\nB\r\n" + "x\r\n");
    EXPECT_EQ(io_.LineRecv(), "A\r\r\n");
    EXPECT_EQ(io_.LineRecv(), "A\nB\r\n") << "one line per pass";
    EXPECT_EQ(io_.LineRecv(), "x\r\n");
}

TEST_F(LineIoTest, ALineUpToTheLimitIsKeptWholeAndLongerNoiseIsDroppedWithItsLineEnd) {
    // A line of exactly the limit, CR LF included, comes out whole.
    std::string longest(LineIo::kPendingLimit - 2, '\x80');
    longest += "\r\n";
    api_.Queue(longest);
    EXPECT_EQ(io_.LineRecv().size(), LineIo::kPendingLimit);
    EXPECT_EQ(io_.TakeNoise(), 0u);

    // One byte more is noise: dropped up to and with its CR LF (here the
    // CR is the byte that went over the limit), then counted once it ended.
    std::string noise(LineIo::kPendingLimit, 'n');
    noise += "\r";
    api_.Queue(noise);
    EXPECT_EQ(io_.LineRecv(), "");
    EXPECT_EQ(io_.PendingText, "");
    EXPECT_EQ(io_.TakeNoise(), 0u) << "not ended yet";
    api_.Queue("\nnext\r\n");
    EXPECT_EQ(io_.LineRecv(), "next\r\n") << "the line after the noise is whole";
    EXPECT_EQ(io_.TakeNoise(), noise.size() + 1);
    EXPECT_EQ(io_.TakeNoise(), 0u) << "handed out once";

    // So is a line whose LF alone takes it past the limit.
    std::string overByOne(LineIo::kPendingLimit - 1, 'n');
    overByOne += "\r\n";
    api_.Queue(overByOne + "next\r\n");
    EXPECT_EQ(io_.LineRecv(), "next\r\n");
    EXPECT_EQ(io_.TakeNoise(), overByOne.size());

    // A run still going is counted when asked for; a clear forgets it.
    api_.Queue(std::string(LineIo::kPendingLimit + 10, 'n'));
    io_.LineRecv();
    EXPECT_EQ(io_.TakeNoise(true), LineIo::kPendingLimit + 10);
    api_.Queue(std::string(LineIo::kPendingLimit + 10, 'n'));
    io_.LineRecv();
    io_.RecvClear();
    EXPECT_EQ(io_.TakeNoise(true), 0u);
}

TEST_F(LineIoTest, PacedSendingConsumesTheTextAndStopsAtTheFirstFailure) {
    std::string text = "ABCD";
    api_.failSendsAfter = 2;
    EXPECT_FALSE(io_.LineSend(text, 1));
    EXPECT_EQ(text, "CD") << "the failed character and the rest stay";
    EXPECT_EQ(api_.TakeSent(), "AB");

    api_.failSendsAfter = -1;
    EXPECT_TRUE(io_.LineSend(text, 1));
    EXPECT_EQ(text, "");

    std::string whole = "v\r\n";
    api_.failSendsAfter = 0;
    EXPECT_FALSE(io_.LineSend(whole, 0));
    EXPECT_EQ(whole, "v\r\n");
    api_.failSendsAfter = -1;
    EXPECT_TRUE(io_.LineSend(whole, 0));
    EXPECT_EQ(whole, "v\r\n") << "unpaced sending leaves the text";
    EXPECT_EQ(api_.sent.back(), "v\r\n");
}

TEST_F(LineIoTest, TheStepTimerFiresOnceAndRearmingRestartsIt) {
    EXPECT_EQ(io_.StepTimeUp(), 0);
    io_.StepTimerStart(1000);
    clock_.ms = 999;
    EXPECT_EQ(io_.StepTimeUp(), 0);
    io_.StepTimerStart(1000);  // restarts from 999
    clock_.ms = 1500;
    EXPECT_EQ(io_.StepTimeUp(), 0);
    clock_.ms = 1999;
    EXPECT_EQ(io_.StepTimeUp(), -1);
    EXPECT_EQ(io_.StepTimeUp(), -1) << "stays until re-armed or stopped";
    io_.StepTimerStart(10);
    EXPECT_EQ(io_.StepTimeUp(), 0);
    io_.StepTimerStop();
    clock_.ms = 5000;
    EXPECT_EQ(io_.StepTimeUp(), 0);
}

}  // namespace
}  // namespace mon
