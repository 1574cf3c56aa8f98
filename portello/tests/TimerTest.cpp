#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "portello.h"

namespace {

// Polls the flag for up to two seconds.
bool FiresWithinHalfAMinute() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        if (AP_IsTimeUp() == 1) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

TEST(OneShotTimer, FiresOnceAndARestartCancelsThePreviousTimer) {
    const int32_t first = AP_Timer_Start(20);
    const int32_t second = AP_Timer_Start(60000);
    EXPECT_NE(first, 0);
    EXPECT_NE(second, 0);
    EXPECT_NE(first, second);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    EXPECT_EQ(AP_IsTimeUp(), 0) << "the first timer should have been stopped";

    ASSERT_NE(AP_Timer_Start(5), 0);
    EXPECT_TRUE(FiresWithinHalfAMinute());
    EXPECT_EQ(AP_IsTimeUp(), 1) << "the flag stays until the next start";

    AP_Timer_Start(60000);
    EXPECT_EQ(AP_IsTimeUp(), 0) << "a start clears the flag";
}

TEST(PlainWait, BlocksForItsTimeAndReturnsNonZero) {
    EXPECT_NE(AP_WaitTimeUp(0), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_NE(AP_WaitTimeUp(25), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(25));
}

}  // namespace
